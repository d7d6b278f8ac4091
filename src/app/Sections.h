#pragma once

#include <QGroupBox>
#include <QWidget>

namespace tolvane {

class Actions;
class Binder;

// What each section of the window is built from: the binder that shows the form and hands edits
// back (with the controller behind it), and the actions its buttons run.
struct WindowParts {
    Binder& binder;
    Actions& actions;
};

// The whole form: every section below, laid out (FormPage.cpp).
QWidget* formPage(const WindowParts& parts);

// The profile to load, the name to save under and the capture devices, with a notice where
// start-up found no profile folder or CamTwist file (ProfileSection.cpp).
class ProfileSection : public QWidget {
    Q_OBJECT

  public:
    explicit ProfileSection(const WindowParts& parts);
};

// FMLE's video: frame rate, input size, codec, output size, bitrate and the total bitrate budget
// (VideoSection.cpp).
class VideoSection : public QGroupBox {
    Q_OBJECT

  public:
    explicit VideoSection(const WindowParts& parts);
};

// FMLE's audio: format, sample rate, channels, bitrate and input volume (AudioSection.cpp).
class AudioSection : public QGroupBox {
    Q_OBJECT

  public:
    explicit AudioSection(const WindowParts& parts);
};

// The encoder settings drawer: the chosen codec's advanced options and the aspect ratio
// (EncoderPanel.cpp).
class EncoderPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit EncoderPanel(const WindowParts& parts);
};

// CamTwist's frame rate and size, and saving them into its settings (CamTwistSection.cpp).
class CamTwistSection : public QGroupBox {
    Q_OBJECT

  public:
    explicit CamTwistSection(const WindowParts& parts);
};

}  // namespace tolvane
