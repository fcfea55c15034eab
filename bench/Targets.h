#pragma once

#include <benchmark/benchmark.h>
#include <ostream>
#include <string>
#include <vector>

// The median of each benchmark across its repetitions (its only run when it ran once).
struct TMedian
{
    std::string name;
    double ms = 0;
    double peakMegabytes = -1;
    bool failed = false;
};

// The console report as usual, keeping the medians for the table of targets.
class TMedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::vector<TMedian>& Medians() const { return medians; }

private:
    std::vector<TMedian> medians;
};

// Operation, median, target and whether it is met, as a Markdown table; false when a target
// was missed or a benchmark failed.
bool PrintTargets(std::ostream& out, const std::vector<TMedian>& medians);
