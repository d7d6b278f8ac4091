#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a save would change in a user's file, and why: the values the form edits, the choices the
// encoding rules replaced, and the values that changed both here and on disk.
namespace tolvane {

// A value of a user's file that the form shows and a save may change: one element of an FMLE
// profile, or one key of CamTwist's preferences. The window names each in words of its own.
enum class ValueId : std::uint8_t {
    // The FMLE profile, in the order a profile holds them.
    videoDevice,                // capture/video/device
    frameRate,                  // capture/video/frame_rate
    inputWidth,                 // capture/video/size/width
    inputHeight,                // capture/video/size/height
    audioDevice,                // capture/audio/device
    sampleRate,                 // capture/audio/sample_rate
    channels,                   // capture/audio/channels
    inputVolume,                // capture/audio/input_volume
    preserveAspect,             // process/video/preserve_aspect, by its presence
    videoFormat,                // encode/video/format
    videoBitrate,               // encode/video/datarate
    outputSize,                 // encode/video/outputsize
    advancedProfile,            // encode/video/advanced/profile (H.264)
    advancedLevel,              // encode/video/advanced/level (H.264)
    advancedKeyframeFrequency,  // encode/video/advanced/keyframe_frequency (either codec)
    advancedQuality,            // encode/video/advanced/quality (VP6)
    advancedNoiseReduction,     // encode/video/advanced/noise_reduction (VP6)
    advancedDatarateWindow,     // encode/video/advanced/datarate_window (VP6)
    advancedCpuUsage,           // encode/video/advanced/cpu_usage (VP6)
    audioFormat,                // encode/audio/format
    audioBitrate,               // encode/audio/datarate
    // The values a streamer changes between shows, in the order a profile holds them. "true" or
    // "false" where the form shows a check box.
    autoAdjust,                      // encode/video/autoadjust/enable
    autoAdjustMaxBufferSize,         // encode/video/autoadjust/maxbuffersize
    autoAdjustDropFrames,            // encode/video/autoadjust/dropframes/enable
    autoAdjustDegradeQuality,        // encode/video/autoadjust/degradequality/enable
    autoAdjustMinVideoBitrate,       // encode/video/autoadjust/degradequality/minvideobitrate
    autoAdjustPreserveFrameQuality,  // encode/video/autoadjust/degradequality/preservepfq
    restartDays,                     // restartinterval/days
    restartHours,                    // restartinterval/hours
    restartMinutes,                  // restartinterval/minutes
    reconnectAttempts,               // reconnectinterval/attempts
    reconnectInterval,               // reconnectinterval/interval
    streamURL,                       // output/rtmp/url
    backupURL,                       // output/rtmp/backup_url
    streamName,                      // output/rtmp/stream, which holds the private key
    recordingLimitBySize,            // output/file/limitbysize, its enable attribute
    recordingSizeLimit,              // output/file/limitbysize, in MB
    recordingLimitByDuration,        // output/file/limitbyduration, its enable attribute
    recordingDurationLimit,          // output/file/limitbyduration, "H" or "H:MM"
    recordingPath,                   // output/file/path
    metadataTitle,                   // metadata: the value of the entry whose key is "title"
    metadataDescription,             // ... "description"
    metadataAuthor,                  // ... "author"
    metadataCopyright,               // ... "copyright"
    metadataKeywords,                // ... "keywords"
    metadataRating,                  // ... "rating"
    // CamTwist's preferences.
    camTwistFrameRate,        // "frameRate"
    camTwistVideoSize,        // "videoSize"
    camTwistCustomVideoSize,  // "usingCustomVideoSize"
};

constexpr bool isCamTwistValue(ValueId id) {
    return id >= ValueId::camTwistFrameRate;
}

// Why the encoding rules replaced a choice. The titles are those the lists show.
struct RuleReason {
    enum class Kind : std::uint8_t {
        samplerateNotOffered,  // the audio format has no such sample rate
        bitrateNotOffered,     // the audio format has no such bitrate at this rate and channels
        monoOnly,              // the audio format records in mono only
        formatNotOffered,      // the video codec offers no such audio format
    };
    Kind kind = Kind::samplerateNotOffered;
    std::string format;      // the audio format, or for formatNotOffered the video codec
    std::string samplerate;  // bitrateNotOffered: the sample rate in force
    std::string channels;    // bitrateNotOffered: the channels in force

    friend bool operator==(const RuleReason&, const RuleReason&) = default;
};

// A choice the rules replaced, from one title to another.
struct Replacement {
    ValueId id = ValueId::sampleRate;
    std::string from;
    std::string to;
    RuleReason reason;

    friend bool operator==(const Replacement&, const Replacement&) = default;
};

// A value that a save would change. Nothing on a side means no such element (or key): stored
// nothing is a value the file lacks, written nothing one the save removes.
struct Change {
    ValueId id = ValueId::videoDevice;
    std::optional<std::string> stored;   // the file's text as loaded
    std::optional<std::string> written;  // the text the save writes
    // Set when the encoding rules made the change, with why; otherwise the user made it.
    std::optional<Replacement> rule;
};

// A value that changed here and in the file on disk since it was loaded, to different texts.
struct Conflict {
    ValueId id = ValueId::videoDevice;
    std::optional<std::string> loaded;  // the file's text when it was loaded
    std::optional<std::string> mine;    // the text this save would write
    std::optional<std::string> theirs;  // the file's text now
};

// Whose text a repeated save keeps for a conflicting value.
enum class Keep : std::uint8_t { mine, theirs };
using Resolutions = std::vector<std::pair<ValueId, Keep>>;

}  // namespace tolvane
