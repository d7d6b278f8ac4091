#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <tl/expected.hpp>
#include <vector>

#include "form/Changes.h"
#include "profile/ProfileDocument.h"

// The values of a profile that the form edits, as elements of its document: where each one is,
// its text, and how a changed one is written. One walk over the document finds them all.
namespace tolvane::profile {

// A profile's values are the ValueIds before CamTwist's.
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(ValueId::camTwistFrameRate);

constexpr std::size_t fieldIndex(ValueId id) {
    return static_cast<std::size_t>(id);
}
constexpr ValueId fieldAt(std::size_t index) {
    return static_cast<ValueId>(index);
}

// One text per value: its element's text, or nothing where the profile holds no such element or
// several.
using FieldTexts = std::array<std::optional<std::string>, kFieldCount>;

// The absolute path of a value's element, as in
// "/flashmedialiveencoder_profile/capture/video/device"; for an attribute it ends in "/@name",
// for a metadata value it picks the entry by its key ("entry[key='title']/value").
const char* fieldPath(ValueId id);

// Whether a value is the text of the element its path names, without an attribute or a key.
bool isElementTextField(ValueId id);

// Preserve aspect is the presence of its element; its text means nothing.
constexpr bool isPresenceField(ValueId id) {
    return id == ValueId::preserveAspect;
}

// Every value's text from the document of the root element, in one walk.
FieldTexts readFields(const XmlNode& root);

// A value to write into its element: a text, or nothing to remove the element. For preserve aspect
// any text makes the element present.
struct FieldWrite {
    ValueId id = ValueId::videoDevice;
    std::optional<std::string> value;
};

// A write that could not be made: the path of the element that is missing or held several times
// (matches), or no path when an element could not be inserted at its position.
struct WriteFailure {
    std::string path;
    std::size_t matches = 0;
};

// Writes the values, in the order given (each value once), into the document of the root element.
// Each touches its own element only:
// - a text value replaces the text of its one element, or removes it; a repeated element fails,
//   and so does a missing one of the values the form has always shown (from the video device to
//   the audio bitrate);
// - a value the form shows since (auto-adjust to metadata) is written into a profile that lacks
//   it by creating the element and whatever lacks above it, each among its known siblings in
//   FMLE's order; an attribute value changes only its attribute; a metadata value is that of the
//   one entry of its key, and a new entry (key, then value) joins the others in FMLE's order;
// - preserve aspect adds its element into the one process/video, creating only what is missing
//   (process at position 2 of the root), and removing it takes along a video and process that it
//   leaves empty;
// - an advanced option is set, added among the known options in their order, or removed, leaving
//   the other children as they are; advanced is created at position 3 of the last encode's last
//   video when missing (nothing is added when there is no such video), and goes when its last
//   option does and nothing else is in it.
// Stops at the first write that fails; the writes before it stay.
tl::expected<void, WriteFailure> writeFields(const XmlNode& root,
                                             const std::vector<FieldWrite>& writes);

}  // namespace tolvane::profile
