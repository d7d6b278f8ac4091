// The window's menus and what each item runs.
#include <QAction>
#include <QDesktopServices>
#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

#include "app/Actions.h"
#include "app/Binder.h"
#include "app/ChangesView.h"
#include "app/Text.h"

namespace tolvane {

void Actions::buildMenus() {
    Form& form = binder_.form();
    QMenuBar* bar = window_.menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save Profile"));
    save->setShortcut(QKeySequence::Save);
    binder_.act(save, &QAction::triggered, [this] { saveProfile(); });
    QAction* saveAs = file->addAction(tr("Save Profile &As…"));
    // Not every desktop binds QKeySequence::SaveAs (a bare X11 session does not).
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this, [this] {
        // The name to save under, starting from the open one.
        if (auto* field = qobject_cast<QLineEdit*>(nameField_)) {
            if (const auto name = controller_.openProfileName()) {
                binder_.form().txtfldNewProfileName.setStringValue(*name);
                field->setText(qt(*name));
            }
            field->setFocus(Qt::ShortcutFocusReason);
            field->selectAll();
        }
    });
    QAction* revert = file->addAction(tr("Re&vert Profile"));
    binder_.act(revert, &QAction::triggered, [this] { revertProfile(); });
    file->addSeparator();
    QAction* import = file->addAction(tr("&Import Profile…"));
    binder_.act(import, &QAction::triggered, [this] { importProfile(pickFile_(true)); });
    QAction* exportAction = file->addAction(tr("&Export Profile…"));
    binder_.act(exportAction, &QAction::triggered, [this] { exportProfile(pickFile_(false)); });
    file->addAction(tr("Show Profile &Folder"), this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(decoded(controller_.fmleProfilePath())));
    });
    file->addSeparator();
    QAction* remove = file->addAction(tr("&Remove Profile"));
    binder_.act(remove, &QAction::triggered, [this] { removeProfile(); });
    binder_.view({&form.popupFMLEProfileNames}, {}, [remove, &form] {
        remove->setEnabled(form.popupFMLEProfileNames.selectedItem() != nullptr);
    });
    camTwistAction_ = file->addAction(tr("Save &CamTwist Settings"));
    binder_.act(camTwistAction_, &QAction::triggered, [this] { saveCamTwistSettings(); });
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), &window_, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    profileActions_ = {save, saveAs, exportAction};
    revert_ = revert;

    QMenu* view = viewMenu_ = bar->addMenu(tr("&View"));
    QAction* panel = view->addAction(tr("&Codec Options"));
    panel->setCheckable(true);
    binder_.act(panel, &QAction::triggered, [&form] { form.drawerEncoderSettings.toggle(); });
    binder_.view({&form.drawerEncoderSettings}, {},
                 [panel, &form] { panel->setChecked(form.drawerEncoderSettings.isOpen()); });
    changesAction_ = view->addAction(tr("C&hanges"));
    changesAction_->setCheckable(true);
    connect(changesAction_, &QAction::toggled, this, [this](bool on) {
        // Built when first wanted, so that start-up does not pay for it.
        if (!changesView_) {
            changesView_ = new ChangesView(&window_);
            window_.addDockWidget(Qt::BottomDockWidgetArea, changesView_);
            // A few rows, so that the form keeps most of the window.
            window_.resizeDocks({changesView_}, {changesView_->fontMetrics().height() * 8},
                                Qt::Vertical);
            connect(changesView_, &QDockWidget::visibilityChanged, changesAction_,
                    [this](bool visible) {
                        if (!changesView_->isHidden() || !visible)
                            changesAction_->setChecked(!changesView_->isHidden());
                    });
        }
        changesView_->setVisible(on);
        if (on) changesView_->show(controller_.pendingChanges());
    });

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

}  // namespace tolvane
