#include "common/stage_clock.h"

#ifdef TRM_STAGE_CLOCK

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace trm {

namespace {

struct Mark {
    const char* stage;
    std::chrono::steady_clock::time_point at;
    size_t privateKib;  // the process's private bytes then, to see which stage holds the memory
};

size_t privateKib() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PagefileUsage / 1024;
}

// Fixed room: marking must cost nothing measurable, so nothing is allocated.
Mark marks[64];
int markCount = 0;
// When the first mark was made, against the process's creation time: what
// Wine and the loader cost before any code of ours runs.
double processStartMs = 0;

double msSinceCreation() {
    FILETIME created, exited, kernel, user, now;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

}  // namespace

void markStage(const char* stage) {
    if (markCount == 0) processStartMs = msSinceCreation();
    if (markCount < 64) marks[markCount++] = {stage, std::chrono::steady_clock::now(), privateKib()};
}

void markStageOnce(const char* stage) {
    for (int i = 0; i < markCount; ++i)
        if (marks[i].stage == stage) return;
    markStage(stage);
}

void writeStageMarks() {
    const char* path = std::getenv("TRM_STAGE_LOG");
    if (path == nullptr || markCount == 0) return;
    FILE* log = std::fopen(path, "a");
    if (log == nullptr) return;
    std::fprintf(log, "%.2f process-start %zu\n", processStartMs, marks[0].privateKib);
    for (int i = 1; i < markCount; ++i) {
        const std::chrono::duration<double, std::milli> took = marks[i].at - marks[i - 1].at;
        std::fprintf(log, "%.2f %s %zu\n", took.count(), marks[i].stage, marks[i].privateKib);
    }
    std::fclose(log);
    markCount = 0;
}

}  // namespace trm

#endif
