#pragma once

#include <QMainWindow>
#include <functional>
#include <vector>

#include "app/OutcomeText.h"
#include "controller/Tolvane.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace tolvane {

class ElidedLabel;

// The window: shows the controller's form and properties and forwards the user's edits. It holds
// no rule of its own; every decision is the controller's. What an action did with a file is said
// in the status bar until the next action.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Tolvane& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

    // After the controller's launch: names the loaded profile, says if it could not be opened,
    // and fits the window to the screen.
    void followLaunch();

  private:
    using Action = std::function<void(int index)>;
    // How a list marks a value kept from a profile: a device that is not connected here, or a
    // value the list does not offer.
    enum class Kept { device, value };

    QComboBox* popUp(PopUpList& list, const char* name, const QString& description, Action pick,
                     Kept kept = Kept::value);
    QComboBox* comboBox(ComboBox& box, const char* name, const QString& description);
    QLineEdit* textField(TextField& field, const char* name, const QString& description);
    QCheckBox* flag(Property property, const char* name, const QString& text, const QString& tip);
    // A pick in a list that selects the item in the model and then sends an action.
    Action selectThen(PopUpList& list, std::function<void()> action);
    Action setTag(PopUpList& list, void (Tolvane::*setter)(int32_t));

    void buildMenus();
    QWidget* buildProfileBar();
    QWidget* buildVideoSection();
    QWidget* buildAudioSection();
    QWidget* buildCamTwistSection();
    QWidget* buildEncoderPanel();
    void followProperty(Property property);
    void followStates();

    void saveProfile();
    void removeProfile();
    void saveCamTwistSettings();
    void profilePicked();
    void report(FileAction action, const Outcome& outcome);
    void say(const QString& text, bool failure);
    void showTitle();

    Tolvane& controller_;
    Form& form_;
    // The models' subscriptions, which end with the window.
    std::vector<Subscription> subscriptions_;
    std::vector<std::function<void(Property)>> propertyViews_;
    bool built_ = false;  // until then, the controls are not all there to follow

    QWidget* panel_ = nullptr;
    QAction* panelAction_ = nullptr;
    QAction* removeAction_ = nullptr;
    QLineEdit* profileName_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QComboBox* camTwistSizes_ = nullptr;
    QLineEdit* customWidth_ = nullptr;
    QLineEdit* customHeight_ = nullptr;
    QWidget* h264Options_ = nullptr;
    QWidget* vp6Options_ = nullptr;
    QLabel* failureIcon_ = nullptr;
    ElidedLabel* status_ = nullptr;
};

}  // namespace tolvane
