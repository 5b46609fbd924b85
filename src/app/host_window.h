// The hidden window that owns the popup menu: it answers the menu's
// measuring and painting requests, fills a folder's sub-menu as it opens,
// and after the menu has closed carries the timers that end the process.
#pragma once

#include "framework/wnd.h"
#include "presentation/menu_type_ahead.h"

namespace trm {

class LauncherApp;

class HostWindow : public CWnd {
public:
    explicit HostWindow(LauncherApp& app) : app(app) {}
    ~HostWindow() override;

    // Creates the invisible native window.
    bool create();

    LauncherApp& app;
    // Identifiers of the running timers, -1 when none.
    int exitTimer = -1;        // timer 2: waittodietime
    int sheetCheckTimer = -1;  // timer 1: once waittodietime is over, the 1000 ms check for the shell's windows

    static const UINT_PTR exitTimerId = 2;
    static const UINT_PTR sheetCheckTimerId = 1;
    // Posted while answering a typed character, handled once the menu loop
    // has taken the answer.
    static const UINT typeAheadCheck = WM_APP + 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onTimer(UINT_PTR id);
    // Whether a window the shell's last command put up is still open.
    bool shellWindowOpen() const;
    void fillOpeningMenu(HMENU popup);
    LRESULT answerTypedCharacter(WPARAM wParam, HMENU menu);

    MenuTypeAhead typeAhead;
};

}  // namespace trm
