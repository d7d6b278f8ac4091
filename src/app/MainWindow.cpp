#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Text.h"
#include "profile/ProfileFolder.h"

namespace tolvane {

MainWindow::MainWindow(Tolvane& controller, QWidget* parent)
    : QMainWindow(parent), binder_(controller), actions_(binder_, *this) {
    setWindowTitle(QStringLiteral("Tolvane[*]"));
    const WindowParts parts{binder_, actions_};
    content_ = formPage(parts);
    content_->setParent(this);  // owned by the window until the scroll area takes it
    content_->installEventFilter(this);
    // On a screen smaller than the form, the form scrolls rather than leaving the screen.
    auto* scroll = layout::scrollArea();

    // Above the form: the open profile's file changed on disk, or the form shows no profile.
    diskBar_ = new QWidget;
    diskBar_->setObjectName(QStringLiteral("diskBar"));
    diskText_ = new QLabel;
    diskText_->setObjectName(QStringLiteral("diskText"));
    diskText_->setWordWrap(true);
    // F5 rather than a mnemonic, as browsers and file managers reload.
    reload_ = layout::rowButton(tr("Reload"), QStringLiteral("buttonReload"), tr("Reload"),
                                tr("Show the profile as its file now holds it"));
    reload_->setShortcut(QKeySequence::Refresh);
    auto* keep = layout::button(tr("&Keep Editing"), "buttonKeepEditing", tr("Keep Editing"),
                                tr("Keep the form as it is; saving keeps both sides' changes"));
    auto* bar = new QHBoxLayout(diskBar_);
    bar->addWidget(diskText_, 1);
    bar->addWidget(reload_);
    bar->addWidget(keep);
    diskBar_->hide();
    connect(reload_, &QToolButton::clicked, this, [this] {
        diskBar_->hide();
        actions_.revertProfile();
        binder_.refresh();
    });
    connect(keep, &QPushButton::clicked, diskBar_, &QWidget::hide);
    closedText_ = new QLabel;
    closedText_->setObjectName(QStringLiteral("noticeNoProfile"));
    closedText_->setAccessibleName(tr("No profile open"));
    closedText_->setWordWrap(true);
    closedText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    closedText_->hide();

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(diskBar_);
    column->addWidget(closedText_);
    column->addWidget(scroll, 1);
    setCentralWidget(central);
    actions_.addStatusLine();

    settle_.setSingleShot(true);
    settle_.setInterval(150);
    connect(&settle_, &QTimer::timeout, this, &MainWindow::diskChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& file) {
        if (file == openFile()) {
            settle_.start();
            return;
        }
        // A profile opened before: watched afresh when it is opened again, as the watch may
        // follow a file that a save has replaced.
        watcher_.removePath(file);
    });
    connect(&actions_, &Actions::profileOpened, this, [this] {
        diskBar_->hide();
        watch(false);
    });
    connect(&binder_, &Binder::refreshed, this, &MainWindow::showOpenState);
}

MainWindow::~MainWindow() = default;

void MainWindow::showStarted() {
    binder_.refresh();
    // Given to the scroll area only now, which lays it out at once: once, with the first profile
    // in it and the encoder panel open.
    auto* scroll = centralWidget()->findChild<QScrollArea*>();
    scroll->setWidget(content_);
    // The size the form asks for, within the screen less room for the window's frame.
    const QSize wanted = content_->sizeHint() + QSize(0, menuBar()->sizeHint().height() +
                                                             statusBar()->sizeHint().height());
    if (const QScreen* shown = screen())
        resize(wanted.boundedTo(shown->availableGeometry().size() - QSize(8, 40)));
    show();
    actions_.profilePicked();
    watch(true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (actions_.mayClose())
        event->accept();
    else
        event->ignore();
}

QString MainWindow::openFile() {
    Tolvane& controller = binder_.controller();
    const auto name = controller.openProfileName();
    return name ? decoded(profile::profilePath(controller.fmleProfilePath(), *name)) : QString();
}

void MainWindow::changeEvent(QEvent* event) {
    // Back from another program, which may have been CamTwist.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        actions_.lookAgainAtCamTwistFile();
    QMainWindow::changeEvent(event);
}

void MainWindow::watch(bool afresh) {
    // Going back and forth between a few profiles keeps their files watched: removing a watch
    // is a system call that costs more than loading a profile.
    constexpr qsizetype kWatchedFiles = 8;
    QStringList files = watcher_.files();
    if (afresh || files.size() >= kWatchedFiles) {
        if (!files.isEmpty()) watcher_.removePaths(files);
        files.clear();
    }
    const QString folder = decoded(binder_.controller().fmleProfilePath());
    if (watcher_.directories().isEmpty() && QFileInfo(folder).isDir()) watcher_.addPath(folder);
    if (const QString file = openFile();
        !file.isEmpty() && !files.contains(file) && QFileInfo::exists(file))
        watcher_.addPath(file);
}

void MainWindow::diskChanged() {
    Tolvane& controller = binder_.controller();
    actions_.folderChanged();
    const auto name = controller.openProfileName();
    if (name && controller.openProfileChangedOnDisk()) {
        const bool gone = !QFileInfo::exists(openFile());
        diskText_->setText(gone ? tr("%1 was removed on disk. The form keeps it; Save writes it "
                                     "again.")
                                      .arg(quoted(qt(*name)))
                                : tr("Changed on disk: %1. Reload it, or keep editing and save "
                                     "with both sides' changes.")
                                      .arg(quoted(qt(*name))));
        reload_->setVisible(!gone);
        diskBar_->show();
    }
    watch(true);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_ &&
        (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved))
        restingFound_ = false;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::findResting() {
    resting_.clear();
    // The sections that show a profile's values; CamTwist's and the list's stay.
    for (auto* section : content_->findChildren<QGroupBox*>())
        if (!qobject_cast<CamTwistSection*>(section) &&
            !qobject_cast<CamTwistSection*>(section->parentWidget()))
            resting_.emplace_back(section);
    for (const char* name :
         {"txtfldNewProfileName", "popupFMLEVideoInputDeviceName", "popupFMLEAudioInputDevice"})
        if (auto* widget = content_->findChild<QWidget*>(QLatin1String(name)))
            resting_.emplace_back(widget);
    // Where start-up found no profile, the section's notice already says why.
    notice_ = content_->findChild<QWidget*>(QStringLiteral("noticeProfiles"));
    restingFound_ = true;
}

void MainWindow::showOpenState() {
    const Tolvane& controller = binder_.controller();
    const bool open = controller.currentFMLEProfile() != nullptr;
    if (!restingFound_) findResting();
    for (const QPointer<QWidget>& widget : resting_)
        if (widget) widget->setEnabled(open);
    const bool show = !open && !(notice_ && notice_->isVisible());
    if (show == closedText_->isVisible()) return;
    closedText_->setVisible(show);
    if (show)
        closedText_->setText(
            controller.fmleProfiles() && !controller.fmleProfiles()->empty()
                ? tr("No profile is open: pick one of %1 above, or import one.")
                      .arg(OutcomeText::userPath(controller.fmleProfilePath()))
                : tr("No profile is open: there is none in %1. Import one from the File menu.")
                      .arg(OutcomeText::userPath(controller.fmleProfilePath())));
}

}  // namespace tolvane
