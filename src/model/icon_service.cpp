#include "model/icon_service.h"

#include "common/display_dpi.h"
#include "common/settings.h"
#include "model/folder_icons.h"

namespace trm {

void IconService::setOwner(HWND window, int iconSize) {
    owner = window;
    shellIconSize = iconSize;
}

namespace {

const char closedFolderKey[] = "\x01closed folder";
const char openFolderKey[] = "\x01open folder";

}  // namespace

void IconService::reservedSize(int& width, int& height) const {
    const int dpi = displayDpi();
    width = height = !displaysShellSizeIcons(settings) ? systemMetricForDpi(SM_CXSMICON, dpi)
                     : shellIconSize > 0               ? shellIconSize
                                                       : systemMetricForDpi(SM_CXICON, dpi);
}

void IconService::startWorker(HWND window, UINT message, IconSource source) {
    if (!displaysIcons(settings) || worker.running()) return;
    owner = window;
    arrivalMessage = message;
    if (!worker.start(window, message, std::move(source))) return;
    shell.deferTo([this](IconRequest request) { worker.add(std::move(request)); });
    reservedSize(lent.width, lent.height);
    triedClosed = triedOpen = true;
    openAsked = 0;
    askFolderIcon(false, false);
}

void IconService::askFolderIcon(bool isOpen, bool whenIdle) {
    IconRequest request;
    request.kind = isOpen ? IconRequest::Kind::folderOpen : IconRequest::Kind::folderClosed;
    request.key = isOpen ? openFolderKey : closedFolderKey;
    request.large = displaysShellSizeIcons(settings);
    request.shellIconSize = shellIconSize;
    request.whenIdle = whenIdle;
    ++folderIconsToCome;
    worker.add(std::move(request));
}

void IconService::wantOpenFolderIconLater() {
    if (!worker.running() || openAsked != 0) return;
    openAsked = 1;
    askFolderIcon(true, true);
}

bool IconService::accept(IconArrival* arrival) {
    std::unique_ptr<IconArrival> taken(arrival);
    IconHandle icon(taken ? taken->icon : nullptr);
    if (!taken || !worker.running()) return false;
    if (taken->key == closedFolderKey || taken->key == openFolderKey) {
        const bool isOpen = taken->key == openFolderKey;
        IconHandle& kept = isOpen ? open : closed;
        --folderIconsToCome;
        if (kept) return false;
        kept = std::move(icon);
        (isOpen ? lent.open : lent.closed) = kept.get();
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

const StandardFolderIcons& IconService::folderIcons(bool withOpen) {
    if (!displaysIcons(settings)) return lent;
    if (worker.running()) {
        // An item shows the open icon now: it goes ahead of the rest.
        if (withOpen && openAsked != 2 && !open) {
            openAsked = 2;
            askFolderIcon(true, false);
        }
        return lent;
    }
    const bool large = displaysShellSizeIcons(settings);
    if (!triedClosed) {
        triedClosed = true;
        closed.reset(desktopDirectoryIcon(owner, large, shellIconSize, false));
        lent.closed = closed.get();
        if (closed) measureIcon(closed.get(), lent.width, lent.height);
    }
    if (withOpen && !triedOpen) {
        triedOpen = true;
        open.reset(desktopDirectoryIcon(owner, large, shellIconSize, true));
        lent.open = open.get();
    }
    return lent;
}

void IconService::clear() {
    stopWorker();
    cache.clear();
    closed.reset();
    open.reset();
    lent = StandardFolderIcons();
    triedClosed = triedOpen = false;
}

}  // namespace trm
