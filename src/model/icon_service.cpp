#include "model/icon_service.h"

#include <cstdlib>

#include "common/display_dpi.h"
#include "common/settings.h"
#include "model/folder_icons.h"
#include "model/icon_size_rules.h"

namespace trm {

namespace {

const char closedFolderKey[] =
    "\x01"
    "closed folder";
const char openFolderKey[] =
    "\x01"
    "open folder";

// A standard folder icon's key: which one, and its size.
std::string folderKey(bool isOpen, int size) {
    return std::string(isOpen ? openFolderKey : closedFolderKey) + '\x02' + std::to_string(size);
}

bool isFolderKey(const std::string& key, bool& isOpen, int& size) {
    if (key.empty() || key[0] != '\x01') return false;
    isOpen = key.compare(0, sizeof openFolderKey - 1, openFolderKey) == 0;
    const size_t at = key.find('\x02');
    size = at == std::string::npos ? 0 : std::atoi(key.c_str() + at + 1);
    return true;
}

}  // namespace

void IconService::setOwner(HWND window, int iconSize) {
    owner = window;
    shellIconSize = iconSize;
    sizesChanged();
}

int IconService::iconSizeAt(int dpi) const {
    const int system = displayDpi();
    if (dpi <= 0) dpi = system;
    return menuIconSize(displaysShellSizeIcons(settings), shellIconSize, system, dpi,
                        systemMetricForDpi(SM_CXSMICON, dpi), systemMetricForDpi(SM_CXICON, dpi));
}

void IconService::sizesChanged() {
    sizeNow = iconSizeAt(fetchDpi);
    systemSizeNow = iconSizeAt(0);
    shell.setSizes(sizeNow, systemSizeNow);
}

void IconService::fetchAt(int dpi) {
    fetchDpi = dpi == displayDpi() ? 0 : dpi;
    sizesChanged();
}

IconService::FolderIcons& IconService::folderIconsOf(int size) {
    FolderIcons& set = folders[size];
    if (set.lent.width == 0 && worker.running()) set.lent.width = set.lent.height = size;
    return set;
}

void IconService::startWorker(HWND window, UINT message, IconSource source) {
    if (!displaysIcons(settings) || worker.running()) return;
    owner = window;
    arrivalMessage = message;
    if (!worker.start(window, message, std::move(source))) return;
    shell.deferTo([this](IconRequest request) { worker.add(std::move(request)); });
    askFolderIcon(false, false, fetchSize());
}

void IconService::askFolderIcon(bool isOpen, bool whenIdle, int size) {
    FolderIcons& set = folderIconsOf(size);
    (isOpen ? set.triedOpen : set.triedClosed) = true;
    IconRequest request;
    request.kind = isOpen ? IconRequest::Kind::folderOpen : IconRequest::Kind::folderClosed;
    request.key = folderKey(isOpen, size);
    request.large = displaysShellSizeIcons(settings);
    request.shellIconSize = shellIconSize;
    // At the system's size, the shell's own call for it.
    request.size = size == systemSize() ? 0 : size;
    request.whenIdle = whenIdle;
    ++folderIconsToCome;
    worker.add(std::move(request));
}

void IconService::wantOpenFolderIconLater() {
    const int size = fetchSize();
    FolderIcons& set = folderIconsOf(size);
    if (!worker.running() || set.openAsked != 0) return;
    set.openAsked = 1;
    askFolderIcon(true, true, size);
}

bool IconService::accept(IconArrival* arrival) {
    std::unique_ptr<IconArrival> taken(arrival);
    IconHandle icon(taken ? taken->icon : nullptr);
    if (!taken || !worker.running()) return false;
    bool isOpen = false;
    int size = 0;
    if (isFolderKey(taken->key, isOpen, size)) {
        FolderIcons& set = folderIconsOf(size);
        IconHandle& kept = isOpen ? set.open : set.closed;
        --folderIconsToCome;
        if (kept) return false;
        kept = std::move(icon);
        (isOpen ? set.lent.open : set.lent.closed) = kept.get();
        return true;
    }
    shell.arrived(taken->key, std::move(icon));
    return true;
}

void IconService::stopWorker(std::chrono::milliseconds bound) {
    if (!worker.running()) return;
    worker.stop(bound);
    dropPostedIcons(owner, arrivalMessage);
    shell.dropPending();
    shell.deferTo(nullptr);
    folderIconsToCome = 0;
}

const StandardFolderIcons& IconService::folderIconsAt(bool withOpen, int size) {
    FolderIcons& set = folderIconsOf(size);
    if (!displaysIcons(settings)) return set.lent;
    if (worker.running()) {
        if (!set.triedClosed) askFolderIcon(false, false, size);
        // An item shows the open icon now: it goes ahead of the rest.
        if (withOpen && set.openAsked != 2 && !set.open) {
            set.openAsked = 2;
            askFolderIcon(true, false, size);
        }
        return set.lent;
    }
    const bool large = displaysShellSizeIcons(settings);
    // At the system's size, the shell's own call for it.
    const int asked = size == systemSize() ? 0 : size;
    if (!set.triedClosed) {
        set.triedClosed = true;
        set.closed.reset(desktopDirectoryIcon(owner, large, shellIconSize, false, asked));
        set.lent.closed = set.closed.get();
        if (set.closed) measureIcon(set.closed.get(), set.lent.width, set.lent.height);
    }
    if (withOpen && !set.triedOpen) {
        set.triedOpen = true;
        set.open.reset(desktopDirectoryIcon(owner, large, shellIconSize, true, asked));
        set.lent.open = set.open.get();
    }
    return set.lent;
}

void IconService::clear() {
    stopWorker();
    cache.clear();
    folders.clear();
}

}  // namespace trm
