#include <benchmark/benchmark.h>

#include "controller/Tolvane.h"

namespace {

// A format change: sample rate and bitrate re-set, all 30 availability flags published and
// followed by the form, with no observer attached.
void BM_FormatCascade(benchmark::State& state) {
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.initializeMembers();
    int32_t format = 1001;
    for (auto _ : state) {
        controller.setTagAudioOutputFormat(format);
        format = format == 1001 ? 1002 : 1001;
        benchmark::DoNotOptimize(controller.tagAudioBitrate());
    }
}
BENCHMARK(BM_FormatCascade);

void BM_BitrateLookup(benchmark::State& state) {
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    for (auto _ : state)
        benchmark::DoNotOptimize(controller.assignBitrateByEncode(1002, 1004, 1001));
}
BENCHMARK(BM_BitrateLookup);

}  // namespace
