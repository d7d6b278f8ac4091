// The catalogue's name for a folder entry is empty only for an empty entry, starts the entry and
// drops one extension at most; the name of a profile file leads back to that same file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profile/ProfileCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string entry(reinterpret_cast<const char*>(data), size);
    const std::string name = tolvane::profile::profileNameOf(entry);
    const std::string dropped = entry.substr(std::min(name.size(), entry.size()));
    if (name.empty() != entry.empty() || entry.compare(0, name.size(), name) != 0 ||
        (!dropped.empty() && (dropped[0] != '.' || dropped.find('.', 1) != std::string::npos)))
        std::abort();
    if (entry.size() > 4 && entry.ends_with(".xml") && name + ".xml" != entry) std::abort();
    return 0;
}
