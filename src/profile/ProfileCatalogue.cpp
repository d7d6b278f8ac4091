#include "profile/ProfileCatalogue.h"

#include <utf8proc.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/SafeFile.h"

namespace tolvane::profile {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Appends the text as utf8proc maps it with these options; false, appending nothing, when it is
// not UTF-8. Names are short: decomposed once into a buffer on the stack where they fit.
bool appendMapped(std::string& out, std::string_view text, int options) {
    const auto how = static_cast<utf8proc_option_t>(options);
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    const auto size = static_cast<utf8proc_ssize_t>(text.size());
    constexpr utf8proc_ssize_t kOnStack = 256;
    std::array<utf8proc_int32_t, kOnStack + 1> small;  // re-encoding ends with a NUL byte
    std::vector<utf8proc_int32_t> large;
    utf8proc_int32_t* points = small.data();
    utf8proc_ssize_t length = utf8proc_decompose(bytes, size, points, kOnStack, how);
    if (length > kOnStack) {
        large.resize(static_cast<std::size_t>(length) + 1);
        points = large.data();
        length = utf8proc_decompose(bytes, size, points, length, how);
    }
    if (length >= 0) length = utf8proc_reencode(points, length, how);  // composes, in place
    if (length < 0) return false;
    out.append(reinterpret_cast<const char*>(points), static_cast<std::size_t>(length));
    return true;
}

std::optional<std::string> nfc(std::string_view text) {
    std::string out;
    if (!appendMapped(out, text, UTF8PROC_STABLE | UTF8PROC_COMPOSE)) return std::nullopt;
    return out;
}

// Eight bytes of a key from `from` on, as a number that orders as the bytes do; zeros past its
// end, which order as the end (no key holds a NUL).
std::uint64_t bigEndianWord(std::string_view key, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < from + 8; ++i)
        word = (word << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
    return word;
}

// Appends what a name sorts by (see sortKeyOf).
void appendSortKey(std::string& out, std::string_view name) {
    if (!isAscii(name) &&
        appendMapped(out, name, UTF8PROC_STABLE | UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD))
        return;
    const std::size_t at = out.size();
    out += name;
    for (auto c = out.begin() + static_cast<std::ptrdiff_t>(at); c != out.end(); ++c)
        if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c - 'A' + 'a');
}

}  // namespace

std::string profileNameOf(const std::string& entry) {
    const auto dot = entry.rfind('.');
    return dot == std::string::npos || dot == 0 ? entry : entry.substr(0, dot);
}

bool isAcceptableProfileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

std::string sortKeyOf(std::string_view name) {
    std::string key;
    appendSortKey(key, name);
    return key;
}

bool sameProfileName(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) return false;  // ASCII is its own NFC
    const auto first = nfc(a);
    return first && first == nfc(b);
}

std::optional<std::vector<std::string>> catalogueOf(FileOps& ops, const std::string& folder,
                                                    std::vector<FolderEntry> entries) {
    const auto nameOf = [&entries](std::size_t entry) {
        const std::string& file = entries[entry].name;
        return std::string_view(file).substr(0, file.size() - kProfileExtension.size());
    };
    // Each key built once, into one buffer, and sorted as its place there with its entry's index:
    // a long folder's names are neither copied nor allocated one by one. The key's first 16 bytes
    // ride along, so that most comparisons need not look into the buffer.
    struct Keyed {
        std::array<std::uint64_t, 2> head;
        std::size_t at;
        // Keys of some hundred bytes; folders of fewer than 2^32 entries.
        std::uint32_t size, entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    std::string keys;
    std::size_t bytes = 0;
    for (const FolderEntry& entry : entries)
        bytes += entry.name.size();
    keys.reserve(bytes);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& file = entries[i].name;
        // A leading dot also leaves out macOS's "._" files, which hold another file's metadata.
        if (file.size() <= kProfileExtension.size() || file.front() == '.' ||
            !file.ends_with(kProfileExtension) || !isRegularFile(ops, folder, entries[i]))
            continue;
        const std::size_t at = keys.size();
        appendSortKey(keys, nameOf(i));
        const std::string_view key = std::string_view(keys).substr(at);
        keyed.push_back({{bigEndianWord(key, 0), bigEndianWord(key, 8)},
                         at,
                         static_cast<std::uint32_t>(key.size()),
                         static_cast<std::uint32_t>(i)});
    }
    if (keyed.empty()) return std::nullopt;
    const std::string_view all = keys;
    const auto rest = [all](const Keyed& k) {
        const std::size_t head = std::min<std::size_t>(k.size, 16);
        return all.substr(k.at + head, k.size - head);
    };
    // Names equal but for case (on a case-sensitive disk) keep one order too.
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        // Word by word: std::array's own comparison calls memcmp.
        if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
        if (const int order = rest(a).compare(rest(b))) return order < 0;
        return nameOf(a.entry) < nameOf(b.entry);
    });
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (const Keyed& key : keyed) {
        std::string& name = names.emplace_back(std::move(entries[key.entry].name));
        name.resize(name.size() - kProfileExtension.size());
    }
    return names;
}

std::optional<std::vector<std::string>> collectFMLEProfiles(FileOps& ops,
                                                            const std::string& folder) {
    auto entries = listFolder(ops, folder);
    return entries ? catalogueOf(ops, folder, std::move(*entries)) : std::nullopt;
}

std::optional<std::string> listedProfileName(const std::optional<std::vector<std::string>>& listed,
                                             const std::string& typed) {
    if (!listed) return std::nullopt;
    if (std::find(listed->begin(), listed->end(), typed) != listed->end()) return typed;
    const auto wanted = nfc(typed);
    if (!wanted) return std::nullopt;
    const bool typedAscii = isAscii(typed);
    for (const std::string& name : *listed) {
        if (typedAscii && isAscii(name)) continue;  // equal only byte for byte, and it is not
        if (nfc(name) == wanted) return name;
    }
    return std::nullopt;
}

std::string profileFileName(const std::optional<std::vector<std::string>>& listed,
                            const std::string& typed) {
    return listedProfileName(listed, typed).value_or(typed);
}

}  // namespace tolvane::profile
