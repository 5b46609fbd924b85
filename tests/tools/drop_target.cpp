// A window that takes dropped files, in a process of its own, for the
// end-to-end drags: drop_target.exe LOG X Y WIDTH HEIGHT shows the window
// "Drop target" there, registered with RegisterDragDrop, and appends the
// files of every CF_HDROP dropped on it to LOG, one UTF-8 line each. While
// files are dragged over it, it is captioned "Drop target (files over)", so
// that a test knows when to release. It accepts a drop as a copy (nothing is
// done with the files) and ends after two minutes or when closed.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring logPath;

void appendLine(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string line(size > 0 ? static_cast<size_t>(size - 1) : 0, '\0');
    if (size > 1) ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &line[0], size, nullptr, nullptr);
    line += "\r\n";
    HANDLE log = ::CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(log);
}

FORMATETC fileList() {
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return format;
}

class FileDropTarget : public IDropTarget {
public:
    explicit FileDropTarget(HWND window) : window(window) {}
    virtual ~FileDropTarget() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as the process: the counts are kept for form only.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = fileList();
        hasFiles = data != nullptr && data->QueryGetData(&format) == S_OK;
        if (hasFiles) ::SetWindowTextW(window, L"Drop target (files over)");
        *effect = chosen(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = chosen(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        ::SetWindowTextW(window, L"Drop target");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = fileList();
        STGMEDIUM medium = {};
        if (data == nullptr || FAILED(data->GetData(&format, &medium))) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        HDROP files = static_cast<HDROP>(medium.hGlobal);
        const UINT count = ::DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring name(::DragQueryFileW(files, i, nullptr, 0) + 1, L'\0');
            name.resize(::DragQueryFileW(files, i, &name[0], static_cast<UINT>(name.size())));
            appendLine(name);
        }
        ::ReleaseStgMedium(&medium);
        *effect = chosen(*effect);
        ::SetWindowTextW(window, L"Drop target");
        return S_OK;
    }

private:
    DWORD chosen(DWORD allowed) const { return hasFiles ? allowed & DROPEFFECT_COPY : DROPEFFECT_NONE; }

    HWND window;
    ULONG references = 1;
    bool hasFiles = false;
};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) ::DestroyWindow(window);
    if (message == WM_DESTROY) {
        ::RevokeDragDrop(window);
        ::PostQuitMessage(0);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (args == nullptr || count < 6) return 2;
    logPath = args[1];
    const int x = _wtoi(args[2]), y = _wtoi(args[3]), width = _wtoi(args[4]), height = _wtoi(args[5]);
    ::LocalFree(args);
    if (FAILED(::OleInitialize(nullptr))) return 1;

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TrmDropTarget";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"TrmDropTarget", L"Drop target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    x, y, width, height, nullptr, nullptr, instance, nullptr);
    FileDropTarget target(window);
    if (window == nullptr || FAILED(::RegisterDragDrop(window, &target))) return 1;
    ::SetTimer(window, 1, 120000, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::OleUninitialize();
    return 0;
}
