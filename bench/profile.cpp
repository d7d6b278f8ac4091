// The profile cycle as the program runs it (open the file, load into the form, change a value,
// rebuild, serialise), each iteration paired with its floor: pugixml reading the same file, parsing
// it with the same options and writing it in the file's own encoding. The benchmark's time is the
// cycle's, in the thread's CPU time (the machine is shared: time spent waiting for a core is no
// one's); the counters give the floor's time per iteration (floor_us), the ratio of the two, the
// allocations of each (operator new and pugixml's own) and page faults.
//
// Freed memory stays with the process (mallopt): this build machine's virtual machine charges some
// 9 us a page fault, so memory that malloc hands back and takes again would swamp both sides with
// the allocator's trimming whims (a 5 MB floor ran 10 ms, a 10 MB one 80 ms).
//   build/bench/bench/bench_profile --benchmark_filter=Cycle --benchmark_repetitions=9
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <pugixml.hpp>
#include <sstream>

#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"
#include "profile/XmlOptions.h"

#include "CountedNew.h"

namespace fs = std::filesystem;

using tolvane::bench::allocations;
using tolvane::bench::counted;

namespace {

const bool kAllocatorSet = [] {
    pugi::set_memory_management_functions(counted, std::free);
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
    return true;
}();

long pageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A home folder of its own for the whole run.
struct BenchHome {
    BenchHome() {
        char pattern[] = "/tmp/tolvane-bench-XXXXXX";
        path = mkdtemp(pattern);
        setenv("HOME", path.c_str(), 1);
        folder = path / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
        fs::create_directories(folder);
    }
    ~BenchHome() { fs::remove_all(path); }
    void clearFolder() {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    fs::path path, folder;
};

BenchHome& home() {
    static BenchHome h;
    return h;
}

enum class Shape { utf8, utf16leCrlf };

// The UTF-8 sample profile grown to about the given size (in its own encoding) with entries the
// form does not show, as children of the root, a comment now and then; as UTF-8 with LF, or as
// FMLE writes it, UTF-16LE with CRLF and no byte-order mark.
std::string profileOf(std::size_t bytes, Shape shape) {
    std::string text = readAll(fs::path(TOLVANE_SOURCE_DIR) / "tests/fixtures/vp6-utf8.xml");
    const std::size_t perChar = shape == Shape::utf8 ? 1 : 2;
    std::string entries;
    for (int i = 0; (text.size() + entries.size()) * perChar < bytes; ++i) {
        entries += "    <history><entry><key>k" + std::to_string(i) +
                   "</key><value>some value</value></entry></history>\n";
        if (i % 16 == 15) entries += "    <!-- entries after " + std::to_string(i) + " -->\n";
    }
    text.insert(text.rfind("</flashmedialiveencoder_profile>"), entries);
    if (shape == Shape::utf8) return text;
    text.replace(text.find("UTF-8"), 5, "UTF-16");
    std::string utf16;
    utf16.reserve(text.size() * 2 + text.size() / 8);
    for (char c : text) {
        if (c == '\n') utf16 += std::string("\r\0", 2);
        utf16 += c;
        utf16 += '\0';
    }
    return utf16;
}

using tolvane::profile::kParseOptions;
using tolvane::profile::kSaveOptions;

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

// Reading the file from the page cache is CPU time too.
double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void profileCycle(benchmark::State& state, Shape shape) {
    home().clearFolder();
    const std::string bytes = profileOf(static_cast<std::size_t>(state.range(0)), shape);
    const fs::path file = home().folder / "p.xml";
    std::ofstream(file, std::ios::binary) << bytes;
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.awakeFromNib();

    const auto cycle = [&] {
        controller.loadFMLEProfile("p");
        controller.setInputVolume(50);  // one value changed, as before a save
        controller.rebuildProfile();
        std::string saved = controller.currentFMLEProfile()->serialize();
        benchmark::DoNotOptimize(saved.data());
    };
    const auto floor = [&] {
        pugi::xml_document doc;
        const auto read = doc.load_file(file.c_str(), kParseOptions);
        StringWriter writer;
        writer.text.reserve(bytes.size() + bytes.size() / 8 + 64);  // as the cycle does
        doc.save(writer, "    ", kSaveOptions, read.encoding);
        benchmark::DoNotOptimize(writer.text.data());
    };
    // Once each untimed, so that no repetition pays for the first touch of the memory.
    cycle();
    floor();

    double cycleSeconds = 0, floorSeconds = 0;
    std::size_t cycleAllocations = 0, floorAllocations = 0;
    long cycleFaults = 0, floorFaults = 0;
    for (auto _ : state) {
        const long startFaults = pageFaults();
        const std::size_t startAllocations = allocations;
        const double start = cpuSeconds();
        cycle();
        const double cycleEnd = cpuSeconds();
        const std::size_t betweenAllocations = allocations;
        const long betweenFaults = pageFaults();
        const double floorStart = cpuSeconds();
        floor();
        const double floorEnd = cpuSeconds();
        floorAllocations += allocations - betweenAllocations;
        floorFaults += pageFaults() - betweenFaults;
        state.SetIterationTime(cycleEnd - start);
        cycleSeconds += cycleEnd - start;
        floorSeconds += floorEnd - floorStart;
        cycleAllocations += betweenAllocations - startAllocations;
        cycleFaults += betweenFaults - startFaults;
    }
    using benchmark::Counter;
    state.counters["floor_us"] = Counter(floorSeconds * 1e6, Counter::kAvgIterations);
    state.counters["ratio"] = cycleSeconds / floorSeconds;
    state.counters["allocs"] =
        Counter(static_cast<double>(cycleAllocations), Counter::kAvgIterations);
    state.counters["floor_allocs"] =
        Counter(static_cast<double>(floorAllocations), Counter::kAvgIterations);
    state.counters["faults"] = Counter(static_cast<double>(cycleFaults), Counter::kAvgIterations);
    state.counters["floor_faults"] =
        Counter(static_cast<double>(floorFaults), Counter::kAvgIterations);
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_ProfileCycleUtf8(benchmark::State& state) {
    profileCycle(state, Shape::utf8);
}
BENCHMARK(BM_ProfileCycleUtf8)
    ->Arg(2000)
    ->Arg(20 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_ProfileCycleUtf16leCrlf(benchmark::State& state) {
    profileCycle(state, Shape::utf16leCrlf);
}
BENCHMARK(BM_ProfileCycleUtf16leCrlf)
    ->Arg(0)  // the sample alone: 2.9 KB
    ->Arg(5 << 20)
    ->Arg(10 << 20)
    ->Arg(20 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_CatalogueOf10000(benchmark::State& state) {
    home().clearFolder();
    for (int i = 0; i < 10000; ++i)
        std::ofstream(home().folder / ("Profile " + std::to_string(i) + ".xml")) << "x";
    for (auto _ : state) {
        tolvane::Form form = tolvane::standardForm();
        tolvane::FixedCaptureDevices devices;
        tolvane::Tolvane controller(form, devices);  // collects the catalogue
        controller.awakeFromNib();                   // shows it in the profile list
        benchmark::DoNotOptimize(form.popupFMLEProfileNames.numberOfItems());
    }
}
BENCHMARK(BM_CatalogueOf10000)->Unit(benchmark::kMillisecond);

}  // namespace
