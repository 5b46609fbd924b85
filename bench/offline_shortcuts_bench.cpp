// The scan of a folder of 50 shortcuts to one server (every other one to a
// folder of it, the rest to files), once for a server that answers and once
// for one that does not, on a platform whose every probe of the server and
// every lookup of a path on it takes `networkMs`: how many probes and
// lookups the scan makes and how long it takes. On Windows a probe of a
// server that is gone can take many seconds. Prints `name: value` lines.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "common/command_ids.h"
#include "common/settings.h"
#include "fake_directory.h"
#include "model/folder_scanner.h"
#include "model/shortcut_rules.h"

namespace {

const int networkMs = 50;
const int shortcuts = 50;

class OneServer : public trm::ShortcutPlatform {
public:
    explicit OneServer(bool live) : live(live) {}

    bool readLink(const std::string& linkPath, bool, trm::LinkTarget& target) override {
        const std::string name = linkPath.substr(linkPath.rfind('\\') + 1);
        const bool folder = name[0] == 'f';
        target.path = "\\\\nas\\docs\\" + name.substr(0, name.size() - 4) + (folder ? "" : ".txt");
        target.attributes = folder ? trm::attributeDirectory : 0x20;
        return true;
    }
    bool driveSelectable(char) override { return true; }
    bool serverAnswers(const std::string&) override {
        ++probes;
        wait();
        return live;
    }
    trm::PathState lookUpFolder(const std::string& folder) override { return lookUp(folder); }
    trm::PathState lookUp(const std::string&) override {
        ++lookups;
        wait();
        return live ? trm::PathState::present : trm::PathState::unreachable;
    }

    const bool live;
    int probes = 0;
    int lookups = 0;

private:
    static void wait() { std::this_thread::sleep_for(std::chrono::milliseconds(networkMs)); }
};

void measure(bool live) {
    FakeDirectory folder;
    for (int i = 0; i < shortcuts; ++i) folder.file((i % 2 ? "report " : "folder ") + std::to_string(i) + ".lnk");
    OneServer server(live);
    folder.onShortcut = [&server](trm::MenuEntry& entry, bool& include, trm::FolderNode& node) {
        trm::handleShortcut(entry, include, node, server);
    };
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode root(settings, ids);
    const auto started = std::chrono::steady_clock::now();
    trm::scanFolder(root, folder);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
    const char* state = live ? "live" : "dead";
    std::printf("unc-shortcuts-%d-%s-probes: %d\n", shortcuts, state, server.probes);
    std::printf("unc-shortcuts-%d-%s-lookups: %d\n", shortcuts, state, server.lookups);
    std::printf("unc-shortcuts-%d-%s-scan-ms: %.1f\n", shortcuts, state, took.count());
}

}  // namespace

int main() {
    std::printf("unc-shortcuts-network-ms: %d\n", networkMs);
    measure(true);
    measure(false);
    return 0;
}
