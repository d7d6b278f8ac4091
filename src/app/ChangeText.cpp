#include "app/ChangeText.h"

#include <array>

#include "app/Text.h"

namespace tolvane {

namespace {

// In ValueId order.
constexpr std::array kNames{
    QT_TRANSLATE_NOOP("ChangeText", "Video device"),
    QT_TRANSLATE_NOOP("ChangeText", "Frame rate"),
    QT_TRANSLATE_NOOP("ChangeText", "Input width"),
    QT_TRANSLATE_NOOP("ChangeText", "Input height"),
    QT_TRANSLATE_NOOP("ChangeText", "Audio device"),
    QT_TRANSLATE_NOOP("ChangeText", "Sample rate"),
    QT_TRANSLATE_NOOP("ChangeText", "Channels"),
    QT_TRANSLATE_NOOP("ChangeText", "Input volume"),
    QT_TRANSLATE_NOOP("ChangeText", "Preserve aspect ratio"),
    QT_TRANSLATE_NOOP("ChangeText", "Video format"),
    QT_TRANSLATE_NOOP("ChangeText", "Video bitrate"),
    QT_TRANSLATE_NOOP("ChangeText", "Output size"),
    QT_TRANSLATE_NOOP("ChangeText", "H.264 profile"),
    QT_TRANSLATE_NOOP("ChangeText", "H.264 level"),
    QT_TRANSLATE_NOOP("ChangeText", "Keyframe frequency"),
    QT_TRANSLATE_NOOP("ChangeText", "Quality"),
    QT_TRANSLATE_NOOP("ChangeText", "Noise reduction"),
    QT_TRANSLATE_NOOP("ChangeText", "Datarate window"),
    QT_TRANSLATE_NOOP("ChangeText", "CPU usage"),
    QT_TRANSLATE_NOOP("ChangeText", "Audio format"),
    QT_TRANSLATE_NOOP("ChangeText", "Audio bitrate"),
    QT_TRANSLATE_NOOP("ChangeText", "Auto adjust"),
    QT_TRANSLATE_NOOP("ChangeText", "Maximum buffer size"),
    QT_TRANSLATE_NOOP("ChangeText", "Drop frames"),
    QT_TRANSLATE_NOOP("ChangeText", "Degrade quality"),
    QT_TRANSLATE_NOOP("ChangeText", "Minimum video bitrate"),
    QT_TRANSLATE_NOOP("ChangeText", "Preserve frame quality"),
    QT_TRANSLATE_NOOP("ChangeText", "Restart after days"),
    QT_TRANSLATE_NOOP("ChangeText", "Restart after hours"),
    QT_TRANSLATE_NOOP("ChangeText", "Restart after minutes"),
    QT_TRANSLATE_NOOP("ChangeText", "Reconnect attempts"),
    QT_TRANSLATE_NOOP("ChangeText", "Reconnect interval"),
    QT_TRANSLATE_NOOP("ChangeText", "Server URL"),
    QT_TRANSLATE_NOOP("ChangeText", "Backup URL"),
    QT_TRANSLATE_NOOP("ChangeText", "Stream name"),
    QT_TRANSLATE_NOOP("ChangeText", "Limit recording by size"),
    QT_TRANSLATE_NOOP("ChangeText", "Recording size limit"),
    QT_TRANSLATE_NOOP("ChangeText", "Limit recording by duration"),
    QT_TRANSLATE_NOOP("ChangeText", "Recording duration limit"),
    QT_TRANSLATE_NOOP("ChangeText", "Recording path"),
    QT_TRANSLATE_NOOP("ChangeText", "Title"),
    QT_TRANSLATE_NOOP("ChangeText", "Description"),
    QT_TRANSLATE_NOOP("ChangeText", "Author"),
    QT_TRANSLATE_NOOP("ChangeText", "Copyright"),
    QT_TRANSLATE_NOOP("ChangeText", "Keywords"),
    QT_TRANSLATE_NOOP("ChangeText", "Rating"),
    QT_TRANSLATE_NOOP("ChangeText", "CamTwist frame rate"),
    QT_TRANSLATE_NOOP("ChangeText", "CamTwist size"),
    QT_TRANSLATE_NOOP("ChangeText", "CamTwist custom size"),
};
static_assert(kNames.size() == static_cast<std::size_t>(ValueId::camTwistCustomVideoSize) + 1);

}  // namespace

QString ChangeText::nameOf(ValueId id) {
    return tr(kNames.at(static_cast<std::size_t>(id)));
}

QString ChangeText::valueOf(ValueId id, const std::optional<std::string>& text) {
    if (!text) return tr("(none)");
    if (text->empty()) return tr("(empty)");
    // The stream name is the private key of the stream: never shown.
    if (id == ValueId::streamName) return {qt(*text).size(), QChar(0x2022)};
    return qt(*text);
}

QString ChangeText::reasonOf(const Replacement& replacement) {
    const RuleReason& why = replacement.reason;
    switch (why.kind) {
        case RuleReason::Kind::samplerateNotOffered:
            return tr("%1 has no %2 Hz").arg(qt(why.format), qt(replacement.from));
        case RuleReason::Kind::bitrateNotOffered:
            return tr("%1 has no %2 Kbps at %3 Hz, %4")
                .arg(qt(why.format), qt(replacement.from), qt(why.samplerate), qt(why.channels));
        case RuleReason::Kind::monoOnly:
            return tr("%1 records in mono only").arg(qt(why.format));
        case RuleReason::Kind::formatNotOffered:
            return tr("%1 offers no %2").arg(qt(why.format), qt(replacement.from));
    }
    return {};
}

QString ChangeText::replaced(const Replacement& replacement) {
    return tr("%1 %2 → %3: %4")
        .arg(nameOf(replacement.id), qt(replacement.from), qt(replacement.to),
             reasonOf(replacement));
}

}  // namespace tolvane
