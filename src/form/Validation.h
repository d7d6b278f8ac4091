#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Checks of what a user types, for the window to use before it enables Save. The core itself
// never refuses a text, least of all one kept from the file as it was.
namespace tolvane {

// A number as a user types it: decimal digits only (no blank, sign or separator). Nothing for an
// empty text, any other character, or more than a trillion.
std::optional<int64_t> typedNumber(std::string_view typed);

// A typed number from min to max.
bool isNumberInRange(std::string_view typed, int64_t min, int64_t max);

// A video bitrate: 1 to 100,000 Kbps.
bool isVideoBitrate(std::string_view typed);

// An output width or height: 16 to 8192 pixels, and even for H.264.
bool isOutputDimension(std::string_view typed, bool h264);

// A recording limit (MB) and the like: 1 or more.
bool isPositiveLimit(std::string_view typed);

// A recording duration limit: hours and minutes numbers or empty (0), minutes up to 59, together
// more than none.
bool isDurationLimit(std::string_view hours, std::string_view minutes);

// A server address FMLE can publish to: "rtmp://" or "rtmps://" (in any case), a host, then
// optionally ":port" (1 to 65535) and a path; no blank or control character anywhere.
bool isStreamURL(std::string_view url);

}  // namespace tolvane
