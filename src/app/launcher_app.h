// The application object: the settings and the whole life of the program
// from the Shift key at start to the decision to end.
#pragma once

#include <string>

#include "app/host_window.h"
#include "common/settings.h"
#include "framework/win_app.h"

namespace trm {

class LauncherApp : public CWinApp {
public:
    LauncherApp();
    ~LauncherApp() override;

    BOOL InitInstance() override;

    // Opens path through the shell (the one way any item is opened).
    bool openItem(CWnd& owner, std::string path);

    // Shows the menu once and carries out what was chosen.
    void runPopup();

    Settings settings;
    HostWindow hostWindow;
    bool underWine = false;  // detected once at start

private:
    void readOptionsFile();
};

}  // namespace trm
