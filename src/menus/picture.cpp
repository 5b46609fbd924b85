#include "menus/picture.h"

#include <shlobj.h>

#include <algorithm>
#include <string_view>

#include "common/kernel_handles.h"
#include "common/shell_item_list.h"
#include "framework/cfile.h"
#include "menus/picture_header.h"
#include "menus/picture_path.h"

namespace trm {

namespace {

using OlePictureLoader = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);

// OLEPRO32.DLL, loaded on the first picture and kept to process exit.
struct OlePictureLibrary {
    OlePictureLibrary() : module(::LoadLibraryA("OLEPRO32.DLL")) {
        // The loader is exported by ordinal only.
        if (module)
            loader = reinterpret_cast<OlePictureLoader>(
                reinterpret_cast<void*>(::GetProcAddress(module.get(), MAKEINTRESOURCEA(251))));
    }

    LibraryHandle module;
    OlePictureLoader loader = nullptr;
};

OlePictureLoader olePictureLoader() {
    static OlePictureLibrary library;
    return library.loader;
}

// The bytes of the file in a movable memory block, or none. Nothing is read
// of a file larger than any picture decoded, and no more than its first
// bytes of one whose header claims too many pixels: the loader would
// allocate them all, and every paint would scale them all down again.
HGLOBAL readPictureFile(const std::string& path, size_t& size) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return nullptr;
    const uint64_t length = file.GetLength();
    if (length == 0 || length > kLargestPictureFile) return nullptr;
    size = static_cast<size_t>(length);
    GlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE, size));
    char* bytes = block ? static_cast<char*>(::GlobalLock(block.get())) : nullptr;
    if (bytes == nullptr) return nullptr;
    // A JPEG's frame header may come after large metadata: judged on the
    // first bytes, then on the whole file.
    const size_t first = std::min<size_t>(size, 64 * 1024);
    const bool read = file.Read(bytes, first) == first && !pictureTooLarge(std::string_view(bytes, first)) &&
                      file.Read(bytes + first, size - first) == size - first &&
                      !pictureTooLarge(std::string_view(bytes, size));
    ::GlobalUnlock(block.get());
    return read ? block.detach() : nullptr;
}

// The whole file decoded from a movable memory block that its stream owns.
IPicture* decodeFile(const std::string& path) {
    OlePictureLoader load = olePictureLoader();
    if (load == nullptr) return nullptr;
    size_t size = 0;
    GlobalBlock block(readPictureFile(path, size));
    if (!block) return nullptr;
    ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block.get(), TRUE, stream.put()))) return nullptr;
    block.detach();  // the stream's now
    ComPtr<IPicture> picture;
    if (FAILED(load(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.putVoid()))) return nullptr;
    return picture.detach();
}

std::wstring wide(const std::string& text) {
    // A name longer than the shell's buffers fails the conversion.
    wchar_t buffer[MAX_PATH] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH) <= 0) return {};
    return buffer;
}

HBITMAP shellThumbnail(const Settings& settings, const PicturePath& split, int dpi) {
    ComPtr<IMalloc> allocator;
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetMalloc(allocator.put())) || FAILED(::SHGetDesktopFolder(desktop.put()))) return nullptr;
    std::wstring directory = wide(split.directory);
    std::wstring fileName = wide(split.fileName);
    if (directory.empty() || fileName.empty()) return nullptr;

    ShellItemList directoryItem(*allocator.get());
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &directory[0], nullptr, &directoryItem.list, nullptr)))
        return nullptr;
    ComPtr<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(directoryItem.list, nullptr, IID_IShellFolder, folder.putVoid()))) return nullptr;
    ShellItemList fileItem(*allocator.get());
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, &fileName[0], nullptr, &fileItem.list, nullptr)))
        return nullptr;
    ComPtr<IExtractImage> extractor;
    LPCITEMIDLIST items[] = {fileItem.list};
    if (FAILED(folder->GetUIObjectOf(nullptr, 1, items, IID_IExtractImage, nullptr, extractor.putVoid())))
        return nullptr;

    // The tooltip's sizes are pixels at 100 % scaling, like every length.
    const ThumbnailSize wanted =
        thumbnailRequestSize(scaledLength(settings.dothumbnailsontooltipsizex, dpi),
                             scaledLength(settings.dothumbnailsontooltipsizey, dpi), menuLengthsAt(dpi));
    SIZE size{wanted.width, wanted.height};
    HDC screen = ::GetDC(nullptr);
    const DWORD depth = static_cast<DWORD>(::GetDeviceCaps(screen, BITSPIXEL));
    ::ReleaseDC(nullptr, screen);
    wchar_t location[MAX_PATH] = {};
    DWORD priority = 0;
    DWORD flags = IEIFLAG_SCREEN;
    if (extractor->GetLocation(location, MAX_PATH, &priority, &size, depth, &flags) != S_OK) return nullptr;
    HBITMAP bitmap = nullptr;
    if (FAILED(extractor->Extract(&bitmap))) return nullptr;
    return bitmap;
}

}  // namespace

IPicture* decodePicture(const std::string& path) {
    return splitPicturePath(path).decodable ? decodeFile(path) : nullptr;
}

void loadPicture(const Settings& settings, const std::string& path, int dpi, Picture& into) {
    const PicturePath split = splitPicturePath(path);
    if (!split.loadable) return;
    if (split.decodable) *into.picture.put() = decodeFile(path);
    if (!into.picture) into.thumbnail.reset(shellThumbnail(settings, split, dpi));
}

SIZE pixelSize(IPicture* picture) {
    if (picture == nullptr) return {0, 0};
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return {0, 0};
    MemoryDC dc(nullptr);
    return {::MulDiv(width, ::GetDeviceCaps(dc.get(), LOGPIXELSX), 2540),
            ::MulDiv(height, ::GetDeviceCaps(dc.get(), LOGPIXELSY), 2540)};
}

void renderPicture(IPicture* picture, HDC dc, int x, int y, int width, int height) {
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (picture == nullptr || FAILED(picture->get_Width(&hmWidth)) || FAILED(picture->get_Height(&hmHeight))) return;
    // Scaled by averaging: the default mode ANDs dropped pixels together,
    // which leaves dark seams in photographs.
    const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin{};
    ::SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    // Source from the bottom edge with a negative height: drawn upright.
    // A picture that will not render leaves its place blank; nothing else to do.
    picture->Render(dc, x, y, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    ::SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    if (oldMode != 0) ::SetStretchBltMode(dc, oldMode);
}

}  // namespace trm
