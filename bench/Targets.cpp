#include "Targets.h"

#include "Benchmarks.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr double HandlerLimitMs = 5;
// The press of 朗读 only hands the text over; the first samples follow within this time.
constexpr double SpeakPressLimitMs = 1;
constexpr double SpeakFirstSamplesLimitMs = 300;
constexpr double StartLimitMs = 250;
// Switching subject: a whole start of the other bank, its key derived anew.
constexpr double SwitchLimitMs = 300;
// One frame at 60 Hz: the review's start, and every handler on the large bank.
constexpr double OneFrameMs = 16.7;
constexpr double ReportLimitMs = 100;
// The pass estimate over 50,000 answers: the full bank, and a bank ten times as large.
constexpr double EstimateLimitMs = 50;
constexpr double LargeEstimateLimitMs = 100;
constexpr double PeakLimitMegabytes = 80;
// A whole-bank start reads the bank twice (count, then load).
constexpr double WholeBankFloorFactor = 3 * 2;

TMedian MedianOf(const benchmark::BenchmarkReporter::Run& run)
{
    TMedian m{.name = run.run_name.function_name, .failed = run.error_occurred};
    m.ms = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    const auto peak = run.counters.find(names::PeakMemory);
    if (peak != run.counters.end())
        m.peakMegabytes = peak->second.value;
    return m;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// One line of the table; a target of nullopt is a reference figure with nothing to meet.
bool Row(std::ostream& out, const std::string& operation, const std::string& median,
         const std::string& target, std::optional<bool> met)
{
    out << "| " << operation << " | " << median << " | " << target << " | "
        << (met ? (*met ? "yes" : "**no**") : "–") << " |\n";
    return met.value_or(true);
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

const TMedian* Find(const std::vector<TMedian>& medians, const std::string& name)
{
    const auto it = std::find_if(medians.begin(), medians.end(),
                                 [&name](const TMedian& m) { return m.name == name; });
    return it == medians.end() ? nullptr : &*it;
}

} // namespace

void TMedianReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (median || single || run.error_occurred)
            medians.push_back(MedianOf(run));
    }
}

bool PrintTargets(std::ostream& out, const std::vector<TMedian>& medians)
{
    out << "\n| operation | median | target | met? |\n|---|---:|---|---|\n";
    bool all = true;
    for (const TMedian& m : medians) {
        const std::string median = m.failed ? "failed" : Format("%.2f ms", m.ms);
        if (StartsWith(m.name, "Raw/")) {
            Row(out, m.name, median, "floor", std::nullopt);
            continue;
        }
        const bool largeBank = EndsWith(m.name, OnBank("", LargeBank));
        const double limit = StartsWith(m.name, names::SubjectSwitch) ? SwitchLimitMs
                             : StartsWith(m.name, "Start/")           ? StartLimitMs
                             : StartsWith(m.name, "Report/")          ? ReportLimitMs
                             : StartsWith(m.name, "Estimate/")
                                 ? (largeBank ? LargeEstimateLimitMs : EstimateLimitMs)
                             : m.name == names::SpeakPress        ? SpeakPressLimitMs
                             : m.name == names::SpeakFirstSamples ? SpeakFirstSamplesLimitMs
                             : largeBank || m.name == names::BtnReviewClick ? OneFrameMs
                                                                            : HandlerLimitMs;
        all &= Row(out, m.name, median, Format("< %g ms", limit), !m.failed && m.ms < limit);
    }
    for (const int times : {1, LargeBank}) {
        const std::string bank = OnBank("", times);
        const TMedian* order = Find(medians, OnBank(names::BtnOrderClick, times));
        const TMedian* floor = Find(medians, OnBank(names::RawReused, times));
        if (order && floor)
            all &= Row(
                out, "whole-bank start vs raw count + load" + bank, Format("%.2f ms", order->ms),
                Format("<= %.2f ms (3 x 2 raw reads)", WholeBankFloorFactor * floor->ms),
                !order->failed && !floor->failed && order->ms <= WholeBankFloorFactor * floor->ms);
        if (const TMedian* start = Find(medians, OnBank(names::StartProcess, times)))
            all &= Row(out, "peak resident memory after start-up" + bank,
                       Format("%.1f MB", start->peakMegabytes),
                       Format("< %.0f MB", PeakLimitMegabytes),
                       start->peakMegabytes >= 0 && start->peakMegabytes < PeakLimitMegabytes);
    }
    return all;
}
