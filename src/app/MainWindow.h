#pragma once

#include <QMainWindow>

#include "app/Actions.h"
#include "app/Binder.h"
#include "controller/Tolvane.h"

namespace tolvane {

// The window: the sections that show the controller's form and properties (Sections.h), its menus
// and status line (Actions). It holds no rule of its own; every decision is the controller's.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Tolvane& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

    // After the controller's launch: shows the form with the first profile in it, in a window
    // that fits the screen, and names the profile or says why it did not open.
    void showStarted();
    Binder& binder() { return binder_; }

  private:
    // Ended before the widgets, so that no view outlives them.
    Binder binder_;
    Actions actions_;
    QWidget* content_ = nullptr;  // the form, in the scroll area once shown
};

}  // namespace tolvane
