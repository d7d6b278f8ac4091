// Reading and saving CamTwist's preference file beside its floor, in one run: libplist's parse of
// the same bytes, its XML write and a durable replace (temporary file, fsync, rename, the
// folder's fsync), the file read on both sides.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <plist/plist.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "controller/Tolvane.h"
#include "platform/FileOps.h"

namespace fs = std::filesystem;

namespace {

// A binary preference file of `keys` keys of mixed types beside the three CamTwist keys, in a
// temporary home.
struct Prefs {
    explicit Prefs(int keys) {
        char pattern[] = "/tmp/tolvane-bench-XXXXXX";
        home = mkdtemp(pattern);
        setenv("HOME", home.c_str(), 1);
        path = home / "Library/Preferences/com.allocinit.CamTwist.plist";
        fs::create_directories(path.parent_path());
        plist_t dict = plist_new_dict();
        for (int i = 0; i < keys; ++i) {
            const std::string key = "key" + std::to_string(i);
            plist_t value = i % 3 == 0   ? plist_new_uint(static_cast<uint64_t>(i))
                            : i % 3 == 1 ? plist_new_string("a string value")
                                         : plist_new_real(i / 7.0);
            plist_dict_set_item(dict, key.c_str(), value);
        }
        plist_dict_set_item(dict, "videoSize", plist_new_string("{640, 480}"));
        plist_dict_set_item(dict, "frameRate", plist_new_uint(30));
        char* data = nullptr;
        uint32_t length = 0;
        plist_to_bin(dict, &data, &length);
        bytes.assign(data, length);
        plist_to_bin_free(data);
        plist_free(dict);
        reset();
    }
    ~Prefs() { fs::remove_all(home); }
    void reset() const { std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes; }
    fs::path home, path;
    std::string bytes;
};

// Tolvane: a program started over the file (which reads it) saves it.
void readAndSave() {
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.awakeFromNib();
    if (!controller.camTwistSaveConfig().ok()) std::abort();
}

// The floor: read the bytes, libplist's parse and XML write, and a durable replace.
void floor(tolvane::FileOps& ops, const fs::path& file) {
    const std::string path = file, folder = file.parent_path(), temporary = folder + "/.floor";
    std::string bytes;
    const int in = ops.open(path, O_RDONLY);
    struct stat info {};
    ops.fstat(in, &info);
    bytes.resize(static_cast<std::size_t>(info.st_size));
    for (std::size_t got = 0; got < bytes.size();)
        got += static_cast<std::size_t>(ops.read(in, bytes.data() + got, bytes.size() - got));
    ops.close(in);

    plist_t root = nullptr;
    plist_from_bin(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);

    const int out = ops.open(temporary, O_WRONLY | O_CREAT | O_EXCL, 0600);
    for (uint32_t written = 0; written < length;)
        written += static_cast<uint32_t>(ops.write(out, xml + written, length - written));
    ops.fsync(out);
    ops.close(out);
    ops.rename(temporary, path);
    const int dir = ops.open(folder, O_RDONLY | O_DIRECTORY);
    ops.fsync(dir);
    ops.close(dir);
    plist_to_xml_free(xml);
    plist_free(root);
}

double secondsOf(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration times the floor and Tolvane one after the other on the same file, so that both
// meet the same load on a shared machine. The time reported is Tolvane's; "floor" is the floor's
// in milliseconds and "ratio" Tolvane's time over it.
void BM_ReadAndSaveBesideFloor(benchmark::State& state) {
    const Prefs prefs(static_cast<int>(state.range(0)));
    tolvane::FileOps ops;
    double tolvane = 0, floorTime = 0;
    for (auto _ : state) {
        prefs.reset();
        floorTime += secondsOf([&] { floor(ops, prefs.path); });
        prefs.reset();
        const double seconds = secondsOf(readAndSave);
        tolvane += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["floor"] = floorTime * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = tolvane / floorTime;
}
BENCHMARK(BM_ReadAndSaveBesideFloor)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
