#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The leading integer of a text as a text field reads it: leading blanks, an optional sign, then
// decimal digits; 0 when no digit follows. Saturates at the 64-bit range instead of overflowing.
int64_t integerValue(std::string_view text);

// The pieces of a text between every occurrence of the separator; one piece without any.
std::vector<std::string> splitAt(std::string_view text, std::string_view separator);

// The text less its first or last character, a UTF-8 sequence counting as one character.
std::string_view withoutFirstCharacter(std::string_view text);
std::string_view withoutLastCharacter(std::string_view text);

}  // namespace tolvane
