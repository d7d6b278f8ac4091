#pragma once

#include <cstdint>
#include <string_view>

namespace tolvane {

// The leading integer of a text as a text field reads it: leading blanks, an optional sign, then
// decimal digits; 0 when no digit follows. Saturates at the 64-bit range instead of overflowing.
int64_t integerValue(std::string_view text);

}  // namespace tolvane
