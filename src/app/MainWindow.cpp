#include "app/MainWindow.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "app/Sections.h"

namespace tolvane {

MainWindow::MainWindow(Tolvane& controller, QWidget* parent)
    : QMainWindow(parent), binder_(controller), actions_(binder_, *this) {
    setWindowTitle(QStringLiteral("Tolvane"));
    const WindowParts parts{binder_, actions_};
    content_ = formPage(parts);
    content_->setParent(this);  // owned by the window until the scroll area takes it
    // On a screen smaller than the form, the form scrolls rather than leaving the screen.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    // No Tab stop of its own between the last control and the first.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);
    actions_.addStatusLine();
}

MainWindow::~MainWindow() = default;

void MainWindow::showStarted() {
    binder_.refresh();
    // Given to the scroll area only now, which lays it out at once: once, with the first profile
    // in it and the encoder panel open.
    static_cast<QScrollArea*>(centralWidget())->setWidget(content_);
    // The size the form asks for, within the screen less room for the window's frame.
    const QSize wanted = content_->sizeHint() + QSize(0, menuBar()->sizeHint().height() +
                                                             statusBar()->sizeHint().height());
    if (const QScreen* shown = screen())
        resize(wanted.boundedTo(shown->availableGeometry().size() - QSize(8, 40)));
    show();
    actions_.profilePicked();
}

}  // namespace tolvane
