#include "app/popup_run.h"

#include "app/anchor_point.h"
#include "app/option_parser.h"
#include "common/display_dpi.h"
#include "common/menu_lengths.h"
#include "common/stage_clock.h"
#include "common/user_registry.h"
#include "common/worker_signals.h"
#include "launch/item_drag.h"
#include "launch/item_launcher.h"
#include "launch/launch_policy.h"
#include "launch/shell_context_menu.h"
#include "menus/menu_teardown.h"
#include "menus/owner_draw_menu.h"
#include "model/folder_scanner.h"
#include "presentation/menu_dpi_rules.h"
#include "presentation/menu_drawing.h"
#include "presentation/menu_hooks.h"
#include "presentation/monitor_bounds.h"
#include "presentation/mouse_rules.h"

namespace trm {

namespace {

// "Shell Icon Size" of the desktop's window metrics, read as a number; 0
// when absent.
int readShellIconSize() {
    std::string text;
    return readUserText("Control Panel\\desktop\\WindowMetrics", "Shell Icon Size", text) ? readNumber(text) : 0;
}

}  // namespace

PopupRun::PopupRun(const Settings& settings, bool underWine)
    : settings(settings),
      underWine(underWine),
      styles(Palette::chosen(settings.theme, underWine)),
      drawing(records, styles),
      hostWindow(*this),
      thumbnailTip(styles),
      shortcuts(settings),
      icons(settings, shortcuts),
      scanPlatform(shortcuts, icons),
      root(settings, ids),
      menus(records),
      builder(settings, records, menus, icons),
      hookApp{settings, underWine, menus, thumbnailTip, drawing, nullptr},
      tracked(tracking) {
    drawing.SetImageReduction(settings.imagereductionx, settings.imagereductiony);
    drawing.SetGradientTitles(settings.dotitlesgradient);
    drawing.SetPaintBackgrounds(settings.displaybackground);
    menus.setBackground(styles.palette().menuBackground());
    markStage("com");
}

// What a run that never finished built goes with it.
PopupRun::~PopupRun() {
    tearDown();
    // That thread, or a worker, may still be inside the shell: the process
    // ends under it without leaving this apartment first.
    if (shellMenuThreadLeftBehind() || workerThreadsAlive() != 0) com.keepToProcessEnd();
}

void PopupRun::show() {
    POINT atStart = {};
    ::GetCursorPos(&atStart);
    hostWindow.create();
    hookApp.commandWindow = hostWindow.m_hWnd;
    // Made only when thumbnails are asked for: a window costs start-up time.
    if (settings.dothumbnailsontooltip) thumbnailTip.create();
    // "Shell Icon Size" is in pixels at 100 % scaling.
    icons.setOwner(hostWindow.m_hWnd,
                   displaysShellSizeIcons(settings) ? scaledLength(readShellIconSize(), displayDpi()) : 0);
    // The monitors are read once: a sub-menu opening must not wait for
    // their enumeration.
    monitors = monitorLayout();
    // Icons are asked for from the scan on, at the size of the monitor the
    // menu most likely opens on; should the pointer move to another one
    // meanwhile, the menu is given icons of that one's size as it opens.
    if (displaysIcons(settings))
        icons.fetchAt(rootMenuDpi(monitors, chosenAnchor({atStart.x, atStart.y}, {atStart.x, atStart.y}, settings),
                                  displayDpi()));
    // The menu shows without waiting for the shell's icons.
    icons.startWorker(hostWindow.m_hWnd, HostWindow::iconArrived, iconSource ? iconSource : shellIconOf);
    markStage("host-window");

    scanRoot();
    markStage("scan");

    Tracked ended;
    {
        MenuHooks hooks(::GetWindowThreadProcessId(hostWindow.m_hWnd, nullptr), hookApp);
        builder.buildMenu(root);
        markStage("build");
        // The icons that came while the menus were built are in them when
        // they are first painted.
        takeArrivedIcons();
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        ended = trackRootMenu(atStart);
        hostWindow.PostMessage(WM_NULL);
    }
    tracking.hoverTimer.stop();
    // A thumbnail shown when the menus closed would stay on screen while
    // the process waits to end.
    thumbnailTip.hide();

    // Dragged only now that the menu loop has ended: the menus are off the
    // screen and hold the mouse no more, and the drag's own message loop
    // runs on no menu state and past no hooks of ours. The button is still
    // held; whatever the drop or Escape, nothing is opened.
    const TrackingOutcome& outcome = ended.outcome;
    if (!outcome.draggedPath.empty())
        dragItem(hostWindow.m_hWnd, outcome.draggedPath, outcome.dragButton);
    else
        carryOut(ended.command, outcome);

    writeStageMarks();
    tearDown();
}

void PopupRun::takeArrivedIcons() {
    MSG arrived;
    bool any = false;
    while (::PeekMessageA(&arrived, hostWindow.m_hWnd, HostWindow::iconArrived, HostWindow::iconArrived, PM_REMOVE))
        any = icons.accept(reinterpret_cast<IconArrival*>(arrived.lParam)) || any;
    if (any) builder.lateIcons().apply();
}

bool PopupRun::acceptIcon(IconArrival* arrival) {
    return icons.accept(arrival);
}

void PopupRun::paintLateIcons() {
    builder.lateIcons().apply();
}

void PopupRun::carryOut(UINT command, const TrackingOutcome& outcome) {
    bool handled = false;
    const auto open = [this](const std::string& path) { return openItem(path); };
    if (command != 0 && !outcome.clickWentToShellMenu)
        handled = builder.runCommand(root, static_cast<int>(command), open);
    if (!outcome.pendingOpenPath.empty() && !handled && !outcome.contextCommandDone) openItem(outcome.pendingOpenPath);
}

void PopupRun::tearDown() {
    // No icon comes to items that are gone, nor a picture to a tip.
    icons.stopWorker(workerWait);
    thumbnailTip.stopWorker();
    hostWindow.stopIconRepaints();
    builder.lateIcons().clear();
    tearDownRun(menus, root);
    drawing.forgetLayouts();
    icons.clear();
    shortcuts.reset();
}

void PopupRun::scanRoot() {
    const std::string started = scanPlatform.currentDirectory();
    root.path = started;
    bool entered = true;
    if (!settings.startdirectory.empty()) {
        entered = scanPlatform.setCurrentDirectory(settings.startdirectory);
        root.path = settings.startdirectory;
    }
    // A start directory that cannot be entered is not read: reading the one
    // we are in would list another folder's files under its title.
    if (entered) scanFolder(root, scanPlatform);
    if (!settings.startdirectory.empty()) scanPlatform.setCurrentDirectory(started);
    if (!settings.previousdirectory.empty()) scanPlatform.setCurrentDirectory(settings.previousdirectory);
}

CWnd* PopupRun::windowToStay() {
    const int wait = waitToDie();
    if (wait <= 0 || hostWindow.m_hWnd == nullptr) return nullptr;
    hostWindow.startExitTimer(wait);
    hostWindow.ShowWindow(SW_HIDE);
    hostWindow.UpdateWindow();
    return &hostWindow;
}

int PopupRun::waitToDie() const {
    // A negative time (quoted on the command line) is none: as a timer it
    // would keep an invisible process for weeks.
    const int wanted = settings.waittodietime > 0 ? settings.waittodietime : 0;
    return tracking.sheetMayOutliveCommand ? waitToDieAfterLastCommand(wanted) : wanted;
}

bool PopupRun::openItem(const std::string& path) {
    return launchItem(hostWindow.m_hWnd, path, tracking.pendingOpenPath, underWine);
}

static_assert(static_cast<UINT>(MenuXAlignment::Left) == TPM_LEFTALIGN &&
                  static_cast<UINT>(MenuXAlignment::Centre) == TPM_CENTERALIGN &&
                  static_cast<UINT>(MenuXAlignment::Right) == TPM_RIGHTALIGN &&
                  static_cast<UINT>(MenuYAlignment::Top) == TPM_TOPALIGN &&
                  static_cast<UINT>(MenuYAlignment::Centre) == TPM_VCENTERALIGN &&
                  static_cast<UINT>(MenuYAlignment::Bottom) == TPM_BOTTOMALIGN,
              "the alignments are TrackPopupMenu's own flags");

void PopupRun::measureItem(MEASUREITEMSTRUCT* request) {
    drawing.MeasureItem(request);
}

void PopupRun::drawItem(DRAWITEMSTRUCT* request) {
    drawing.DrawItem(request, &icons);
}

void PopupRun::menuStarting(HMENU menu) {
    tracking.currentMenu = menu;
}

void PopupRun::menuOpening(HMENU popup) {
    tracking.currentMenu = popup;
    // A sub-menu is announced while the window of the menu it opens from is
    // the deepest one open: it is measured for that window's monitor, and
    // filled with icons of that monitor's size.
    OwnerDrawMenu* menu = menus.menuOf(popup);
    const auto& open = tracking.openMenuWindows;
    RECT parent{};
    const bool sub =
        menu != nullptr && !open.empty() && open.back().menu != menu && ::GetWindowRect(open.back().window, &parent);
    const int dpi =
        sub ? subMenuDpi(monitors, {parent.left, parent.top, parent.right, parent.bottom}, displayDpi()) : 0;
    if (sub) builder.iconsAt(dpi, popup);
    builder.fillOpeningMenu(popup, scanPlatform);
    if (sub && drawing.showAt(*menu, dpi)) menu->askToMeasureAgain();
}

void PopupRun::menuCancelled() {
    tracking.launcherMenuCancelled = true;
}

const ItemDataList* PopupRun::recordsFor(HMENU menu) const {
    return menus.menuOf(menu) != nullptr ? &records : nullptr;
}

bool PopupRun::shellCommandDone() const {
    return tracking.contextCommandDone;
}

HWND PopupRun::tipWindow() const {
    return thumbnailTip.m_hWnd;
}

PopupRun::Tracked PopupRun::trackRootMenu(POINT atStart) {
    if (root.menu == nullptr || root.menu->GetSafeHmenu() == nullptr) return {};
    POINT now = {};
    ::GetCursorPos(&now);
    const ScreenPoint chosen = chosenAnchor({atStart.x, atStart.y}, {now.x, now.y}, settings);
    const ScreenPoint anchor = snapToScreenEdges(chosen, monitorBounds(chosen));
    ::SetForegroundWindow(hostWindow.m_hWnd);
    // Measured for the monitor it opens on, with icons of its size.
    const int dpi = rootMenuDpi(monitors, anchor, displayDpi());
    builder.iconsAt(dpi, root.menu->GetSafeHmenu());
    if (drawing.showAt(*root.menu, dpi)) root.menu->askToMeasureAgain();
    tracking.currentMenu = root.menu->GetSafeHmenu();
    UINT flags =
        static_cast<UINT>(settings.menuyalignment) | static_cast<UINT>(settings.menuxalignment) | TPM_RETURNCMD;
    // Where the launcher swaps the buttons itself (under Wine), the right
    // button, the user's primary, picks items too.
    if (launcherSwapsButtons(underWine, ::GetSystemMetrics(SM_SWAPBUTTON) != 0)) flags |= TPM_RIGHTBUTTON;
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenu(root.menu->GetSafeHmenu(), flags, anchor.x, anchor.y, 0, hostWindow.m_hWnd, nullptr));
    return {command, static_cast<const TrackingOutcome&>(tracking)};
}

}  // namespace trm
