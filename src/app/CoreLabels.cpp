#include <QtGlobal>

// The core's tables name their controls in English; the window passes each name through tr() in
// the class that shows it, so lupdate learns them here, in that class's context.
namespace {

[[maybe_unused]] const char* const kEncoderPanelLabels[] = {
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Profile"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Level"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Keyframe frequency"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Quality"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Noise reduction"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Datarate window"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "CPU usage"),
};

}  // namespace
