// The hidden window that owns the popup menu: it answers the menu's
// measuring and painting requests, has a folder's sub-menu filled as it
// opens, and after the menu has closed carries the timers that end the
// process.
#pragma once

#include "app/menu_host.h"
#include "common/user_handles.h"
#include "framework/wnd.h"
#include "presentation/menu_type_ahead.h"

namespace trm {

class HostWindow : public CWnd {
public:
    explicit HostWindow(MenuHost& run) : run(run) {}
    ~HostWindow() override;

    // Creates the invisible native window.
    bool create();

    // Ends the process (closes this window, the main one) after `milliseconds`,
    // or later while a window the shell's last command put up is open.
    void startExitTimer(int milliseconds);

    static const UINT_PTR exitTimerId = 2;
    static const UINT_PTR sheetCheckTimerId = 1;
    // Posted while answering a typed character, handled once the menu loop
    // has taken the answer.
    static const UINT typeAheadCheck = WM_APP + 1;
    // An icon from the worker (lParam: IconArrival*).
    static const UINT iconArrived = WM_APP + 2;
    static const UINT_PTR iconRepaintTimerId = 3;
    // Stops the repaints of icons that came.
    void stopIconRepaints() {
        iconRepaintTimer.stop();
        iconsToPaint = false;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onTimer(UINT_PTR id);
    // Gives the items the icons that came, and holds the next repaint back 50 ms.
    void paintArrivedIcons();
    // Whether a window the shell's last command put up is still open.
    bool shellWindowOpen() const;
    LRESULT answerTypedCharacter(WPARAM wParam, HMENU menu);

    MenuHost& run;
    MenuTypeAhead typeAhead;
    WindowTimer exitTimer;         // waittodietime
    WindowTimer sheetCheckTimer;   // then every second while the shell's windows are open
    WindowTimer iconRepaintTimer;  // runs for 50 ms after each repaint of icons that came
    bool iconsToPaint = false;     // icons came since that repaint
};

}  // namespace trm
