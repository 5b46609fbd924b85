// The small bordered window that shows a file's picture beside the pointer.
#pragma once

#include "framework/wnd.h"
#include "menus/picture.h"
#include "menus/picture_worker.h"
#include "presentation/menu_styles.h"

namespace trm {

class ThumbnailTip : public CWnd {
public:
    // The styles are the run's and outlive the tip.
    explicit ThumbnailTip(MenuStyles& styles) : styles(styles) {}
    // Drops the picture and what the worker still brings; the base
    // destroys the window.
    ~ThumbnailTip() override { stopWorker(); }

    // The hidden native window: topmost, a tool window, a thin border.
    bool create();
    // Shows the window for `image` beside screen point (x, y), kept on that
    // point's monitor; creates the window first when there is none.
    void showAt(int x, int y);
    // Beside and below the pointer.
    void showAtCursor();
    // Hides the window and drops the picture, and any picture still to
    // come; the overrides stay.
    void hide();
    // Has a worker run `job` and shows its picture beside the pointer when
    // it comes, unless hide() or another ask() came first.
    void ask(PictureJob job);
    // Ends the worker; what it still brings is dropped.
    void stopWorker();
    // A picture from the worker (lParam: PictureArrival*).
    static const UINT pictureArrived = WM_APP + 1;

    Picture image;           // owned; a new one is loaded for every showing
    int widthOverride = 0;   // when nonzero, the picture's drawing width
    int heightOverride = 0;  // when nonzero, the picture's drawing height

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc);

    MenuStyles& styles;
    int shownDpi = 0;  // the DPI of the monitor it was last shown on
    PictureWorker worker;
    int lastAsked = 0;
    int awaited = 0;  // the request whose picture is to be shown; 0 for none
};

}  // namespace trm
