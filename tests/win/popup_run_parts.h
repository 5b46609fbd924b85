// The parts of a run that the Windows tests drive and look at, under the
// names the run gives them.
#pragma once

#include <chrono>
#include <string>

#include "app/popup_run.h"

namespace trm {

struct PopupRunParts {
    explicit PopupRunParts(PopupRun& run) : whole(run) {}

    void show() { whole.show(); }
    void scanRoot() { whole.scanRoot(); }
    void tearDown() { whole.tearDown(); }

    PopupRun& whole;
    const Settings& settings = whole.settings;
    ItemDataList& records = whole.records;
    MenuDrawing& drawing = whole.drawing;
    HostWindow& hostWindow = whole.hostWindow;
    ThumbnailTip& thumbnailTip = whole.thumbnailTip;
    IconService& icons = whole.icons;
    FolderNode& root = whole.root;
    MenuBuilder& builder = whole.builder;
    TrackingState& tracking = whole.tracking;
    HookApp& hookApp = whole.hookApp;
    IconSource& iconSource = whole.iconSource;
    std::chrono::milliseconds& workerWait = whole.workerWait;
};

}  // namespace trm
