// The application object: the settings, and the whole life of the program
// from the Shift key at start to the decision to end: an item opened
// directly, or one popup run.
#pragma once

#include <memory>
#include <string>

#include "app/popup_run.h"
#include "common/settings.h"
#include "framework/win_app.h"

namespace trm {

class LauncherApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Releases the run, once the message loop has ended or was never entered.
    int ExitInstance() override;

    // Shows the menu once; true when the process is to stay for a while
    // (waittodietime), with the run's exit timer started.
    bool runPopup();

    Settings settings;
    bool underWine = false;  // detected once at start
    std::unique_ptr<PopupRun> run;

private:
    BOOL start();
    void readOptionsFile();
};

}  // namespace trm
