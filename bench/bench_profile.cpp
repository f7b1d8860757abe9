// Listing the names of a large profile file: the sections, then the keys of one
// section, each list in time proportional to the file.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/services/TIniFile.h"

namespace {

std::string ManyNames(int sections, int keys) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < keys; ++k)
            text += "key" + std::to_string(k) + "=value\r\n";
    }
    return text;
}

void BM_ListSections(benchmark::State& state) {
    const TIniFile ini = TIniFile::FromBytes(ManyNames(static_cast<int>(state.range(0)), 1));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadSections());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListSections)->Arg(2000)->Arg(20000);

void BM_ListKeys(benchmark::State& state) {
    const TIniFile ini = TIniFile::FromBytes(ManyNames(1, static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadSection("section0"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListKeys)->Arg(2000)->Arg(20000);

} // namespace
