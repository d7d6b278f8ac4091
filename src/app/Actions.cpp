#include "app/Actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>

#include "app/Binder.h"
#include "app/Text.h"
#include "app/Widgets.h"

namespace tolvane {

Actions::Actions(Binder& binder, QMainWindow& window)
    : binder_(binder), controller_(binder.controller()), window_(window) {
    buildMenus();
}

void Actions::addStatusLine() {
    failureIcon_ = new QLabel;
    failureIcon_->setObjectName(QStringLiteral("statusFailure"));
    failureIcon_->hide();
    status_ = new ElidedLabel(Qt::ElideMiddle);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    window_.statusBar()->addWidget(failureIcon_);
    window_.statusBar()->addWidget(status_, 1);
}

void Actions::buildMenus() {
    Form& form = binder_.form();
    QMenuBar* bar = window_.menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save Profile"));
    save->setShortcut(QKeySequence::Save);
    binder_.act(save, &QAction::triggered, [this] { saveProfile(); });
    QAction* remove = file->addAction(tr("&Remove Profile"));
    binder_.act(remove, &QAction::triggered, [this] { removeProfile(); });
    binder_.view({&form.popupFMLEProfileNames}, {}, [remove, &form] {
        remove->setEnabled(form.popupFMLEProfileNames.selectedItem() != nullptr);
    });
    QAction* camTwist = file->addAction(tr("Save &CamTwist Settings"));
    binder_.act(camTwist, &QAction::triggered, [this] { saveCamTwistSettings(); });
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), &window_, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* view = viewMenu_ = bar->addMenu(tr("&View"));
    QAction* panel = view->addAction(tr("&Codec Options"));
    panel->setCheckable(true);
    binder_.act(panel, &QAction::triggered, [&form] { form.drawerEncoderSettings.toggle(); });
    binder_.view({&form.drawerEncoderSettings}, {},
                 [panel, &form] { panel->setChecked(form.drawerEncoderSettings.isOpen()); });

    QMenu* help = bar->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About Tolvane"), this, [this] {
        QMessageBox::about(
            &window_, tr("About Tolvane"),
            tr("<h3>Tolvane %1</h3>"
               "<p>Prepares Flash Media Live Encoder 3.2 profiles and CamTwist's settings for "
               "live streaming.</p>"
               "<p>Licence: MIT</p>"
               "<p>Qt %2</p>")
                .arg(QStringLiteral(TOLVANE_VERSION), QString::fromLatin1(qVersion())));
    });
    about->setMenuRole(QAction::AboutRole);
}

void Actions::saveProfile() {
    Form& form = binder_.form();
    const std::string name = form.txtfldNewProfileName.stringValue();
    const SaveOutcome outcome = controller_.fmleSaveProfile();
    QString said = OutcomeText::of(FileAction::saveProfile, outcome);
    // The list is built once at start, so a new name shows there from the next start.
    if (outcome.ok() && !form.popupFMLEProfileNames.itemWithTitle(name))
        said = OutcomeText::notListedYet(said);
    say(said, !outcome.ok());
    if (outcome.kind == Outcome::Kind::refusedName && nameField_) nameField_->setFocus();
}

void Actions::removeProfile() {
    report(FileAction::removeProfile, controller_.removeFMLEProfile());
}

void Actions::saveCamTwistSettings() {
    report(FileAction::saveCamTwist, controller_.camTwistSaveConfig());
}

void Actions::profilePicked() {
    showTitle();
    const auto& failure = controller_.profileOpenFailure();
    if (binder_.form().popupFMLEProfileNames.title() && failure)
        report(FileAction::openProfile, *failure);
    else
        say({}, false);
}

void Actions::report(FileAction action, const Outcome& outcome) {
    say(OutcomeText::of(action, outcome), !outcome.ok());
}

void Actions::say(const QString& text, bool failure) {
    if (failure && failureIcon_->pixmap().isNull()) {
        QStyle* style = window_.style();
        const int size = style->pixelMetric(QStyle::PM_SmallIconSize);
        failureIcon_->setPixmap(style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
    }
    failureIcon_->setVisible(failure);
    status_->setFullText(text);
}

void Actions::showTitle() {
    const auto name = binder_.form().popupFMLEProfileNames.title();
    window_.setWindowTitle(name && controller_.currentFMLEProfile()
                               ? tr("%1 — Tolvane").arg(qt(*name))
                               : QStringLiteral("Tolvane"));
}

}  // namespace tolvane
