#include "common/stage_clock.h"

#ifdef TRM_STAGE_CLOCK

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace trm {

namespace {

struct Mark {
    const char* stage;
    std::chrono::steady_clock::time_point at;
};

// Fixed room: marking must cost nothing measurable, so nothing is allocated.
Mark marks[64];
int markCount = 0;

}  // namespace

void markStage(const char* stage) {
    if (markCount < 64) marks[markCount++] = {stage, std::chrono::steady_clock::now()};
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
    for (int i = 1; i < markCount; ++i) {
        const std::chrono::duration<double, std::milli> took = marks[i].at - marks[i - 1].at;
        std::fprintf(log, "%.2f %s\n", took.count(), marks[i].stage);
    }
    std::fclose(log);
    markCount = 0;
}

}  // namespace trm

#endif
