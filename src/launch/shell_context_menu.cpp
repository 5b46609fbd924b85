#include "launch/shell_context_menu.h"

#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>

#include "common/com_apartment.h"
#include "common/com_ptr.h"
#include "common/kernel_handles.h"
#include "common/shell_item_list.h"
#include "common/user_handles.h"
#include "common/win_text.h"
#include "framework/wnd.h"
#include "launch/menu_thread_wait.h"

namespace trm {

#if !defined(_WIN64)
static_assert(sizeof(CMINVOKECOMMANDINFO) == 36, "the 32-bit command record");
#endif

namespace {

const UINT firstCommandId = 1;
const UINT lastCommandId = 0x7FFF;
// CMIC_MASK_NOASYNC, named from Vista on; the bit waited for DDE before.
const DWORD cmicMaskNoAsync = 0x00000100;

std::atomic<bool> threadLeftBehind{false};

// What the thread that shows the menu needs, and what it hands back. Shared
// with that thread, which may outlive the call when it has to be left to
// itself.
struct ContextMenuRequest {
    HWND owner = nullptr;
    HWND commandWindow = nullptr;
    std::wstring path;
    int x = 0;
    int y = 0;
    LPCSTR windowClass = nullptr;
    // The window that owns the menu while it is tracked, and a request to
    // close the menu made before it was up.
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> cancelled{false};
    // The menu has closed and the chosen command is being carried out.
    std::atomic<bool> carryingOut{false};
    std::atomic<bool> lastChosen{false};  // the command was the menu's last one
    std::atomic<bool> carriedOut{false};  // and it succeeded
};

// The shell's menu object, the interface its items are drawn through, and
// the menu it filled; released menu first.
struct ShellMenu {
    ComPtr<IContextMenu> contextMenu;
    ComPtr<IContextMenu2> contextMenu2;  // kind 2
    ComPtr<IContextMenu3> contextMenu3;  // kind 3
    int kind = 1;
    PopupMenuHandle menu;
};

// The hidden owner of the shell's menu: owner-drawn items of the shell's
// own (Send To and its icons) are measured and drawn by the shell.
class ContextMenuWindow : public CWnd {
public:
    ContextMenuWindow(const ContextMenuRequest& request, const ShellMenu& shellMenu)
        : request(request), shellMenu(shellMenu) {}
    ~ContextMenuWindow() override = default;

    bool create() {
        return CreateEx(WS_EX_WINDOWEDGE, request.windowClass, "invisible", WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0,
                        100, 100, nullptr, nullptr) != FALSE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool forMenu =
            ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && wParam == 0) || message == WM_INITMENUPOPUP;
        // The handler draws its own items; what it answers changes nothing here.
        if (forMenu && shellMenu.kind == 3) {
            shellMenu.contextMenu3->HandleMenuMsg(message, wParam, lParam);
            return message == WM_INITMENUPOPUP ? 0 : 1;
        }
        if (forMenu && shellMenu.kind == 2) {
            shellMenu.contextMenu2->HandleMenuMsg(message, wParam, lParam);
            return message == WM_INITMENUPOPUP ? 0 : 1;
        }
        // Posted by the waiting thread: only the tracking thread can end its menu.
        if (message == WM_CANCELMODE) ::EndMenu();
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    const ContextMenuRequest& request;
    const ShellMenu& shellMenu;
};

// Tracks the menu with a window of this thread; the command chosen, or 0.
int track(ContextMenuRequest& request, const ShellMenu& shellMenu) {
    ContextMenuWindow window(request, shellMenu);
    if (!window.create()) return 0;
    request.window = window.GetSafeHwnd();
    int chosen = 0;
    if (!request.cancelled)
        chosen = static_cast<int>(::TrackPopupMenu(shellMenu.menu.get(), TPM_RETURNCMD, request.x, request.y, 0,
                                                   window.GetSafeHwnd(), nullptr));
    request.window = nullptr;
    window.DestroyWindow();
    return chosen;
}

// Copy and Cut leave the clipboard only a pointer to the shell's data,
// good while this thread's apartment lives: written out now, the files
// are still there to paste once the process has ended.
void keepClipboardData() {
    DWORD process = 0;
    const HWND owner = ::GetClipboardOwner();
    if (owner != nullptr && ::GetWindowThreadProcessId(owner, &process) != 0 && process == ::GetCurrentProcessId())
        ::OleFlushClipboard();
}

LPCITEMIDLIST nextItem(LPCITEMIDLIST item) {
    return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(item) + item->mkid.cb);
}

// Binds `folder` down to the parent of the item list's last item, which is
// returned (a part of `list`), or null on failure.
LPCITEMIDLIST bindToParent(IMalloc& allocator, LPCITEMIDLIST list, ComPtr<IShellFolder>& folder) {
    int count = 0;
    for (LPCITEMIDLIST item = list; item->mkid.cb != 0; item = nextItem(item)) ++count;
    if (count == 0) return nullptr;
    LPCITEMIDLIST item = list;
    for (int i = 0; i < count - 1; ++i, item = nextItem(item)) {
        // One item on its own: its bytes and a two-byte zero terminator.
        ShellItemList single(allocator);
        const size_t size = item->mkid.cb;
        single.list = static_cast<LPITEMIDLIST>(allocator.Alloc(size + 2));
        if (single.list == nullptr) return nullptr;
        std::memcpy(single.list, item, size);
        std::memset(reinterpret_cast<BYTE*>(single.list) + size, 0, 2);
        ComPtr<IShellFolder> child;
        if (FAILED(folder->BindToObject(single.list, nullptr, IID_IShellFolder, child.putVoid()))) return nullptr;
        folder = std::move(child);
    }
    return item;
}

// Obtains the shell's menu for the path, shows it and carries out the
// command chosen, all on the calling thread: the shell's objects live in
// the apartment they were made in.
void showAndCarryOut(ContextMenuRequest& request) {
    // Declared in the order of release, last first: menu, interfaces, the
    // item list, the folder, the allocator.
    ComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.put())) || !allocator) return;
    ComPtr<IShellFolder> folder;
    if (FAILED(::SHGetDesktopFolder(folder.put())) || !folder) return;
    ShellItemList itemList(*allocator.get());
    if (FAILED(folder->ParseDisplayName(request.owner, nullptr, &request.path[0], nullptr, &itemList.list, nullptr)) ||
        itemList.list == nullptr)
        return;
    LPCITEMIDLIST item = bindToParent(*allocator.get(), itemList.list, folder);
    if (item == nullptr) return;

    ShellMenu shellMenu;
    if (FAILED(folder->GetUIObjectOf(request.owner, 1, &item, IID_IContextMenu, nullptr,
                                     shellMenu.contextMenu.putVoid())) ||
        !shellMenu.contextMenu)
        return;
    IContextMenu& contextMenu = *shellMenu.contextMenu.get();
    if (SUCCEEDED(contextMenu.QueryInterface(IID_IContextMenu3, shellMenu.contextMenu3.putVoid())) &&
        shellMenu.contextMenu3) {
        shellMenu.kind = 3;
    } else if (SUCCEEDED(contextMenu.QueryInterface(IID_IContextMenu2, shellMenu.contextMenu2.putVoid())) &&
               shellMenu.contextMenu2) {
        shellMenu.kind = 2;
    }
    shellMenu.menu.reset(::CreatePopupMenu());
    const HMENU menu = shellMenu.menu.get();
    if (menu == nullptr || FAILED(contextMenu.QueryContextMenu(menu, 0, firstCommandId, lastCommandId, CMF_EXPLORE)))
        return;

    const int chosen = track(request, shellMenu);
    if (chosen == 0) return;
    const int count = ::GetMenuItemCount(menu);
    request.lastChosen = count > 0 && static_cast<UINT>(chosen) == ::GetMenuItemID(menu, count - 1);
    request.carryingOut = true;
    CMINVOKECOMMANDINFO command = {};
    command.cbSize = sizeof command;
    // Delete and Send To return only once done, not while the process may be ending.
    command.fMask = cmicMaskNoAsync;
    command.hwnd = request.commandWindow;
    command.lpVerb = MAKEINTRESOURCEA(chosen - static_cast<int>(firstCommandId));
    command.nShow = SW_SHOWNORMAL;
    request.carriedOut = SUCCEEDED(contextMenu.InvokeCommand(&command));
    keepClipboardData();
}

DWORD WINAPI menuThread(void* argument) noexcept {
    const std::unique_ptr<std::shared_ptr<ContextMenuRequest>> held(
        static_cast<std::shared_ptr<ContextMenuRequest>*>(argument));
    try {
        // Its own apartment, which the caller's ending cannot take from it
        // if it is left to itself.
        const ComApartment apartment;
        if (apartment.ready()) showAndCarryOut(**held);
    } catch (...) {
        // Nothing carried out: out of memory for the window.
    }
    return 0;
}

// The caller answers only sent messages while it waits, and those never
// touch the request, so it needs no lock beyond its atomics. False when the
// thread had to be left to itself.
bool showOnOwnThread(const std::shared_ptr<ContextMenuRequest>& request, const ShellContextMenuCall& call) {
    // The thread's share, which it frees itself: it may end before CreateThread returns.
    auto* share = new std::shared_ptr<ContextMenuRequest>(request);
    ThreadHandle thread(::CreateThread(nullptr, 0, menuThread, share, 0, nullptr));
    if (!thread.valid()) {
        delete share;
        return false;
    }
    // Ends when the menu is dismissed or a command chosen: on Windows a menu
    // tracked by a second thread takes the mouse from the first one's.
    MenuThreadWatch watch;
    watch.launcherMenuEnded = call.launcherMenuEnded;
    watch.closeShellMenu = [&request]() {
        request->cancelled = true;
        if (HWND window = request->window) ::PostMessageA(window, WM_CANCELMODE, 0, 0);
    };
    watch.carryingOut = [&request]() { return request->carryingOut.load(); };
    if (waitForMenuThread(thread.get(), watch) == MenuThreadEnd::finished) return true;
    threadLeftBehind = true;
    return false;
}

}  // namespace

bool showShellContextMenu(const ShellContextMenuCall& call) {
    const auto request = std::make_shared<ContextMenuRequest>();
    request->path = wideOf(call.path);
    if (request->path.empty()) return false;
    request->owner = call.owner;
    request->commandWindow = call.commandWindow;
    request->x = call.x;
    request->y = call.y;
    // Registered here: the class list is not for two threads at once.
    request->windowClass = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
    if (call.ownThread) {
        if (!showOnOwnThread(request, call)) return false;
    } else {
        showAndCarryOut(*request);
    }
    if (request->lastChosen && call.lastCommandChosen) call.lastCommandChosen();
    return request->carriedOut;
}

bool shellMenuThreadLeftBehind() {
    return threadLeftBehind;
}

}  // namespace trm
