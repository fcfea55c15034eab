#pragma once

#include "Fixture.h"
#include "FrmMain.h"
#include "TestNotices.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>

// What every benchmark of the run shares: the full bank (or the full bank ten times over) as
// the working folder, message boxes answered at once, and the one main window that the
// handlers are driven on.
class TBenchContext
{
public:
    TBenchContext();
    ~TBenchContext();

    // The full bank `times` over for the benchmarks that run next, built on first use.
    void UseBank(int times);
    int Questions() const { return static_cast<int>(bank->Questions().size()); }
    // The questions of chapter 1.
    int FirstChapter() const;
    QString BankPath() const { return bank->Path(); }
    // Puts 科目四's bank beside the bank in use, once.
    void AddSubjectFour();
    // Created on first use, so that the start-up benchmarks run without it.
    TFrmMain& Window();

private:
    int times = 0;
    bool subjectFour = false;
    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<fixture::TNotices> notices;
    std::unique_ptr<TFrmMain> window;
};

TBenchContext& Context();
void SetContext(TBenchContext* context);

// The bank that the benchmarks registered from now on run on: the full bank `times` over.
void RegisterOnBank(int times);

// Registers a benchmark timed by the wall clock around the measured part only, in ms.
benchmark::internal::Benchmark* Register(const char* name,
                                         std::function<void(benchmark::State&)> body);

// Times op alone in each iteration; prepare runs before it, untimed.
template <typename Op, typename Prepare>
void TimeEach(benchmark::State& state, Op op, Prepare prepare)
{
    for (auto _ : state) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        op();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

template <typename Op> void TimeEach(benchmark::State& state, Op op)
{
    TimeEach(state, op, [] {});
}

// Op followed by the turn of the event loop that paints what it changed: the learner waits
// for both.
template <typename Op> auto OnScreen(Op op)
{
    return [op] {
        op();
        QCoreApplication::processEvents();
    };
}
