#include "BenchContext.h"
#include "Benchmarks.h"
#include "Desktop.h"
#include "Targets.h"

#include <QApplication>
#include <iostream>
#include <vector>

// Speed and memory of the trainer on the full bank and on one ten times as large, offscreen,
// with the targets beside the medians. Five repetitions unless the command line says otherwise.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::LoadChineseTranslations(app);
    platform::InstallDesignFontSubstitutes();

    std::vector<char*> args{argv[0], const_cast<char*>("--benchmark_repetitions=5"),
                            const_cast<char*>("--benchmark_report_aggregates_only=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    TBenchContext context;
    SetContext(&context);
    // The full bank, then a school's bank ten times as large, every benchmark of the bank on
    // each. Last on each: the report adds a long score history to the bank the others use.
    for (const int times : {1, LargeBank}) {
        RegisterOnBank(times);
        RegisterRawFloor();
        RegisterStartUp();
        RegisterHandlers();
        RegisterStudyReport();
        RegisterPassEstimate();
        RegisterSubjectFour();
    }
    // Reading aloud does not depend on the bank's size.
    RegisterOnBank(1);
    RegisterSpeech();
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = PrintTargets(std::cout, reporter.Medians());
    SetContext(nullptr);
    benchmark::Shutdown();
    return met ? 0 : 2;
}
