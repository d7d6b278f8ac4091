#include "profile/ProfileCatalogue.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <tuple>

#include "platform/SafeFile.h"

namespace tolvane::profile {
namespace {

constexpr std::string_view kExtension = ".xml";

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The text as utf8proc maps it with these options; nothing when it is not UTF-8.
std::optional<std::string> mapped(std::string_view text, int options) {
    utf8proc_uint8_t* out = nullptr;
    const utf8proc_ssize_t size = utf8proc_map(
        reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
        static_cast<utf8proc_ssize_t>(text.size()), &out, static_cast<utf8proc_option_t>(options));
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(out, &std::free);
    if (size < 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(out), static_cast<std::size_t>(size));
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
    struct Profile {
        std::string key, name;
    };
    std::vector<Profile> profiles;
    for (const FolderEntry& entry : entries) {
        const std::string& file = entry.name;
        // A leading dot also leaves out macOS's "._" files, which hold another file's metadata.
        if (file.size() <= kExtension.size() || file.front() == '.' ||
            !file.ends_with(kExtension) || !isRegularFile(ops, folder, entry))
            continue;
        std::string name = file.substr(0, file.size() - kExtension.size());
        profiles.push_back({sortKeyOf(name), std::move(name)});
    }
    if (profiles.empty()) return std::nullopt;
    // Names equal but for case (on a case-sensitive disk) keep one order too.
    std::sort(profiles.begin(), profiles.end(), [](const Profile& a, const Profile& b) {
        return std::tie(a.key, a.name) < std::tie(b.key, b.name);
    });
    std::vector<std::string> names;
    names.reserve(profiles.size());
    for (Profile& profile : profiles)
        names.push_back(std::move(profile.name));
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
