// The thread that asks the shell for icons, so the menu shows without
// waiting for them: one for the process, with its own single-threaded
// apartment, serving one run at a time. Each icon it gets is posted to the
// run's window, which owns it from then on. Work for the folder that is
// opening goes ahead of the rest.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

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

    // Starts the thread if need be; arrivals are posted to `window` as
    // `message`. False when there is no thread.
    bool start(HWND window, UINT message, IconSource source);
    bool running() const { return session != 0; }
    void add(IconRequest request, bool first = false);
    // The requests of `group` go ahead of all others.
    void putFirst(const std::string& group);
    // Drops what is still to do and waits at most `bound` for the shell
    // call under way: a thread stuck in one is left to end with the
    // process. No icon is posted after this returns; one that comes later
    // is destroyed.
    void stop(std::chrono::milliseconds bound = std::chrono::milliseconds(500));
    // 1 while the thread is still in a shell call for a run that has
    // ended, else 0.
    static int alive();

private:
    unsigned session = 0;  // this run's, while it takes icons
    HWND window = nullptr;
    UINT message = 0;
    IconSource source;
};

// Takes every arrival still queued for `window` and destroys its icon.
void dropPostedIcons(HWND window, UINT message);

}  // namespace trm
