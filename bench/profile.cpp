#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>

#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"

namespace fs = std::filesystem;

namespace {

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

// The UTF-8 sample, grown to about the given size with metadata entries the form does not know.
std::string profileOfSize(std::size_t bytes) {
    std::string text = readAll(fs::path(TOLVANE_SOURCE_DIR) / "tests/fixtures/vp6-utf8.xml");
    std::string entries;
    for (int i = 0; text.size() + entries.size() < bytes; ++i)
        entries += "    <metadata><entry><key>k" + std::to_string(i) +
                   "</key><value>some value</value></entry></metadata>\n";
    text.insert(text.rfind("</flashmedialiveencoder_profile>"), entries);
    return text;
}

void BM_LoadRebuildSerialize(benchmark::State& state) {
    home().clearFolder();
    const std::string bytes = profileOfSize(static_cast<std::size_t>(state.range(0)));
    std::ofstream(home().folder / "p.xml", std::ios::binary) << bytes;
    tolvane::Form form = tolvane::standardForm();
    tolvane::FixedCaptureDevices devices;
    tolvane::Tolvane controller(form, devices);
    controller.awakeFromNib();
    for (auto _ : state) {
        controller.loadFMLEProfile("p");
        controller.rebuildProfile();
        benchmark::DoNotOptimize(controller.currentFMLEProfile()->serialize());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadRebuildSerialize)->Arg(2000)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// The XML library alone on the same bytes: the floor for the above.
void BM_PugixmlParseSerialize(benchmark::State& state) {
    const std::string bytes = profileOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_full);
        std::ostringstream out;
        doc.save(out, "    ");
        benchmark::DoNotOptimize(out.str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PugixmlParseSerialize)->Arg(2000)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

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
