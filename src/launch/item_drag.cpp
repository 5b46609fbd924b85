#include "launch/item_drag.h"

#include <ole2.h>
#include <shlobj.h>

#include "common/com_ptr.h"
#include "common/shell_item_list.h"
#include "common/win_text.h"

namespace trm {

namespace {

// The launcher's side of the drag: lives on the caller's stack for the
// length of DoDragDrop, which holds no reference beyond it.
class ItemDropSource : public IDropSource {
public:
    ItemDropSource(DWORD button, int buttonKey) : button(button), buttonKey(buttonKey) {}
    virtual ~ItemDropSource() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    // The keys the drag loop hands over are those of the messages this
    // thread took. Once the pressed menu has gone, the pointer's messages
    // need not come here (under Wine they go to the window under the
    // pointer, and the keyboard's to the window with the focus), so the
    // button and Escape themselves are asked as well.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override {
        if (escapePressed || isDown(VK_ESCAPE)) return DRAGDROP_S_CANCEL;
        if ((keys & button) == 0 || !isDown(buttonKey)) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    static bool isDown(int key) { return (::GetAsyncKeyState(key) & 0x8000) != 0; }

    DWORD button;   // in the drag loop's keys
    int buttonKey;  // the physical button
    ULONG references = 1;
};

// The shell's data object of the item at `path`, from its parent folder.
bool shellDataObject(HWND owner, const std::string& path, ComPtr<IDataObject>& data) {
    const std::wstring wide = wideOf(path);
    if (wide.empty()) return false;
    ComPtr<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.put())) || !allocator) return false;
    ShellItemList item(*allocator.get());
    if (FAILED(::SHParseDisplayName(wide.c_str(), nullptr, &item.list, 0, nullptr)) || item.list == nullptr)
        return false;
    ComPtr<IShellFolder> parent;
    LPCITEMIDLIST last = nullptr;
    if (FAILED(::SHBindToParent(item.list, IID_IShellFolder, parent.putVoid(), &last)) || !parent) return false;
    return SUCCEEDED(parent->GetUIObjectOf(owner, 1, &last, IID_IDataObject, nullptr, data.putVoid())) &&
           static_cast<bool>(data);
}

}  // namespace

bool dragItem(HWND owner, const std::string& path, DWORD button) {
    ComPtr<IDataObject> data;
    if (!shellDataObject(owner, path, data)) return false;
    // The drag is the primary button's, which is the right one when the
    // buttons are swapped.
    ItemDropSource source(button, ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON);
    DWORD effect = DROPEFFECT_NONE;
    return ::DoDragDrop(data.get(), &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect) ==
           DRAGDROP_S_DROP;
}

}  // namespace trm
