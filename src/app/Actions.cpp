#include "app/Actions.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/Binder.h"
#include "app/ChangeText.h"
#include "app/ChangesView.h"
#include "app/Layout.h"
#include "app/Text.h"
#include "app/Widgets.h"

namespace tolvane {

namespace {

std::vector<Change> profileChanges(const Tolvane& controller) {
    std::vector<Change> changes = controller.pendingChanges();
    std::erase_if(changes, [](const Change& change) { return isCamTwistValue(change.id); });
    return changes;
}

bool camTwistChanged(const Tolvane& controller) {
    const auto changes = controller.pendingChanges();
    return std::any_of(changes.begin(), changes.end(),
                       [](const Change& change) { return isCamTwistValue(change.id); });
}

}  // namespace

Actions::Actions(Binder& binder, QMainWindow& window)
    : binder_(binder), controller_(binder.controller()), window_(window) {
    ask_ = [this](const Question& question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tolvane"), question.text,
                        question.buttons, &window_);
        if (!question.yes.isEmpty()) box.button(QMessageBox::Yes)->setText(question.yes);
        box.setDefaultButton(question.buttons.testFlag(QMessageBox::Save) ? QMessageBox::Save
                                                                          : QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    pickFile_ = [this](bool open) {
        const QString filter = tr("FMLE profiles (*.xml);;All files (*)");
        return open ? QFileDialog::getOpenFileName(&window_, tr("Import Profile"), {}, filter)
                    : QFileDialog::getSaveFileName(&window_, tr("Export Profile"), {}, filter);
    };
    resolve_ = [this](const std::vector<Conflict>& conflicts) {
        return askResolutions(&window_, conflicts);
    };
    buildMenus();
    connect(&binder_, &Binder::refreshed, this, &Actions::changesShown);
}

Actions::~Actions() = default;

void Actions::addStatusLine() {
    failureIcon_ = new QLabel;
    failureIcon_->setObjectName(QStringLiteral("statusFailure"));
    failureIcon_->setAccessibleName(tr("Failed"));
    failureIcon_->hide();
    status_ = new ElidedLabel(Qt::ElideMiddle);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Ctrl+Z rather than a mnemonic, as Undo is everywhere.
    undo_ = layout::rowButton(tr("Undo"), QStringLiteral("buttonUndoRemove"), tr("Undo"),
                              tr("Put the removed profile back from the trash"));
    undo_->setShortcut(QKeySequence::Undo);
    undo_->hide();
    connect(undo_, &QToolButton::clicked, this, [this] {
        if (!removed_ || !settleProfileChanges()) return;
        const Outcome removed = *std::exchange(removed_, std::nullopt);
        if (auto restored = controller_.restoreRemovedProfile(removed); !restored)
            report(FileAction::restoreProfile, restored.error());
        else
            say(tr("Put back %1").arg(quoted(OutcomeText::profileName(removed.path))), false);
        replacementsSaid_ = controller_.replacements().size();
        showTitle();
        emit profileOpened();
        binder_.refresh();
    });
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("statusChanges"));
    count_->setAccessibleName(tr("Unsaved changes"));
    window_.statusBar()->addWidget(failureIcon_);
    window_.statusBar()->addWidget(status_, 1);
    window_.statusBar()->addPermanentWidget(undo_);
    window_.statusBar()->addPermanentWidget(count_);
}

QMessageBox::StandardButton Actions::ask(const Question& question) {
    return ask_(question);
}

void Actions::saveProfile() {
    const auto name = controller_.openProfileName();
    if (!name) {
        saveProfileAs();
        return;
    }
    binder_.form().txtfldNewProfileName.setStringValue(*name);
    saveUnder();
}

void Actions::saveProfileAs() {
    const std::string name = binder_.form().txtfldNewProfileName.stringValue();
    if (const auto replaced = controller_.profileReplacedBy(name)) {
        const QString shown = quoted(qt(*replaced));
        if (!mayReplace(shown,
                        tr("A profile named %1 exists. Saving replaces it with these settings.")
                            .arg(shown)))
            return;
    }
    saveUnder();
}

bool Actions::mayReplace(const QString& shown, const QString& detail) {
    return ask({tr("Replace %1?").arg(shown) + QStringLiteral("\n\n") + detail,
                QMessageBox::Yes | QMessageBox::Cancel, tr("&Replace")}) == QMessageBox::Yes;
}

template <typename Save>
std::optional<SaveOutcome> Actions::settled(Save save) {
    SaveOutcome outcome = save(Resolutions{});
    while (outcome.kind == Outcome::Kind::conflict && !outcome.conflicts.empty()) {
        const auto keep = resolve_(outcome.conflicts);
        if (!keep) return std::nullopt;
        outcome = save(*keep);
    }
    return outcome;
}

bool Actions::saveUnder() {
    const auto saved =
        settled([this](const Resolutions& keep) { return controller_.fmleSaveProfile(keep); });
    if (!saved) {
        say(tr("Not saved: the values changed on disk too are left for you to settle"), false);
        return false;
    }
    const SaveOutcome& outcome = *saved;
    if (outcome.ok()) {
        controller_.refreshFMLEProfiles();
        replacementsSaid_ = controller_.replacements().size();
        emit profileOpened();
    }
    report(FileAction::saveProfile, outcome);
    if (outcome.kind == Outcome::Kind::refusedName && nameField_) nameField_->setFocus();
    showTitle();
    return outcome.ok();
}

void Actions::removeProfile() {
    const auto name = binder_.form().popupFMLEProfileNames.title();
    if (name && !controller_.hasTrash() &&
        ask({tr("Delete %1 for good?").arg(quoted(qt(*name))) + QStringLiteral("\n\n") +
                 tr("There is no trash here to take it back from."),
             QMessageBox::Yes | QMessageBox::Cancel, tr("&Delete")}) != QMessageBox::Yes)
        return;
    const Outcome outcome = controller_.removeFMLEProfile();
    report(FileAction::removeProfile, outcome);
    if (!outcome.ok()) return;
    // The next profile takes the removed one's place.
    PopUpList& names = binder_.form().popupFMLEProfileNames;
    const int index = names.indexOfSelectedItem();
    if (name && controller_.openProfileName() == name) controller_.closeFMLEProfile();
    controller_.refreshFMLEProfiles();
    names.selectItemAtIndex(std::min(index, names.numberOfItems() - 1));
    controller_.fmleProfileSelected(names);
    replacementsSaid_ = controller_.replacements().size();
    showTitle();
    emit profileOpened();
    if (outcome.kind == Outcome::Kind::trashed && !outcome.detail.empty()) {
        removed_ = outcome;
        undo_->show();
    }
}

void Actions::lookAgainAtCamTwistFile() {
    camTwistFileFound_.reset();
    changesShown();
}

void Actions::saveCamTwistSettings() {
    camTwistFileFound_.reset();
    const auto saved =
        settled([this](const Resolutions& keep) { return controller_.camTwistSaveConfig(keep); });
    if (saved) report(FileAction::saveCamTwist, *saved);
}

void Actions::revertProfile() {
    const auto name = controller_.openProfileName();
    if (!name) return;
    const auto reverted = controller_.revertFMLEProfile();
    profilePicked();
    if (reverted) say(tr("Reverted %1 to its file").arg(quoted(qt(*name))), false);
    emit profileOpened();
}

void Actions::importProfile(const QString& path) {
    if (path.isEmpty()) return;
    const std::string file = QFile::encodeName(path).toStdString();
    if (!settleProfileChanges()) return;
    if (const auto existing = controller_.existingProfile(Tolvane::importedProfileName(file))) {
        const QString shown = quoted(qt(*existing));
        if (!mayReplace(shown, tr("A profile named %1 exists. Importing replaces it with %2.")
                                   .arg(shown, OutcomeText::userPath(file))))
            return;
    }
    const auto imported = controller_.importFMLEProfile(file);
    showTitle();
    emit profileOpened();
    if (!imported) {
        report(FileAction::importProfile, imported.error());
        return;
    }
    replacementsSaid_ = controller_.replacements().size();
    say(tr("Imported %1 from %2").arg(quoted(qt(*imported)), OutcomeText::userPath(file)), false);
}

void Actions::exportProfile(const QString& path) {
    if (path.isEmpty()) return;
    report(FileAction::exportProfile,
           controller_.exportFMLEProfile(QFile::encodeName(path).toStdString()));
}

void Actions::openProfileFile(const QString& path) {
    const std::string file = QFile::encodeName(path).toStdString();
    if (!controller_.isInProfileFolder(file)) {
        importProfile(path);
        binder_.refresh();
        return;
    }
    const int index = binder_.form().popupFMLEProfileNames.indexOfItemWithTitle(
        Tolvane::importedProfileName(file));
    if (index >= 0) pickProfile(index);
    binder_.refresh();
}

bool Actions::pickProfile(int index) {
    PopUpList& names = binder_.form().popupFMLEProfileNames;
    if (index == names.indexOfSelectedItem() && controller_.openProfileName()) return true;
    if (!settleProfileChanges()) return false;
    names.selectItemAtIndex(index);
    controller_.fmleProfileSelected(names);
    profilePicked();
    emit profileOpened();
    return true;
}

void Actions::profilePicked() {
    showTitle();
    // What the load's own steps replaced is listed under Changes where it stays a change; the
    // status bar says what the user's picks make the rules do.
    replacementsSaid_ = controller_.replacements().size();
    const auto& failure = controller_.profileOpenFailure();
    if (binder_.form().popupFMLEProfileNames.title() && failure)
        report(FileAction::openProfile, *failure);
    else
        say({}, false);
}

bool Actions::saveOrDiscard(const QString& question, const std::function<bool()>& save) {
    switch (ask({question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, {}})) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool Actions::settleProfileChanges() {
    const auto name = controller_.openProfileName();
    if (!name || profileChanges(controller_).empty()) return true;
    return saveOrDiscard(tr("Save the changes to %1?").arg(quoted(qt(*name))), [this, &name] {
        binder_.form().txtfldNewProfileName.setStringValue(*name);
        return saveUnder();
    });
}

bool Actions::settleCamTwistChanges() {
    if (!camTwistChanged(controller_)) return true;
    return saveOrDiscard(tr("Save the changes to CamTwist's settings?"), [this] {
        saveCamTwistSettings();
        return !camTwistChanged(controller_);
    });
}

bool Actions::mayClose() {
    const bool settled = settleProfileChanges() && settleCamTwistChanges();
    binder_.refresh();
    return settled;
}

void Actions::folderChanged() {
    controller_.refreshFMLEProfiles();
    binder_.refresh();
}

void Actions::changesShown() {
    const std::vector<Change> changes = controller_.pendingChanges();
    // Qt sets the title again at each call, changed or not.
    if (window_.isWindowModified() == changes.empty()) window_.setWindowModified(!changes.empty());
    if (count_)
        count_->setText(changes.empty() ? QString()
                        : changes.size() == 1
                            ? tr("1 unsaved change")
                            : tr("%n unsaved changes", nullptr, static_cast<int>(changes.size())));
    if (changesView_ && changesView_->isVisible()) changesView_->show(changes);
    // Each choice the rules replaced is said, the newest last.
    const auto& replacements = controller_.replacements();
    if (replacements.size() < replacementsSaid_) replacementsSaid_ = 0;
    if (replacements.size() > replacementsSaid_) {
        QStringList said;
        for (std::size_t i = replacementsSaid_; i < replacements.size(); ++i)
            said.append(ChangeText::replaced(replacements[i]));
        replacementsSaid_ = replacements.size();
        say(said.join(QStringLiteral("; ")), false);
    }
    const bool open = controller_.currentFMLEProfile() != nullptr;
    const bool valid = binder_.validity().reason(Validity::Scope::profile).isEmpty();
    for (QAction* action : profileActions_)
        action->setEnabled(open && valid);
    revert_->setEnabled(open);
    // Tolvane never creates CamTwist's file: CamTwist does, while another window is in front.
    if (!camTwistFileFound_)
        camTwistFileFound_ = QFileInfo::exists(decoded(controller_.camTwistPrefPath()));
    const bool camTwist =
        *camTwistFileFound_ && binder_.validity().reason(Validity::Scope::camTwist).isEmpty();
    if (camTwistAction_) camTwistAction_->setEnabled(camTwist);
    if (!camTwistSave_)
        camTwistSave_ = window_.findChild<QWidget*>(QStringLiteral("buttonCamTwistSaveConfig"));
    if (camTwistSave_) camTwistSave_->setEnabled(camTwist);
}

void Actions::report(FileAction action, const Outcome& outcome) {
    say(OutcomeText::of(action, outcome), !outcome.ok());
}

void Actions::say(const QString& text, bool failure) {
    if (!status_) return;  // before the status line is built
    if (failure && failureIcon_->pixmap().isNull()) {
        QStyle* style = window_.style();
        const int size = style->pixelMetric(QStyle::PM_SmallIconSize);
        failureIcon_->setPixmap(style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
    }
    failureIcon_->setVisible(failure);
    status_->setFullText(text);
    if (text.isEmpty() && status_->accessibleName() != tr("Status"))
        status_->setAccessibleName(tr("Status"));
    // Undo stays offered only beside the message of the remove it takes back.
    undo_->hide();
    removed_.reset();
}

void Actions::showTitle() {
    const auto name = controller_.openProfileName();
    window_.setWindowTitle(name ? tr("%1[*] — Tolvane").arg(qt(*name))
                                : QStringLiteral("Tolvane[*]"));
}

}  // namespace tolvane
