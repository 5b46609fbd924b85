#include "app/launcher_app.h"

#include <shellapi.h>

#include <new>

#include "app/argument_roles.h"
#include "app/folder_shortcut.h"
#include "app/option_parser.h"
#include "app/options_file_text.h"
#include "app/options_file_tokenizer.h"
#include "app/startup_choice.h"
#include "app/taskbar_identity.h"
#include "app/win_path_probe.h"
#include "common/com_apartment.h"
#include "common/stage_clock.h"
#include "common/win_text.h"
#include "framework/cfile.h"
#include "launch/item_launcher.h"

namespace trm {

BOOL LauncherApp::InitInstance() {
    try {
        return start();
    } catch (const std::bad_alloc&) {
        // Out of memory outside the menus' own window procedures (which
        // carry on without what did not fit): what was built goes, the user
        // is told, and the program ends as after any message.
        run.reset();
        showLauncherMessage(SE_ERR_OOM);
        return FALSE;
    }
}

BOOL LauncherApp::start() {
    // Sampled before anything else: the state at the moment of starting counts.
    const bool shiftHeld = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    markStage("start");
    ::SetCursor(::LoadCursorA(nullptr, IDC_APPSTARTING));
    underWine = runningUnderWine();
    settings.textIsUtf8 = ::GetACP() == CP_UTF8;

    const std::wstring startedIn = fullLongPath(L".");
    WinPathProbe paths;
    ArgumentRoles roles(paths);
    OptionParser commandLine(settings, roles, false);
    roles.readBy(commandLine);
    ParseCommandLine(roles);
    // From the command line alone, before the options file: a shortcut made
    // with -useinifile keeps its button while the file changes.
    const std::wstring folder = shownFolder(settings);
    const StringList carried = shortcutOptions(roles.options, settings);
    const std::string id = folderAppUserModelId(folder, carried);
    // Wine's call is a stub, and loading shell32 for it would cost every
    // start more than the menu takes (bench/NOTES.md).
    if (!underWine) setProcessAppUserModelId(id);
    if (settings.makeshortcut) {
        const ComApartment com;
        makeFolderShortcut({folder, carried, roles.missingFolders, settings.makeshortcutpath, startedIn, id});
        return FALSE;
    }
    if (settings.useinifile && !settings.useinifilename.empty()) readOptionsFile();

    markStage("options");
    const std::string& direct = itemToOpenDirectly(settings, shiftHeld);
    if (direct.empty()) return runPopup() ? TRUE : FALSE;
    // Without a host window no timer could ever end the process, so it ends
    // now, as with waittodietime 0.
    const ComApartment com;
    launchItem(nullptr, direct, std::string(), underWine);
    return FALSE;
}

bool LauncherApp::runPopup() {
    run = std::make_unique<PopupRun>(settings, underWine);
    run->show();
    settings.clearFilterLists();
    m_pMainWnd = run->windowToStay();
    return m_pMainWnd != nullptr;
}

int LauncherApp::ExitInstance() {
    run.reset();
    return CWinApp::ExitInstance();
}

void LauncherApp::readOptionsFile() {
    CFile file;
    if (!file.Open(settings.useinifilename, CFile::modeRead)) return;
    WinPathProbe paths;
    OptionParser optionsFile(settings, paths, true);
    const UINT active = ::GetACP();
    const OptionsFileText read = optionsFileText(file.ReadAll(), active, systemLocaleCodePage());
    tokenizeOptionsFile(read.codePage == active ? read.text : convertCodePage(read.text, read.codePage, active),
                        optionsFile);
}

}  // namespace trm
