// The scan of a folder of 50 shortcuts to files on one server that does not
// answer, on a platform whose every lookup of that server takes as long as
// `lookupMs`: how many lookups the scan makes and how long it takes. On
// Windows such a lookup can take many seconds. Prints `name: value` lines.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "common/command_ids.h"
#include "common/settings.h"
#include "fake_directory.h"
#include "model/folder_scanner.h"
#include "model/shortcut_rules.h"

namespace {

const int lookupMs = 50;

class DeadServer : public trm::ShortcutPlatform {
public:
    bool readLink(const std::string& linkPath, bool, trm::LinkTarget& target) override {
        target.path = "\\\\dead\\share\\" + linkPath.substr(linkPath.rfind('\\') + 1) + ".txt";
        target.attributes = 0x20;
        return true;
    }
    bool driveSelectable(char) override { return true; }
    trm::PathState lookUpFolder(const std::string& folder) override { return lookUp(folder); }
    trm::PathState lookUp(const std::string&) override {
        ++lookups;
        std::this_thread::sleep_for(std::chrono::milliseconds(lookupMs));
        return trm::PathState::unreachable;
    }
    const std::vector<std::string>& networkServers() override { return servers; }

    std::vector<std::string> servers;
    int lookups = 0;
};

}  // namespace

int main() {
    FakeDirectory folder;
    for (int i = 0; i < 50; ++i) folder.file("report " + std::to_string(i) + ".lnk");
    DeadServer server;
    folder.onShortcut = [&server](trm::MenuEntry& entry, bool& include, trm::FolderNode& node) {
        trm::handleShortcut(entry, include, node, server);
    };
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode root(settings, ids);
    const auto started = std::chrono::steady_clock::now();
    trm::scanFolder(root, folder);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
    std::printf("offline-shortcuts-50-lookup-ms: %d\n", lookupMs);
    std::printf("offline-shortcuts-50-lookups: %d\n", server.lookups);
    std::printf("offline-shortcuts-50-scan-ms: %.1f\n", took.count());
    return 0;
}
