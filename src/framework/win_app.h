// Stand-in for the framework's application object: WinMain calls
// InitInstance and runs the message loop when it returns true.
#pragma once

#include <windows.h>

class CCommandLineInfo;
class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    // The message loop; returns when the main window has gone.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // Splits GetCommandLineA() and feeds every argument to info.
    void ParseCommandLine(CCommandLineInfo& info);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
};

// The single application object.
CWinApp* AfxGetApp();

// Body of WinMain.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
