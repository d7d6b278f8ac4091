// A profile picked in the window's profile list, offscreen, until the form shows it, paired in each
// iteration with its floor: the core loading the same profile into a form of its own
// (Tolvane::loadFMLEProfile). The benchmark's time is the window's, in the thread's CPU time; the
// counters give the core's time (floor_us), the ratio of the two and the allocations of each.
// With drawing, the event loop also lays out and draws what changed before the clock stops.
//   build/bench/bench/startup/bench_window --benchmark_repetitions=9
//     --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <QApplication>
#include <QComboBox>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "app/TolvaneProgram.h"

#include "../CountedNew.h"

namespace fs = std::filesystem;

using tolvane::bench::allocations;
using tolvane::bench::counted;

namespace {

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Switches between two profiles: FMLE's H.264 sample in UTF-16 and a VP6 one in UTF-8, so that the
// codec's options and the audio lists change too; or two VP6 profiles that differ in their
// values alone.
const char* const kProfiles[][2] = {{"Studio", "Talk"}, {"Talk", "Talk 2"}};

void profileSwitch(benchmark::State& state) {
    const auto& profiles = kProfiles[state.range(0)];
    const bool drawn = state.range(1) != 0;
    const tolvane::FixedCaptureDevices devices({"Built-in Microphone", "Line In"},
                                               {"CamTwist", "FaceTime HD Camera"});
    tolvane::TolvaneProgram program(devices);
    auto* list = program.window().findChild<QComboBox*>(QStringLiteral("popupFMLEProfileNames"));
    if (!list) {
        state.SkipWithError("no profile list in the window");
        return;
    }
    tolvane::Form form = tolvane::standardForm();
    tolvane::Tolvane core(form, devices);
    core.awakeFromNib();
    core.applicationDidFinishLaunching();

    // As a user's pick arrives from the list; drawn, until what changed is laid out and drawn.
    const auto pick = [&](const char* name) {
        const int index = list->findText(QLatin1String(name));
        list->setCurrentIndex(index);
        emit list->activated(index);
        if (drawn) QApplication::processEvents();
    };
    double windowSeconds = 0, coreSeconds = 0;
    std::size_t windowAllocations = 0, coreAllocations = 0, switches = 0;
    // Each switch starts with the events of the one before handled, as after a user's pick; the
    // window and the core take turns in going first, so that neither always meets the caches as
    // the other left them. Once each untimed first: the first touch of the memory.
    const auto timed = [&](const char* name) {
        QApplication::processEvents();
        double iteration = 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool window = (turn == 0) == (switches % 2 == 0);
            const std::size_t startAllocations = allocations;
            const double start = cpuSeconds();
            window ? pick(name) : (void)core.loadFMLEProfile(name);
            const double seconds = cpuSeconds() - start;
            (window ? windowSeconds : coreSeconds) += seconds;
            (window ? windowAllocations : coreAllocations) += allocations - startAllocations;
            if (window) iteration = seconds;
        }
        ++switches;
        return iteration;
    };
    for (const char* name : profiles)
        timed(name);
    windowSeconds = coreSeconds = 0;
    windowAllocations = coreAllocations = switches = 0;
    for (auto _ : state)
        state.SetIterationTime((timed(profiles[0]) + timed(profiles[1])) / 2);
    if (list->currentText() != QLatin1String(profiles[1]) ||
        program.controller().openProfileName() != core.openProfileName())
        state.SkipWithError("the window did not follow the picks");
    using benchmark::Counter;
    const auto perSwitch = [switches](double value) {
        return Counter(value / static_cast<double>(switches));
    };
    state.counters["floor_us"] = perSwitch(coreSeconds * 1e6);
    state.counters["ratio"] = windowSeconds / coreSeconds;
    state.counters["allocs"] = perSwitch(static_cast<double>(windowAllocations));
    state.counters["floor_allocs"] = perSwitch(static_cast<double>(coreAllocations));
}

void BM_ProfileSwitch(benchmark::State& state) {
    profileSwitch(state);
}
// Arguments: the pair of profiles (0: another codec, 1: the same), and whether drawing counts.
BENCHMARK(BM_ProfileSwitch)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Iterations(300)  // drawing takes the real time of some 20 switches
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    // A home of its own with the two samples, so that the program lists nothing of the user's.
    std::string pattern = (fs::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return 1;
    const fs::path home = pattern;
    const fs::path folder = home / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    fs::create_directories(folder);
    const fs::path fixtures = fs::path(TOLVANE_SOURCE_DIR) / "tests/fixtures";
    std::ofstream(folder / "Studio.xml", std::ios::binary) << readAll(fixtures / "h264-utf16.xml");
    std::string talk = readAll(fixtures / "vp6-utf8.xml");
    std::ofstream(folder / "Talk.xml", std::ios::binary) << talk;
    for (const auto& [from, to] :
         {std::pair{"15.00", "25.00"}, {"22050", "44100"}, {"350;", "500;"}})
        talk.replace(talk.find(from), std::string_view(from).size(), to);
    std::ofstream(folder / "Talk 2.xml", std::ios::binary) << talk;
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // The offscreen platform warns on stderr at each size hint it cannot pass on, which a desktop's
    // does not: a write per switch that is no part of it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int status = 0;
    {
        QApplication app(argc, argv);
        tolvane::TolvaneProgram::setUpApplication();
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            status = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    fs::remove_all(home);
    return status;
}
