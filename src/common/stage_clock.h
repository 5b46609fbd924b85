// Marks the stages of a run (options read, folder scanned, menu built, ...)
// for the benchmarks, which ask where start-up time goes. Only a build made
// with TRM_STAGE_CLOCK records them; in the product every mark is empty.
#pragma once

namespace trm {

#ifdef TRM_STAGE_CLOCK
// Notes the time since the previous mark under `stage` (a literal, one word
// such as "scan" or "host-window"). The marks
// are written, one "milliseconds stage" line each, to the file named by the
// environment variable TRM_STAGE_LOG when writeStageMarks is called.
void markStage(const char* stage);
// The same, for a stage reached many times (the first item drawn): only the first time counts.
void markStageOnce(const char* stage);
void writeStageMarks();
#else
inline void markStage(const char*) {}
inline void markStageOnce(const char*) {}
inline void writeStageMarks() {}
#endif

}  // namespace trm
