#include <benchmark/benchmark.h>

#include "controller/Tolvane.h"
#include "rules/AudioRules.h"

namespace {

// A format pick in the controller: the rules run, the changed flags and choices are stored and
// followed by the form, and an observer (when the argument is 1) hears of each change.
void BM_FormatCascade(benchmark::State& state) {
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.initializeMembers();
    int announced = 0;
    tolvane::Subscription observing;
    if (state.range(0) != 0)
        observing = controller.observe([&announced](tolvane::Property) { ++announced; });
    int32_t format = 1001;
    for (auto _ : state) {
        controller.setTagAudioOutputFormat(format);
        format = format == 1001 ? 1002 : 1001;
        benchmark::DoNotOptimize(controller.tagAudioBitrate());
    }
    state.counters["announced"] = benchmark::Counter(announced, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FormatCascade)->Arg(0)->Arg(1);

// The rules alone: the state a format pick leads to.
void BM_FormatRule(benchmark::State& state) {
    tolvane::rules::AudioState audio;
    audio.samplerate = 1001;
    audio.channel = 1001;
    audio.bitrate = 1006;
    int32_t format = 1001;
    for (auto _ : state) {
        audio = tolvane::rules::setTagAudioOutputFormat(audio, format).state;
        format = format == 1001 ? 1002 : 1001;
        benchmark::DoNotOptimize(audio.bitrate);
    }
}
BENCHMARK(BM_FormatRule);

void BM_BitrateLookup(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tolvane::rules::assignBitrateByEncode(1002, 1004, 1001));
}
BENCHMARK(BM_BitrateLookup);

}  // namespace
