#include "form/Validation.h"

#include <algorithm>

namespace tolvane {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

bool isHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::optional<int64_t> typedNumber(std::string_view typed) {
    constexpr std::size_t kMaxDigits = 12;
    if (typed.empty() || typed.size() > kMaxDigits) return std::nullopt;
    int64_t value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isNumberInRange(std::string_view typed, int64_t min, int64_t max) {
    const auto value = typedNumber(typed);
    return value && *value >= min && *value <= max;
}

bool isVideoBitrate(std::string_view typed) {
    return isNumberInRange(typed, 1, 100'000);
}

bool isOutputDimension(std::string_view typed, bool h264) {
    return isNumberInRange(typed, 16, 8192) && (!h264 || *typedNumber(typed) % 2 == 0);
}

bool isPositiveLimit(std::string_view typed) {
    return isNumberInRange(typed, 1, INT32_MAX);
}

bool isDurationLimit(std::string_view hours, std::string_view minutes) {
    const auto h = hours.empty() ? std::optional<int64_t>(0) : typedNumber(hours);
    const auto m = minutes.empty() ? std::optional<int64_t>(0) : typedNumber(minutes);
    return h && m && *h <= INT32_MAX && *m <= 59 && *h + *m > 0;
}

bool isStreamURL(std::string_view url) {
    if (std::any_of(url.begin(), url.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7F; }))
        return false;
    std::string_view rest;
    if (startsWithIgnoringCase(url, "rtmp://")) {
        rest = url.substr(7);
    } else if (startsWithIgnoringCase(url, "rtmps://")) {
        rest = url.substr(8);
    } else {
        return false;
    }
    std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    std::string_view host = authority;
    std::string_view port;
    if (authority.starts_with('[')) {  // an IPv6 address
        const auto close = authority.find(']');
        if (close == std::string_view::npos || close == 1) return false;
        host = authority.substr(1, close - 1);
        if (!std::all_of(host.begin(), host.end(), [](char c) {
                return c == ':' || c == '.' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
                       (c >= 'A' && c <= 'F');
            }))
            return false;
        const std::string_view after = authority.substr(close + 1);
        if (!after.empty() && !after.starts_with(':')) return false;
        if (!after.empty()) port = after.substr(1);
        if (!after.empty() && port.empty()) return false;
    } else {
        if (const auto colon = authority.find(':'); colon != std::string_view::npos) {
            host = authority.substr(0, colon);
            port = authority.substr(colon + 1);
            if (port.empty()) return false;
        }
        if (host.empty() || !std::all_of(host.begin(), host.end(), isHostCharacter) ||
            host.front() == '.' || host.front() == '-')
            return false;
    }
    return port.empty() || isNumberInRange(port, 1, 65535);
}

}  // namespace tolvane
