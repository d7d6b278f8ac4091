#include "profile/ProfileCatalogue.h"

#include <utf8proc.h>

#include <algorithm>
#include <array>

#include "platform/SafeFile.h"

namespace tolvane::profile {
namespace {

constexpr std::string_view kExtension = ".xml";

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The text as utf8proc maps it with these options; nothing when it is not UTF-8. Names are
// short: decomposed once into a buffer on the stack where they fit.
std::optional<std::string> mapped(std::string_view text, int options) {
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
    if (length < 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(points), static_cast<std::size_t>(length));
}

std::optional<std::string> nfc(std::string_view text) {
    return mapped(text, UTF8PROC_STABLE | UTF8PROC_COMPOSE);
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
    if (!isAscii(name)) {
        if (auto key = mapped(name, UTF8PROC_STABLE | UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD))
            return std::move(*key);
    }
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool sameProfileName(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) return false;  // ASCII is its own NFC
    const auto first = nfc(a);
    return first && first == nfc(b);
}

std::optional<std::vector<std::string>> catalogueOf(FileOps& ops, const std::string& folder,
                                                    const std::vector<FolderEntry>& entries) {
    const auto nameOf = [](const std::string& file) {
        return std::string_view(file).substr(0, file.size() - kExtension.size());
    };
    // Each key built once, sorted with the index of its entry.
    std::vector<std::pair<std::string, std::size_t>> keys;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& file = entries[i].name;
        // A leading dot also leaves out macOS's "._" files, which hold another file's metadata.
        if (file.size() <= kExtension.size() || file.front() == '.' ||
            !file.ends_with(kExtension) || !isRegularFile(ops, folder, entries[i]))
            continue;
        keys.emplace_back(sortKeyOf(nameOf(file)), i);
    }
    if (keys.empty()) return std::nullopt;
    // Names equal but for case (on a case-sensitive disk) keep one order too.
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (const int order = a.first.compare(b.first)) return order < 0;
        return nameOf(entries[a.second].name) < nameOf(entries[b.second].name);
    });
    std::vector<std::string> names;
    names.reserve(keys.size());
    for (const auto& key : keys)
        names.emplace_back(nameOf(entries[key.second].name));
    return names;
}

std::optional<std::vector<std::string>> collectFMLEProfiles(FileOps& ops,
                                                            const std::string& folder) {
    const auto entries = listFolder(ops, folder);
    return entries ? catalogueOf(ops, folder, *entries) : std::nullopt;
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
