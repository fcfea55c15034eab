#pragma once

#include <string>

// The benchmarks of the run, registered in the order they run, and the names the targets
// refer to them by.
void RegisterRawFloor();
void RegisterStartUp();
void RegisterHandlers();
void RegisterStudyReport();
void RegisterPassEstimate();
void RegisterSpeech();
void RegisterSubjectFour();

// A school's bank, as many times as large as the full bank.
inline constexpr int LargeBank = 10;

// The name of a benchmark run on the full bank `times` over: the rows of a larger bank carry
// its size at the end ("BtnOrderClick/11770").
std::string OnBank(const char* name, int times);

namespace names {
inline constexpr const char* RawFreshOpen = "Raw/FreshOpen";
inline constexpr const char* RawReused = "Raw/ReusedConnection";
inline constexpr const char* RawReusedRandom = "Raw/ReusedConnection/random";
inline constexpr const char* StartInProcess = "Start/InProcess";
inline constexpr const char* StartProcess = "Start/WholeProcess";
inline constexpr const char* BtnOrderClick = "BtnOrderClick";
inline constexpr const char* BtnReviewClick = "BtnReviewClick/50000";
// The rows of the answer record in the bank every benchmark runs on.
inline constexpr int RecordedAnswers = 50000;
inline constexpr const char* ReportOpen = "Report/Open/50000answers/1000exams";
inline constexpr const char* Estimate = "Estimate/50000answers";
inline constexpr const char* SpeakPress = "Speak/Press";
inline constexpr const char* SubjectSwitch = "Subject/Switch";
inline constexpr const char* SpeakFirstSamples = "Speak/FirstSamples";
// The counter of the whole-process start: its peak resident memory.
inline constexpr const char* PeakMemory = "peak_MB";
} // namespace names
