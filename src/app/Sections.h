#pragma once

#include <QGroupBox>
#include <QWidget>
#include <array>
#include <cstddef>

#include "form/Changes.h"
#include "form/Form.h"

class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

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

// FMLE's video: frame rate, input size and codec (VideoSection.cpp).
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

// Up to three streams, each a video bitrate and an output size with its total, and the total
// bitrate budget that sets stream 1's (StreamsSection.cpp).
// A second or third stream's row is built when first shown.
class StreamsSection : public QGroupBox {
    Q_OBJECT

  public:
    explicit StreamsSection(const WindowParts& parts);

  private:
    // One stream's widgets, which follow the streams together.
    struct Row {
        std::array<QWidget*, 9> cells{};
        QToolButton* remove = nullptr;
        QComboBox* bitrate = nullptr;
        QLabel* total = nullptr;
    };
    void addRow(std::size_t slot);

    Binder& binder_;
    QGridLayout* grid_;
    QWidget* belowRows_ = nullptr;  // the first widget after the rows
    std::array<Row, kMaxStreams> rows_{};
};

// The codec options drawer: the chosen codec's advanced options and the aspect ratio
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

// FMLE's output and the rest it keeps between shows: the destination with the stream names the
// server receives, recording to a file, auto-adjust, restart and reconnect, and the metadata. A
// window of its own, opened from the View menu and built when first opened (OutputPanel.cpp).
class OutputPanel : public QWidget {
    Q_OBJECT

  public:
    OutputPanel(const WindowParts& parts, QWidget* owner);

  signals:
    void shownChanged(bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // A field of kProfileTexts, described for screen readers.
    static QLineEdit* field(Binder& binder, ValueId id, const QString& description);
    // The destination's rows (OutputDestination.cpp).
    static QFormLayout* destinationRows(Binder& binder);
};

// The View menu's item that opens the output panel, built then; owned by `owner`.
void addOutputPanelItem(const WindowParts& parts, QWidget* owner);

}  // namespace tolvane
