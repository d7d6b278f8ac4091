#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/SafeFile.h"

namespace fs = std::filesystem;

namespace {

// A 4 KB file and its backup in a fresh folder, as a profile or CamTwist's file would be.
struct Files {
    Files() {
        char pattern[] = "/tmp/tolvane-bench-XXXXXX";
        folder = mkdtemp(pattern);
        std::ofstream(folder / "file.plist", std::ios::binary) << bytes;
        std::ofstream(folder / "file.bak", std::ios::binary) << bytes;
    }
    ~Files() { fs::remove_all(folder); }
    std::string path(const char* name) const { return (folder / name).string(); }
    fs::path folder;
    std::string bytes = std::string(4096, 'x');
};

void BM_ReplaceFile4KB(benchmark::State& state) {
    const Files files;
    tolvane::FileOps ops;
    for (auto _ : state)
        benchmark::DoNotOptimize(tolvane::replaceFile(ops, files.path("file.plist"), files.bytes));
}
BENCHMARK(BM_ReplaceFile4KB)->Unit(benchmark::kMicrosecond);

void BM_ReplaceWithBackup4KB(benchmark::State& state) {
    const Files files;
    tolvane::FileOps ops;
    for (auto _ : state)
        benchmark::DoNotOptimize(tolvane::replaceWithBackup(ops, files.path("file.plist"),
                                                            files.path("file.bak"), files.bytes));
}
BENCHMARK(BM_ReplaceWithBackup4KB)->Unit(benchmark::kMicrosecond);

}  // namespace
