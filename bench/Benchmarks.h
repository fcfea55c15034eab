#pragma once

// The benchmarks of the run, registered in the order they run, and the names the targets
// refer to them by.
void RegisterRawFloor();
void RegisterStartUp();
void RegisterHandlers();
void RegisterStudyReport();

namespace names {
inline constexpr const char* RawFreshOpen = "Raw/FreshOpen";
inline constexpr const char* RawReused = "Raw/ReusedConnection";
inline constexpr const char* RawReusedRandom = "Raw/ReusedConnection/random";
inline constexpr const char* StartInProcess = "Start/InProcess";
inline constexpr const char* StartProcess = "Start/WholeProcess";
inline constexpr const char* BtnOrderClick = "BtnOrderClick";
inline constexpr const char* ReportOpen = "Report/Open/50000answers/1000exams";
// The counter of the whole-process start: its peak resident memory.
inline constexpr const char* PeakMemory = "peak_MB";
} // namespace names
