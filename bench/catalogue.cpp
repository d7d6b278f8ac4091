// The profile catalogue at start: one listing of the folder, the stale-temporary sweep, the
// catalogue sorted ignoring case and the profile list filled; beside the floor of a bare readdir
// of the same folder and a sort of its names.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "controller/Tolvane.h"
#include "platform/SafeFile.h"
#include "profile/ProfileCatalogue.h"

namespace fs = std::filesystem;

namespace {

// A home whose profile folder holds n profiles, one in ten with a name that is not ASCII; made
// once per size for the whole run, as making 100,000 files takes seconds.
struct Home {
    explicit Home(int profiles) {
        char pattern[] = "/tmp/tolvane-bench-XXXXXX";
        path = mkdtemp(pattern);
        folder = path / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
        fs::create_directories(folder);
        for (int i = 0; i < profiles; ++i)
            std::ofstream(folder /
                          ((i % 10 ? "Profile " : "\xC3\x89mission ") + std::to_string(i) + ".xml"))
                << "x";
    }
    ~Home() { fs::remove_all(path); }
    fs::path path, folder;
};

const Home& homeWith(int profiles) {
    static std::map<int, std::unique_ptr<Home>> homes;
    auto& home = homes[profiles];
    if (!home) home = std::make_unique<Home>(profiles);
    setenv("HOME", home->path.c_str(), 1);
    return *home;
}

void BM_ReaddirAndSortFloor(benchmark::State& state) {
    const std::string folder = homeWith(static_cast<int>(state.range(0))).folder.string();
    for (auto _ : state) {
        std::vector<std::string> names;
        DIR* dir = ::opendir(folder.c_str());
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(BM_ReaddirAndSortFloor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The core's part: one typed listing, the sweep, the catalogue.
void BM_ListSweepCatalogue(benchmark::State& state) {
    const std::string folder = homeWith(static_cast<int>(state.range(0))).folder.string();
    tolvane::FileOps ops;
    for (auto _ : state) {
        auto entries = tolvane::listFolder(ops, folder);
        tolvane::removeStaleTemporaries(ops, folder, *entries);
        benchmark::DoNotOptimize(tolvane::profile::catalogueOf(ops, folder, std::move(*entries)));
    }
}
BENCHMARK(BM_ListSweepCatalogue)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// As start-up does it: the controller collects the catalogue and fills the profile list.
void BM_StartupCatalogue(benchmark::State& state) {
    homeWith(static_cast<int>(state.range(0)));
    const tolvane::FixedCaptureDevices devices;
    for (auto _ : state) {
        tolvane::Form form = tolvane::standardForm();
        tolvane::Tolvane controller(form, devices);
        controller.awakeFromNib();
        benchmark::DoNotOptimize(form.popupFMLEProfileNames.numberOfItems());
    }
}
BENCHMARK(BM_StartupCatalogue)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
