// Scan-and-order time of the folder scanner on an in-memory listing, against
// a baseline that lists the same names and sorts them once with a stable sort.
// Prints `name: value` lines; never passes or fails on time.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/ascii.h"
#include "common/command_ids.h"
#include "common/settings.h"
#include "fake_directory.h"
#include "model/folder_scanner.h"
#include "model/ordering.h"

namespace {

using Clock = std::chrono::steady_clock;

// Names like a real folder's: mixed case, shared prefixes, a few extensions.
std::string randomName(std::mt19937& random, int serial) {
    static const char* const stems[] = {"IMG_", "Report ", "notes-", "Setup", "track ", "", "Budget {draft} "};
    static const char* const extensions[] = {".jpg", ".txt", ".PDF", ".mp3", ".docx", ".exe", ""};
    std::string name = stems[random() % 7];
    const int letters = 3 + static_cast<int>(random() % 8);
    for (int i = 0; i < letters; ++i) {
        const char letter = static_cast<char>('a' + random() % 26);
        name += random() % 3 ? letter : trm::asciiUpper(letter);
    }
    name += std::to_string(serial % 97);
    return name + extensions[random() % 7];
}

struct Listing {
    FakeDirectory fs;
    std::vector<std::string> folders;  // every folder to read, the root first
};

// `count` files in one folder, or spread over a two-level tree of 100 folders.
void fill(Listing& listing, int count, bool tree, unsigned seed) {
    std::mt19937 random(seed);
    listing.folders = {"C:\\Root"};
    for (int i = 0; i < count; ++i) {
        std::string folder;
        if (tree) folder = "d" + std::to_string(i % 10) + "\\e" + std::to_string(i / 10 % 10) + "\\";
        const uint64_t created = 0x01D0000000000000ull + random() % 1000000000ull;
        listing.fs.file(folder + randomName(random, i), created, created + random() % 1000);
    }
    if (tree)
        for (int d = 0; d < 10; ++d) {
            listing.folders.push_back("C:\\Root\\d" + std::to_string(d));
            for (int e = 0; e < 10; ++e)
                listing.folders.push_back("C:\\Root\\d" + std::to_string(d) + "\\e" + std::to_string(e));
        }
}

double scanMilliseconds(Listing& listing, trm::SortKey sort, bool tree, bool explore) {
    trm::Settings settings;
    trm::CommandIds ids;
    settings.sort = sort;
    settings.onlyonemenu = tree;
    settings.addexplore = explore;
    trm::FolderNode node(settings, ids);
    listing.fs.current = "C:\\Root";
    const Clock::time_point start = Clock::now();
    trm::scanFolder(node, listing.fs);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Listed {
    std::string name;
    trm::FileTime created;
};

double baselineMilliseconds(Listing& listing, trm::SortKey sort) {
    const Clock::time_point start = Clock::now();
    std::vector<Listed> names;
    for (const std::string& folder : listing.folders) {
        listing.fs.setCurrentDirectory(folder);
        listing.fs.listCurrentDirectory([&names](const trm::FoundItem& item) {
            if (!(item.attributes & trm::attributeDirectory)) names.push_back(Listed{item.name, item.created});
        });
    }
    std::stable_sort(names.begin(), names.end(), [sort](const Listed& a, const Listed& b) {
        switch (sort) {
            case trm::SortKey::Created: return trm::compareFileTime(a.created, b.created) < 0;
            case trm::SortKey::NameNoCase: return trm::compareNoCase(a.name, b.name) < 0;
            default: return trm::compareBytes(a.name, b.name) < 0;
        }
    });
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    listing.fs.current = "C:\\Root";
    return elapsed;
}

// Runs `timed` in a child process and returns the milliseconds it reports.
// Run in turn in one process, each paid for the heap and caches the other had
// left behind (the set-based scan of 50,000 names took three times as long
// after a scan of its own, the baseline of 1,000 twice as long after a scan).
template <typename Timed>
double inFreshChild(Timed timed) {
    int channel[2];
    if (pipe(channel) != 0) return timed();
    const pid_t child = fork();
    if (child == 0) {
        const double milliseconds = timed();
        const ssize_t written = write(channel[1], &milliseconds, sizeof milliseconds);
        _exit(written == sizeof milliseconds ? 0 : 1);
    }
    close(channel[1]);
    double milliseconds = 1e300;
    if (child < 0 || read(channel[0], &milliseconds, sizeof milliseconds) != sizeof milliseconds) milliseconds = 1e300;
    close(channel[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return milliseconds;
}

void report(const std::string& name, double scan, double baseline) {
    std::printf("%s-ratio: %.2f\n", name.c_str(), scan / baseline);
    std::printf("%s-ms: %.3f\n", name.c_str(), scan);
    std::printf("%s-baseline-ms: %.3f\n", name.c_str(), baseline);
}

}  // namespace

int main() {
    struct Case {
        int count;
        bool tree;
        int repeats;
    };
    for (const Case& c : {Case{1000, false, 60}, Case{10000, false, 15}, Case{50000, true, 7}}) {
        Listing listing;
        fill(listing, c.count, c.tree, static_cast<unsigned>(c.count));
        struct Variant {
            trm::SortKey sort;
            bool explore;
        };
        std::vector<Variant> variants = {
            {trm::SortKey::Created, false}, {trm::SortKey::NameNoCase, false}, {trm::SortKey::NameBytes, false}};
        // With an Explore entry added to each folder as it is read, the sorted
        // insertions of every folder are placed before the next one is read.
        if (c.tree) variants.push_back({trm::SortKey::NameNoCase, true});
        for (const Variant& variant : variants) {
            const trm::SortKey sort = variant.sort;
            const auto scanOnce = [&] { return scanMilliseconds(listing, sort, c.tree, variant.explore); };
            const auto baselineOnce = [&] { return baselineMilliseconds(listing, sort); };
            const std::string name = "scan-order-" + std::to_string(c.count) + (variant.explore ? "-explore" : "") +
                                     "-sort" + std::to_string(static_cast<int>(sort));
            // Warm: in this process, alternated, the best of each (the machine
            // is shared). Each then meets the heap and caches the other left.
            double scan = 1e300;
            double baseline = 1e300;
            for (int i = 0; i < c.repeats; ++i) {
                scan = std::min(scan, scanOnce());
                baseline = std::min(baseline, baselineOnce());
            }
            report(name, scan, baseline);
            // Cold: each run in a child of its own, from the heap the listing
            // left, as the program's one scan runs; new pages cost the most there.
            scan = baseline = 1e300;
            for (int i = 0; i < c.repeats; ++i) {
                scan = std::min(scan, inFreshChild(scanOnce));
                baseline = std::min(baseline, inFreshChild(baselineOnce));
            }
            report(name + "-cold", scan, baseline);
        }
    }
    return 0;
}
