#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "form/PopUpList.h"

namespace {

std::vector<std::string> profileNames(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back("Profile " + std::to_string(i));
    return names;
}

// Filling the profile list at start: n names in one batch, titles kept unique.
void BM_FillProfileList(benchmark::State& state) {
    const auto names = profileNames(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tolvane::PopUpList list;
        list.addItemsWithTitles(names);
        benchmark::DoNotOptimize(list.numberOfItems());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FillProfileList)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// The same names added one at a time.
void BM_AddProfilesOneByOne(benchmark::State& state) {
    const auto names = profileNames(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tolvane::PopUpList list;
        for (const auto& name : names)
            list.addItemWithTitle(name);
        benchmark::DoNotOptimize(list.numberOfItems());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddProfilesOneByOne)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
