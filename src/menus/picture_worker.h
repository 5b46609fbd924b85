// The thread that loads the hovered entry's picture, so that a slow or
// hanging picture loader or thumbnail extractor never holds the menus. It
// has its own single-threaded apartment; only the latest request waits, and
// its picture is posted to the window as a bitmap the window then owns.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "common/gdi_handles.h"

namespace trm {

// Posted with lParam pointing at one; whoever takes the message deletes it.
struct PictureArrival {
    int serial = 0;  // the request's
    BitmapHandle bitmap;
    int width = 0;  // the size the picture is drawn at
    int height = 0;
};

// Loads one picture; run on the worker. Everything it reads is its own.
using PictureJob = std::function<PictureArrival()>;

class PictureWorker {
public:
    PictureWorker() = default;
    ~PictureWorker() { stop(); }
    PictureWorker(const PictureWorker&) = delete;
    PictureWorker& operator=(const PictureWorker&) = delete;

    // Starts the thread; pictures are posted to `window` as `message`.
    bool start(HWND window, UINT message);
    bool running() const { return shared != nullptr; }
    // Takes the place of the request still waiting, if any.
    void ask(int serial, PictureJob job);
    // Drops the waiting request and waits at most `bound` for the thread;
    // one stuck in a loader is left to end with the process. Nothing is
    // posted after this returns.
    void stop(std::chrono::milliseconds bound = std::chrono::milliseconds(500));

private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);
    std::shared_ptr<Shared> shared;
    std::thread thread;
};

// Takes every picture still queued for `window` and deletes it.
void dropPostedPictures(HWND window, UINT message);

}  // namespace trm
