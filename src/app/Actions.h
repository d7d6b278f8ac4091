#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/OutcomeText.h"
#include "controller/SaveOutcome.h"
#include "form/Changes.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace tolvane {

class Binder;
class ChangesView;
class ElidedLabel;
class Tolvane;

// The window's menus and the actions that touch a user's file, with what each says in the status
// bar: a failure carries a warning sign and stays until the next action. Nothing unsaved is
// dropped and no file replaced without a question.
class Actions : public QObject {
    Q_OBJECT

  public:
    // A question to the user: its text and buttons, with the text of the Yes button where it
    // needs one. Tests answer it themselves.
    struct Question {
        QString text;
        QMessageBox::StandardButtons buttons;
        QString yes;
    };
    using Ask = std::function<QMessageBox::StandardButton(const Question&)>;
    // A file to import from (open) or export to (not open); empty when cancelled.
    using PickFile = std::function<QString(bool open)>;
    using Resolve = std::function<std::optional<Resolutions>(const std::vector<Conflict>&)>;

    // Adds the menus to the window.
    Actions(Binder& binder, QMainWindow& window);
    ~Actions() override;
    // Adds the status line, where the actions say what they did.
    void addStatusLine();
    void setAsk(Ask ask) { ask_ = std::move(ask); }
    void setPickFile(PickFile pick) { pickFile_ = std::move(pick); }
    void setResolve(Resolve resolve) { resolve_ = std::move(resolve); }

    // Saves the open profile under its own name.
    void saveProfile();
    // Saves under the typed name, asking before it replaces another profile.
    void saveProfileAs();
    void removeProfile();
    void saveCamTwistSettings();
    void revertProfile();
    void importProfile(const QString& path);
    void exportProfile(const QString& path);
    // A profile file given from outside: opened where it is in the folder, else imported.
    void openProfileFile(const QString& path);
    // Loads the profile at this index of the list, once the open one's changes are settled;
    // false when the user cancelled.
    bool pickProfile(int index);
    // After a profile was picked, or loaded at launch: the title names it, or the status bar
    // says why it did not open.
    void profilePicked();
    // Settles unsaved changes before the window closes: false when the user cancelled.
    bool mayClose();
    // The list follows the folder; the open profile's file went or changed on disk.
    void folderChanged();
    // The field a refused name sends the user back to.
    void setNameField(QWidget* field) { nameField_ = field; }
    // The View menu, which the form's panels add their items to.
    QMenu* viewMenu() const { return viewMenu_; }
    // Follows the changes after each refresh: the title's mark, the count, the rules' words.
    void changesShown();
    // Whether CamTwist's file exists is looked at once, and again when this is called.
    void lookAgainAtCamTwistFile();

  signals:
    // The open profile is another file, or none.
    void profileOpened();

  private:
    void buildMenus();
    void report(FileAction action, const Outcome& outcome);
    void say(const QString& text, bool failure);
    void showTitle();
    bool settleProfileChanges();
    bool settleCamTwistChanges();
    // Asks to save, discard or cancel: whether to go on (saved, with `save`'s word, or discarded).
    bool saveOrDiscard(const QString& question, const std::function<bool()>& save);
    // Saves under the name in the field, repeating the save with the user's choices where values
    // changed on both sides; whether it saved.
    bool saveUnder();
    // Saves with `save`, asked again with the user's choices while values changed on both
    // sides; nothing when the user left them unsettled.
    template <typename Save>
    std::optional<SaveOutcome> settled(Save save);
    QMessageBox::StandardButton ask(const Question& question);
    // Asks before a profile named `shown` is replaced; whether to go on.
    bool mayReplace(const QString& shown, const QString& detail);

    Binder& binder_;
    Tolvane& controller_;
    QMainWindow& window_;
    Ask ask_;
    PickFile pickFile_;
    Resolve resolve_;
    QWidget* nameField_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QLabel* failureIcon_ = nullptr;
    ElidedLabel* status_ = nullptr;
    QLabel* count_ = nullptr;
    QToolButton* undo_ = nullptr;
    ChangesView* changesView_ = nullptr;
    QAction* changesAction_ = nullptr;
    std::vector<QAction*> profileActions_;  // enabled while a profile is open and valid
    QAction* revert_ = nullptr;
    QAction* camTwistAction_ = nullptr;
    QPointer<QWidget> camTwistSave_;  // found once, not at every refresh
    std::optional<bool> camTwistFileFound_;
    std::size_t replacementsSaid_ = 0;
    std::optional<Outcome> removed_;  // the last remove, which Undo takes back
};

}  // namespace tolvane
