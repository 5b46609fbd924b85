// The thread that asks the shell for icons, so the menu shows without
// waiting for them. It has its own single-threaded apartment; each icon it
// gets is posted to the run's window, which owns it from then on. Work for
// the folder that is opening goes ahead of the rest.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace trm {

struct IconRequest {
    enum class Kind { fileInfo, extract, folderClosed, folderOpen };
    Kind kind = Kind::fileInfo;
    std::string source;  // the file asked about (or the icon file to extract from)
    std::string key;     // where the icon goes in the cache
    std::string group;   // the folder whose menu shows it
    DWORD attributes = 0;
    UINT flags = 0;  // SHGetFileInfo's
    int index = 0;   // extract: the icon's index in the file
    bool large = false;
    int shellIconSize = 0;
    int size = 0;           // pixels, for a menu at another DPI than the system's; 0: the system's size
    bool whenIdle = false;  // fetched only when nothing else waits
};

// Posted with lParam pointing at one; whoever takes the message deletes it
// and owns the icon.
struct IconArrival {
    std::string key;
    HICON icon = nullptr;
};

// Asks the shell for one icon; null when it has none. A seam for the tests.
using IconSource = std::function<HICON(const IconRequest&)>;
HICON shellIconOf(const IconRequest& request);

class IconWorker {
public:
    IconWorker() = default;
    ~IconWorker() { stop(); }
    IconWorker(const IconWorker&) = delete;
    IconWorker& operator=(const IconWorker&) = delete;

    // Starts the thread; arrivals are posted to `window` as `message`.
    bool start(HWND window, UINT message, IconSource source);
    bool running() const { return shared != nullptr; }
    void add(IconRequest request, bool first = false);
    // The requests of `group` go ahead of all others.
    void putFirst(const std::string& group);
    // Drops what is still to do and waits at most `bound` for the thread: a
    // thread stuck in a shell call is left to end with the process. No icon
    // is posted after this returns.
    void stop(std::chrono::milliseconds bound = std::chrono::milliseconds(500));

private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);
    static void serve(Shared& shared);
    std::shared_ptr<Shared> shared;
    std::thread thread;
};

// Takes every arrival still queued for `window` and destroys its icon.
void dropPostedIcons(HWND window, UINT message);

}  // namespace trm
