#pragma once

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "app/Actions.h"
#include "app/Binder.h"
#include "controller/Tolvane.h"

class QLabel;
class QToolButton;

namespace tolvane {

// The window: the sections that show the controller's form and properties (Sections.h), its menus
// and status line (Actions), and what follows the profile folder on disk. It holds no rule of its
// own; every decision is the controller's.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Tolvane& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

    // After the controller's launch: shows the form with the first profile in it, in a window
    // that fits the screen, and names the profile or says why it did not open.
    void showStarted();
    Binder& binder() { return binder_; }
    Actions& actions() { return actions_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Watches the folder and the open profile's file, which a save replaces by another.
    // Afresh: without the watches kept on the profiles opened before.
    void watch(bool afresh);
    QString openFile();
    void diskChanged();
    // With no profile open the profile's controls rest, and the form says why.
    void showOpenState();
    void findResting();

    // Ended before the widgets, so that no view outlives them.
    Binder binder_;
    Actions actions_;
    QWidget* content_ = nullptr;  // the form, in the scroll area once shown
    QWidget* diskBar_ = nullptr;
    QLabel* diskText_ = nullptr;
    QToolButton* reload_ = nullptr;
    QLabel* closedText_ = nullptr;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // a burst of changes on disk is looked at once
    // What showOpenState() sets, found once rather than at every refresh; found again after a
    // part of the form is built late (the output panel).
    std::vector<QPointer<QWidget>> resting_;
    QPointer<QWidget> notice_;
    bool restingFound_ = false;
};

}  // namespace tolvane
