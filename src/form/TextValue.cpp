#include "form/TextValue.h"

#include <limits>

namespace tolvane {

int64_t integerValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' ||
                                text[at] == '\r' || text[at] == '\f' || text[at] == '\v'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    // Accumulated as a negative number, whose range reaches the minimum.
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const int digit = text[at] - '0';
        if (value < (kMin + digit) / 10) {
            value = kMin;
            while (at < text.size() && text[at] >= '0' && text[at] <= '9')
                ++at;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative) return value;
    return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

std::vector<std::string> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string_view::npos;
         from = at + separator.size())
        pieces.emplace_back(text.substr(from, at - from));
    pieces.emplace_back(text.substr(from));
    return pieces;
}

namespace {
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

std::string_view withoutFirstCharacter(std::string_view text) {
    std::size_t begin = text.empty() ? 0 : 1;
    while (begin < text.size() && isContinuationByte(text[begin]))
        ++begin;
    return text.substr(begin);
}

std::string_view withoutLastCharacter(std::string_view text) {
    if (text.empty()) return text;
    std::size_t end = text.size() - 1;
    while (end > 0 && isContinuationByte(text[end]))
        --end;
    return text.substr(0, end);
}

}  // namespace tolvane
