#pragma once

#include <QObject>
#include <QString>

#include "app/OutcomeText.h"

class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace tolvane {

class Binder;
class ElidedLabel;
class Tolvane;

// The window's menus and the actions that touch a user's file, with what each says in the status
// bar: a failure carries a warning sign and stays until the next action.
class Actions : public QObject {
    Q_OBJECT

  public:
    // Adds the menus to the window.
    Actions(Binder& binder, QMainWindow& window);
    // Adds the status line, where the actions say what they did.
    void addStatusLine();

    void saveProfile();
    void removeProfile();
    void saveCamTwistSettings();
    // After a profile was picked, or loaded at launch: the title names it, or the status bar
    // says why it did not open.
    void profilePicked();
    // The field a refused name sends the user back to.
    void setNameField(QWidget* field) { nameField_ = field; }
    // The View menu, which the form's panels add their items to.
    QMenu* viewMenu() const { return viewMenu_; }

  private:
    void buildMenus();
    void report(FileAction action, const Outcome& outcome);
    void say(const QString& text, bool failure);
    void showTitle();

    Binder& binder_;
    Tolvane& controller_;
    QMainWindow& window_;
    QWidget* nameField_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QLabel* failureIcon_ = nullptr;
    ElidedLabel* status_ = nullptr;
};

}  // namespace tolvane
