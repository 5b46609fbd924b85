#include "framework/win_app.h"

#include "framework/command_line_info.h"

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp() {
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this) theApp = nullptr;
}

int CWinApp::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return ExitInstance();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
    trm::parseArguments(trm::splitCommandLine(::GetCommandLineA()), info);
}

CWinApp* AfxGetApp() {
    return theApp;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->m_hInstance = instance;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
