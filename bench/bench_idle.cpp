// Idle waiting of the SDL host: with no event and a 500 ms deadline, the wait
// must return once, at the deadline, having used next to no CPU. Needs a
// display; under Xvfb:
//   xvfb-run -a build/<dir>/bench/bench_idle
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/sdl/TSdlHost.h"

// libdbus, which SDL starts for input methods, keeps a buffer for the life of
// the process; sanitized builds must not call that a leak.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

static void BM_IdleWait500ms(benchmark::State& state) {
    std::unique_ptr<TSdlHost> host;
    try {
        host = std::make_unique<TSdlHost>();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    TWindowParams params;
    params.Bounds = Bounds(0, 0, 64, 64);
    auto window = host->CreateWindow(params);
    window->Show();
    TEvent e;
    // Let the events of showing the window arrive and go.
    const uint64_t settle = host->Now() + 300;
    while (host->WaitEvent(e, settle)) {
    }
    uint64_t wakeUps = 0, events = 0;
    for (auto _ : state) {
        const uint64_t before = host->WakeUps();
        const uint64_t deadline = host->Now() + 500;
        while (host->WaitEvent(e, deadline))
            ++events;
        wakeUps += host->WakeUps() - before;
    }
    state.counters["wakeups_per_wait"] =
        benchmark::Counter(static_cast<double>(wakeUps), benchmark::Counter::kAvgIterations);
    state.counters["events_per_wait"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IdleWait500ms)->Iterations(4)->Unit(benchmark::kMillisecond)->UseRealTime();
