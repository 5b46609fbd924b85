#include "launch/shell_context_menu.h"

#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>

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

// What the menu's thread needs, and what it hands back. Shared with that
// thread, which may outlive the call when it has to be left to itself.
struct ContextMenuRequest {
    explicit ContextMenuRequest(HMENU menu) : menu(menu) {}

    PopupMenuHandle menu;
    int x = 0;
    int y = 0;
    std::atomic<int> chosen{0};          // 0 for none
    ComPtr<IContextMenu2> contextMenu2;  // kind 2
    ComPtr<IContextMenu3> contextMenu3;  // kind 3
    int kind = 1;
    LPCSTR windowClass = nullptr;
    // The window that owns the menu while it is tracked, and a request to
    // close the menu made before it was up.
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> cancelled{false};
};

// The hidden owner of the shell's menu: owner-drawn items of the shell's
// own (Send To and its icons) are measured and drawn by the shell.
class ContextMenuWindow : public CWnd {
public:
    explicit ContextMenuWindow(ContextMenuRequest& request) : request(request) {}
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
        if (forMenu && request.kind == 3) {
            request.contextMenu3->HandleMenuMsg(message, wParam, lParam);
            return message == WM_INITMENUPOPUP ? 0 : 1;
        }
        if (forMenu && request.kind == 2) {
            request.contextMenu2->HandleMenuMsg(message, wParam, lParam);
            return message == WM_INITMENUPOPUP ? 0 : 1;
        }
        // Posted by the waiting thread: only the tracking thread can end its menu.
        if (message == WM_CANCELMODE) ::EndMenu();
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    ContextMenuRequest& request;
};

// Tracks the menu with a window of this thread; the command chosen, or 0.
int trackOnThisThread(ContextMenuRequest& request) {
    ContextMenuWindow window(request);
    if (!window.create()) return 0;
    request.window = window.GetSafeHwnd();
    int chosen = 0;
    if (!request.cancelled)
        chosen = static_cast<int>(::TrackPopupMenu(request.menu.get(), TPM_RETURNCMD, request.x, request.y, 0,
                                                   window.GetSafeHwnd(), nullptr));
    request.window = nullptr;
    window.DestroyWindow();
    return chosen;
}

DWORD WINAPI menuThread(void* argument) noexcept {
    const std::unique_ptr<std::shared_ptr<ContextMenuRequest>> held(
        static_cast<std::shared_ptr<ContextMenuRequest>*>(argument));
    try {
        (*held)->chosen = trackOnThisThread(**held);
    } catch (...) {
        // Nothing chosen: out of memory for the window.
    }
    return 0;
}

// The caller answers only sent messages while it waits, and those never
// touch the request, so it needs no lock beyond its atomics.
int trackOnOwnThread(const std::shared_ptr<ContextMenuRequest>& request, const ShellContextMenuCall& call) {
    // The thread's share, which it frees itself: it may end before CreateThread returns.
    auto* share = new std::shared_ptr<ContextMenuRequest>(request);
    ThreadHandle thread(::CreateThread(nullptr, 0, menuThread, share, 0, nullptr));
    if (!thread.valid()) {
        delete share;
        return 0;
    }
    // Ends when the menu is dismissed or a command chosen: on Windows a menu
    // tracked by a second thread takes the mouse from the first one's.
    MenuThreadWatch watch;
    watch.launcherMenuEnded = call.launcherMenuEnded;
    watch.closeShellMenu = [&request]() {
        request->cancelled = true;
        if (HWND window = request->window) ::PostMessageA(window, WM_CANCELMODE, 0, 0);
    };
    if (waitForMenuThread(thread.get(), watch) == MenuThreadEnd::abandoned) return 0;
    return request->chosen;
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

}  // namespace

bool showShellContextMenu(const ShellContextMenuCall& call) {
    std::wstring widePath = wideOf(call.path);
    if (widePath.empty()) return false;

    // Declared in the order of release, last first: menu, interfaces, the
    // item list, the folder, the allocator.
    ComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.put())) || !allocator) return false;
    ComPtr<IShellFolder> folder;
    if (FAILED(::SHGetDesktopFolder(folder.put())) || !folder) return false;
    ShellItemList itemList(*allocator.get());
    if (FAILED(folder->ParseDisplayName(call.owner, nullptr, &widePath[0], nullptr, &itemList.list, nullptr)) ||
        itemList.list == nullptr)
        return false;
    LPCITEMIDLIST item = bindToParent(*allocator.get(), itemList.list, folder);
    if (item == nullptr) return false;

    ComPtr<IContextMenu> contextMenu;
    if (FAILED(folder->GetUIObjectOf(call.owner, 1, &item, IID_IContextMenu, nullptr, contextMenu.putVoid())) ||
        !contextMenu)
        return false;
    const auto request = std::make_shared<ContextMenuRequest>(::CreatePopupMenu());
    if (SUCCEEDED(contextMenu->QueryInterface(IID_IContextMenu3, request->contextMenu3.putVoid())) &&
        request->contextMenu3) {
        request->kind = 3;
    } else if (SUCCEEDED(contextMenu->QueryInterface(IID_IContextMenu2, request->contextMenu2.putVoid())) &&
               request->contextMenu2) {
        request->kind = 2;
    }
    const HMENU menu = request->menu.get();
    if (menu == nullptr) return false;
    if (FAILED(contextMenu->QueryContextMenu(menu, 0, firstCommandId, lastCommandId, CMF_EXPLORE))) return false;

    request->x = call.x;
    request->y = call.y;
    // Registered here: the class list is not for two threads at once.
    request->windowClass = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
    const int chosen = call.ownThread ? trackOnOwnThread(request, call) : trackOnThisThread(*request);
    if (chosen == 0) return false;

    const int count = ::GetMenuItemCount(menu);
    if (count > 0 && static_cast<UINT>(chosen) == ::GetMenuItemID(menu, count - 1) && call.lastCommandChosen)
        call.lastCommandChosen();
    CMINVOKECOMMANDINFO command = {};
    command.cbSize = sizeof command;
    command.hwnd = call.commandWindow;
    command.lpVerb = MAKEINTRESOURCEA(chosen - static_cast<int>(firstCommandId));
    command.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(contextMenu->InvokeCommand(&command));
}

}  // namespace trm
