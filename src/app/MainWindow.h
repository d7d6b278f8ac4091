#pragma once

#include <QMainWindow>
#include <functional>
#include <vector>

#include "controller/Tolvane.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;
class QWidget;

namespace tolvane {

// The window: shows the controller's form and properties and forwards the user's edits. It holds
// no rule of its own; every decision is the controller's.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Tolvane& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

  private:
    using Action = std::function<void(int index)>;

    QComboBox* popUp(PopUpList& list, const char* name, const QString& label, Action pick);
    QComboBox* comboBox(ComboBox& box, const char* name, const QString& label);
    QLineEdit* textField(TextField& field, const char* name, const QString& label);
    QCheckBox* flag(Property property, const char* name, const QString& text, const QString& tip);
    // A pick in a list that selects the item in the model and then sends an action.
    Action selectThen(PopUpList& list, std::function<void()> action);
    Action setTag(PopUpList& list, void (Tolvane::*setter)(int32_t));

    QWidget* buildProfileSection();
    QWidget* buildVideoSection();
    QWidget* buildAudioSection();
    QWidget* buildCamTwistSection();
    QWidget* buildEncoderDrawer();
    void followProperty(Property property);
    void followStates();

    Tolvane& controller_;
    Form& form_;
    Tolvane::ObserverId observer_ = 0;
    std::vector<std::function<void()>> unsubscribe_;
    std::vector<std::function<void(Property)>> propertyViews_;

    QWidget* drawer_ = nullptr;
    QToolButton* drawerButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QLineEdit* customWidth_ = nullptr;
    QLineEdit* customHeight_ = nullptr;
    QGroupBox* h264Options_ = nullptr;
    QGroupBox* vp6Options_ = nullptr;
    QSlider* volume_ = nullptr;
};

}  // namespace tolvane
