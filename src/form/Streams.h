#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Form.h"

// The streams FMLE sends at once, as the form holds them, and the name each reaches the server
// under.
namespace tolvane {

// A stream the form holds: stream 1 always, streams 2 and 3 where their bitrate is not empty.
struct StreamRow {
    std::size_t slot = 0;  // its controls, kStreamControls[slot]
    std::string bitrate;   // video Kbps, as typed
    std::string width;
    std::string height;
    // Video plus audio Kbps; nothing unless both are plain numbers.
    std::optional<int64_t> totalKbps;

    // The output size as FMLE's parameter %f gives it: width, "x", height.
    std::string frameSize() const { return width + "x" + height; }
};

// Whether a slot holds a stream: stream 1 always, a later one while it has a bitrate.
bool isPresentStream(const Form& form, std::size_t slot);

// The streams in the order FMLE numbers them (1 to 3).
std::vector<StreamRow> streamTable(const Form& form);

// Fills the first free slot with a copy of the stream before it, for the user to edit; false when
// three streams are there, or stream 1 has no bitrate to copy.
bool addStream(Form& form);

// Empties a slot; the streams after it move up. False when it would leave no stream, or for a slot
// beyond the third.
bool removeStream(Form& form, std::size_t slot);

// The name each stream reaches the server under, and what the window should warn of.
struct StreamNames {
    std::vector<std::string> names;  // one per stream, in stream order
    // Two or more streams arrive under one name (several streams and no parameter, or parameters
    // that are the same for each).
    bool sharedName = false;
    // The name holds both parameters and ";": FMLE then takes the parameters literally.
    bool parametersTakenLiterally = false;
    // A ";" list with fewer names than streams: the later streams get an empty name.
    bool namesMissing = false;
};

// Expands the stream name for each stream as FMLE does: %i the stream's number (1 to 3), %v its
// video bitrate, %f its frame size (WxH), %a the audio bitrate, %s the sample rate, %b the total
// (video plus audio; left as "%b" where either is no number). A name holding ";" gives one name
// per stream instead, in order; with parameters too, the parameters stay as written. Any other
// "%" stays as it is.
StreamNames resolveStreamNames(std::string_view streamName, const std::vector<StreamRow>& streams,
                               std::string_view audioBitrate, std::string_view sampleRate);

// The same for the form's stream name, streams, audio bitrate and sample rate.
StreamNames resolveStreamNames(const Form& form);

}  // namespace tolvane
