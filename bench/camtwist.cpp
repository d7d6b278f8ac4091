#include <benchmark/benchmark.h>
#include <plist/plist.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "controller/Tolvane.h"

namespace fs = std::filesystem;

namespace {

// A preference file of 10,000 keys of mixed types, as a binary list.
struct Prefs {
    Prefs() {
        char pattern[] = "/tmp/tolvane-bench-XXXXXX";
        home = mkdtemp(pattern);
        setenv("HOME", home.c_str(), 1);
        path = home / "Library/Preferences/com.allocinit.CamTwist.plist";
        fs::create_directories(path.parent_path());
        plist_t dict = plist_new_dict();
        for (int i = 0; i < 10000; ++i) {
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
    }
    ~Prefs() { fs::remove_all(home); }
    void reset() const { std::ofstream(path, std::ios::binary) << bytes; }
    fs::path home, path;
    std::string bytes;
};

void BM_ReadAndSave10000Keys(benchmark::State& state) {
    const Prefs prefs;
    for (auto _ : state) {
        state.PauseTiming();
        prefs.reset();
        state.ResumeTiming();
        tolvane::Form form = tolvane::standardForm();
        tolvane::FixedCaptureDevices devices;
        tolvane::Tolvane controller(form, devices);  // reads the file
        controller.awakeFromNib();
        controller.camTwistSaveConfig();
    }
}
BENCHMARK(BM_ReadAndSave10000Keys)->Unit(benchmark::kMillisecond);

// libplist alone: parse the same bytes and write them as XML.
void BM_LibplistParseAndWrite(benchmark::State& state) {
    const Prefs prefs;
    for (auto _ : state) {
        plist_t root = nullptr;
        plist_from_bin(prefs.bytes.data(), static_cast<uint32_t>(prefs.bytes.size()), &root);
        char* xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(root, &xml, &length);
        benchmark::DoNotOptimize(xml);
        plist_to_xml_free(xml);
        plist_free(root);
    }
}
BENCHMARK(BM_LibplistParseAndWrite)->Unit(benchmark::kMillisecond);

}  // namespace
