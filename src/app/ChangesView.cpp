#include "app/ChangesView.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/ChangeText.h"

namespace tolvane {

ChangesView::ChangesView(QWidget* parent) : QDockWidget(tr("Changes"), parent) {
    setObjectName(QStringLiteral("changesView"));
    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("changesList"));
    list_->setAccessibleName(tr("Unsaved changes"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Value"), tr("From"), tr("To"), tr("Why")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(list_);
}

void ChangesView::show(const std::vector<Change>& changes) {
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Change& change : changes)
        rows.append(new QTreeWidgetItem(
            {ChangeText::nameOf(change.id), ChangeText::valueOf(change.id, change.stored),
             ChangeText::valueOf(change.id, change.written),
             change.rule ? ChangeText::reasonOf(*change.rule) : tr("Your change")}));
    list_->addTopLevelItems(rows);
}

std::optional<Resolutions> askResolutions(QWidget* parent, const std::vector<Conflict>& conflicts) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("conflictDialog"));
    dialog.setWindowTitle(ChangesView::tr("Changed here and on disk"));
    auto* grid = new QGridLayout(&dialog);
    auto* intro = new QLabel(
        ChangesView::tr("These values were changed here and, meanwhile, in the file on disk. Which "
                        "should the profile keep?"));
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);
    std::vector<QRadioButton*> mine;
    int row = 1;
    for (const Conflict& conflict : conflicts) {
        const QString name = ChangeText::nameOf(conflict.id);
        auto* label = new QLabel(name);
        auto* ours = new QRadioButton(
            ChangesView::tr("Mine: %1").arg(ChangeText::valueOf(conflict.id, conflict.mine)));
        auto* theirs =
            new QRadioButton(ChangesView::tr("The file's: %1")
                                 .arg(ChangeText::valueOf(conflict.id, conflict.theirs)));
        ours->setAccessibleDescription(name);
        theirs->setAccessibleDescription(name);
        ours->setChecked(true);
        auto* group = new QButtonGroup(&dialog);
        group->addButton(ours);
        group->addButton(theirs);
        grid->addWidget(label, row, 0);
        grid->addWidget(ours, row, 1);
        grid->addWidget(theirs, row, 2);
        mine.push_back(ours);
        ++row;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    grid->addWidget(buttons, row, 0, 1, 3);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    Resolutions keep;
    for (std::size_t i = 0; i < conflicts.size(); ++i)
        keep.emplace_back(conflicts[i].id, mine[i]->isChecked() ? Keep::mine : Keep::theirs);
    return keep;
}

}  // namespace tolvane
