#include "BenchContext.h"

namespace {
TBenchContext* Current = nullptr;
}

TBenchContext::TBenchContext()
    : bank(fixture::FullBank()), notices(std::make_unique<fixture::TNotices>())
{
}

TBenchContext::~TBenchContext() = default;

TFrmMain& TBenchContext::Window()
{
    if (!window) {
        window = std::make_unique<TFrmMain>();
        window->show();
    }
    return *window;
}

TBenchContext& Context()
{
    return *Current;
}

void SetContext(TBenchContext* context)
{
    Current = context;
}

benchmark::internal::Benchmark* Register(const char* name,
                                         std::function<void(benchmark::State&)> body)
{
    return benchmark::RegisterBenchmark(name, std::move(body))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
