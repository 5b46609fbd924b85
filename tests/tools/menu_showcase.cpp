// Tracks one owner-drawn menu in a given look so that it can be looked at:
// a top title, icons, a disabled item, a separator, a column break and a
// sub-menu with a side title. The program's own hooks pair and frame the
// menu windows. Used by the menu-looks end-to-end test.
//   menu_showcase.exe classic|xp|nobackground [COLOURS_FILE]
// COLOURS_FILE receives the system colours the look is painted with, one
// "name R G B" line each. The exit code is the chosen command (0: none).
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "common/command_ids.h"
#include "menus/owner_draw_menu.h"
#include "menus/run_menus.h"
#include "model/folder_node.h"
#include "presentation/menu_drawing.h"
#include "presentation/menu_hooks.h"
#include "presentation/menu_styles.h"
#include "presentation/thumbnail_tip.h"

namespace {

trm::MenuDrawing* drawing = nullptr;

LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_MEASUREITEM: drawing->MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DRAWITEM: drawing->DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_INITMENUPOPUP: trm::tracking().currentMenu = reinterpret_cast<HMENU>(wParam); return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void writeColours(const char* path) {
    FILE* file = std::fopen(path, "w");
    if (file == nullptr) return;
    const struct {
        const char* name;
        int index;
    } colours[] = {{"caption", COLOR_ACTIVECAPTION}, {"highlight", COLOR_HIGHLIGHT}, {"btnface", COLOR_BTNFACE},
                   {"btnshadow", COLOR_BTNSHADOW},   {"menu", COLOR_MENU},           {"menutext", COLOR_MENUTEXT}};
    for (const auto& colour : colours) {
        const COLORREF value = ::GetSysColor(colour.index);
        std::fprintf(file, "%s %d %d %d\n", colour.name, GetRValue(value), GetGValue(value), GetBValue(value));
    }
    std::fclose(file);
}

void giveIcon(trm::OwnerDrawMenu& menu, int position, LPCSTR which) {
    HICON icon = ::LoadIconA(nullptr, which);  // shared: never destroyed
    menu.setItemIcons(position, icon, 16, 16, icon, 16, 16);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* look = __argc > 1 ? __argv[1] : "classic";
    const int xpStyle = std::strcmp(look, "xp") == 0 ? 1 : 0;
    if (__argc > 2) writeColours(__argv[2]);
    ::CoInitialize(nullptr);

    trm::Settings settings;
    trm::CommandIds ids;
    settings.displayxp = xpStyle != 0;
    settings.displaybackground = std::strcmp(look, "nobackground") != 0;
    trm::MenuStyles styles;
    trm::ItemDataList records;
    trm::MenuDrawing metrics(records, styles);
    drawing = &metrics;
    trm::ThumbnailTip tip(styles);
    trm::RunMenus menus(records);
    trm::HookApp app{settings, false, menus, tip, metrics, nullptr};
    trm::TrackingState state;
    const trm::TrackingScope tracked(state);

    metrics.SetImageReduction(1, 1);
    metrics.SetGradientTitles(true);
    metrics.SetPaintBackgrounds(std::strcmp(look, "nobackground") != 0);

    WNDCLASSA ownerClass{};
    ownerClass.lpfnWndProc = ownerProc;
    ownerClass.hInstance = instance;
    ownerClass.lpszClassName = "TrmMenuShowcase";
    ::RegisterClassA(&ownerClass);
    HWND owner = ::CreateWindowExA(0, "TrmMenuShowcase", "Menu showcase", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   instance, nullptr);

    // Folders only lend the menus their places; the items are made here.
    // The root first: a sub-menu is made after the menu that holds it, and
    // destroyed before it.
    trm::FolderNode documentsFolder{settings, ids}, rootFolder{settings, ids};
    trm::OwnerDrawMenu& root = menus.create(rootFolder, xpStyle, -1);
    trm::OwnerDrawMenu& documents = menus.create(documentsFolder, xpStyle, -1);
    documents.insertSideTitle("Documents", 1, 1, 0, 2000);
    documents.appendItem(MF_STRING, 2001, "Letter to Anna.doc");
    documents.appendItem(MF_STRING, 2002, "Plan.txt");
    documents.appendItem(MF_SEPARATOR, 2003, "");
    documents.appendItem(MF_DISABLED, 2004, "Old draft.doc");
    giveIcon(documents, 2, IDI_INFORMATION);
    giveIcon(documents, 3, IDI_QUESTION);
    giveIcon(documents, 5, IDI_WARNING);

    root.insertTopTitle("Showcase", 1, 1, 0);
    root.appendItem(MF_STRING, 1001, "Read me.txt");
    root.appendItem(MF_DISABLED, 1002, "Unavailable.lnk");
    root.appendItem(MF_SEPARATOR, 1003, "");
    root.appendItem(MF_STRING, 1004, "Budget 2026.xls");
    root.appendItem(MF_MENUBREAK, 1005, "mb");
    root.appendItem(MF_STRING, 1006, "Photos.jpg");
    // Last, so that its sub-menu opens beside the whole menu.
    root.appendItem(MF_POPUP, reinterpret_cast<UINT_PTR>(documents.m_hMenu), "Documents");
    giveIcon(root, 1, IDI_INFORMATION);
    giveIcon(root, 2, IDI_ERROR);
    giveIcon(root, 4, IDI_WARNING);
    giveIcon(root, 6, IDI_QUESTION);
    giveIcon(root, 7, IDI_APPLICATION);

    int chosen = 0;
    {
        trm::MenuHooks hooks(::GetCurrentThreadId(), app);
        state.currentMenu = root.m_hMenu;
        ::SetForegroundWindow(owner);
        chosen =
            ::TrackPopupMenu(root.m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 60, 60, 0, owner, nullptr);
    }

    menus.destroyAll();
    ::DestroyWindow(owner);
    ::CoUninitialize();
    return chosen;
}
