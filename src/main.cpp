#include <windows.h>

#include "app/launcher_app.h"
#include "framework/win_app.h"

// The one application object; constructed before WinMain runs.
static trm::LauncherApp theLauncher;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
