#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "app/Actions.h"
#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Text.h"
#include "app/Widgets.h"
#include "form/Streams.h"
#include "form/Validation.h"

namespace tolvane {

using namespace layout;

namespace {

// Narrow fields keep to the left of their row.
QHBoxLayout* stretched(QHBoxLayout* row) {
    row->addStretch(1);
    return row;
}

QGroupBox* group(const QString& title, QLayout* layout) {
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

// A column of groups, top down, the room left below them.
QWidget* stacked(std::initializer_list<QWidget*> groups) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* box : groups)
        layout->addWidget(box);
    layout->addStretch(1);
    return column;
}

}  // namespace

OutputPanel::OutputPanel(const WindowParts& parts, QWidget* owner) : QWidget(owner, Qt::Window) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    setObjectName(QStringLiteral("panelOutput"));
    setWindowTitle(tr("Output — Tolvane"));
    // Closing the main window ends the program, with this window open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    const auto text = [&binder](ValueId id, const QString& description) {
        return field(binder, id, description);
    };
    const auto flag = [&binder](ValueId id, const QString& label, const QString& description) {
        const ProfileFlag* f = profileFlag(id);
        return binder.flag(f->flag, f->checkBoxName, label, description);
    };
    const auto on = [&controller](Property property) {
        return controller.propertyValue(property) != 0;
    };
    const auto number = [&binder](QLineEdit* edit, int digits, Binder::Reason reason,
                                  std::initializer_list<Property> properties = {},
                                  std::initializer_list<ChangeNotifier*> models = {}) {
        binder.check(narrow(edit, digits), Binder::digits(digits, edit), Validity::Scope::profile,
                     std::move(reason), properties, models);
        return edit;
    };
    const auto anyNumber = [](const QString&) { return QString(); };

    QFormLayout* destination = destinationRows(binder);

    // Recording.
    auto* recording = formLayout();
    auto* path = text(ValueId::recordingPath, tr("The file FMLE records the stream into"));
    auto* browse =
        button(tr("Bro&wse…"), "buttonBrowseRecordingPath", tr("Choose the file to record into"));
    binder.act(browse, &QPushButton::clicked, [this, &form] {
        const QString chosen = QFileDialog::getSaveFileName(
            this, tr("Record into"), qt(form.txtfldFMLERecordingPath.stringValue()),
            tr("Flash video (*.f4v *.flv);;All files (*)"));
        if (!chosen.isEmpty()) form.txtfldFMLERecordingPath.setStringValue(chosen.toStdString());
    });
    recording->addRow(labelFor(tr("&File:"), path), row({path, browse}));
    auto* folder = new QLabel;
    folder->setObjectName(QStringLiteral("labelRecordingFolder"));
    folder->setWordWrap(true);
    recording->addRow(folder);
    binder.view({&form.txtfldFMLERecordingPath}, {}, [&controller, &form, folder] {
        const bool none = form.txtfldFMLERecordingPath.stringValue().empty();
        const bool found = controller.recordingFolderExists();
        folder->setText(none    ? QString()
                        : found ? tr("Its folder exists on this computer.")
                                : tr("⚠ Its folder does not exist on this computer: FMLE "
                                     "cannot record there."));
        folder->setVisible(!none);
    });
    auto* bySize = flag(ValueId::recordingLimitBySize, tr("Limit by si&ze"),
                        tr("End the recording's file at a size"));
    auto* size = number(text(ValueId::recordingSizeLimit, tr("The size limit in MB")), 6,
                        [on](const QString& typed) {
                            return !on(Property::recordingLimitBySize) ||
                                           isPositiveLimit(typed.toStdString())
                                       ? QString()
                                       : tr("The size limit is a number of MB, 1 or more");
                        },
                        {Property::recordingLimitBySize});
    size->setAccessibleName(tr("Size limit"));
    recording->addRow(bySize, stretched(row({size, unit(tr("MB"), size)})));
    auto* byDuration = flag(ValueId::recordingLimitByDuration, tr("Limit by &duration"),
                            tr("End the recording's file after a time"));
    const auto duration = [on, &form](const QString&) {
        return !on(Property::recordingLimitByDuration) ||
                       isDurationLimit(form.txtfldFMLERecordingDurationHours.stringValue(),
                                       form.txtfldFMLERecordingDurationMinutes.stringValue())
                   ? QString()
                   : tr("The duration limit is hours and minutes (up to 59), more than none");
    };
    auto* hours = binder.textField(form.txtfldFMLERecordingDurationHours,
                                   "txtfldFMLERecordingDurationHours", tr("Duration limit: hours"));
    auto* minutes =
        binder.textField(form.txtfldFMLERecordingDurationMinutes,
                         "txtfldFMLERecordingDurationMinutes", tr("Duration limit: minutes"));
    number(hours, 4, duration, {Property::recordingLimitByDuration},
           {&form.txtfldFMLERecordingDurationMinutes});
    number(minutes, 2, duration, {Property::recordingLimitByDuration},
           {&form.txtfldFMLERecordingDurationHours});
    hours->setAccessibleName(tr("Duration limit hours"));
    minutes->setAccessibleName(tr("Duration limit minutes"));
    recording->addRow(
        byDuration,
        stretched(row({hours, unit(tr("hours"), hours), minutes, unit(tr("minutes"), minutes)})));
    binder.view({}, {Property::recordingLimitBySize, Property::recordingLimitByDuration},
                [on, size, hours, minutes] {
                    size->setEnabled(on(Property::recordingLimitBySize));
                    hours->setEnabled(on(Property::recordingLimitByDuration));
                    minutes->setEnabled(on(Property::recordingLimitByDuration));
                });

    // Auto-adjust.
    auto* adjust = formLayout();
    adjust->addRow(flag(ValueId::autoAdjust, tr("&Auto adjust"),
                        tr("FMLE lowers what it sends when the connection cannot keep up")));
    auto* buffer = number(
        text(ValueId::autoAdjustMaxBufferSize, tr("How much FMLE buffers before it adjusts")), 4,
        anyNumber);
    adjust->addRow(labelFor(tr("Ma&ximum buffer:"), buffer), stretched(row({buffer})));
    auto* drop = flag(ValueId::autoAdjustDropFrames, tr("Drop f&rames"),
                      tr("Leave frames out when the buffer is full"));
    adjust->addRow(drop);
    auto* degrade = flag(ValueId::autoAdjustDegradeQuality, tr("Degrade qua&lity"),
                         tr("Lower the video bitrate when the buffer is full"));
    adjust->addRow(degrade);
    auto* lowest = number(
        text(ValueId::autoAdjustMinVideoBitrate, tr("The video bitrate FMLE never goes below")), 6,
        [](const QString& typed) {
            return typed.isEmpty() || isVideoBitrate(typed.toStdString())
                       ? QString()
                       : tr("The minimum video bitrate is a number from 1 to 100,000 Kbps");
        });
    adjust->addRow(labelFor(tr("Minimum &video bitrate:"), lowest),
                   stretched(row({lowest, unit(tr("Kbps"))})));
    auto* keep = flag(ValueId::autoAdjustPreserveFrameQuality, tr("Keep frame &quality"),
                      tr("Keep each frame's quality while lowering the bitrate"));
    adjust->addRow(keep);
    binder.view({}, {Property::autoAdjust, Property::autoAdjustDegradeQuality},
                [on, buffer, drop, degrade, lowest, keep] {
                    const bool adjusting = on(Property::autoAdjust);
                    const bool degrading = adjusting && on(Property::autoAdjustDegradeQuality);
                    for (QWidget* w : {static_cast<QWidget*>(buffer), static_cast<QWidget*>(drop),
                                       static_cast<QWidget*>(degrade)})
                        w->setEnabled(adjusting);
                    lowest->setEnabled(degrading);
                    keep->setEnabled(degrading);
                });

    // Restart and reconnect.
    auto* restart = new QHBoxLayout;
    const std::array<std::tuple<ValueId, const char*, const char*>, 3> periods = {{
        {ValueId::restartDays, QT_TR_NOOP("Da&ys:"), QT_TR_NOOP("Days between restarts")},
        {ValueId::restartHours, QT_TR_NOOP("H&ours:"), QT_TR_NOOP("Hours between restarts")},
        {ValueId::restartMinutes, QT_TR_NOOP("&Minutes:"), QT_TR_NOOP("Minutes between restarts")},
    }};
    for (const auto& [id, label, description] : periods) {
        auto* edit = number(text(id, tr(description)), 3, anyNumber);
        restart->addWidget(labelFor(tr(label), edit));
        restart->addWidget(edit);
    }
    restart->addStretch(1);
    auto* reconnect = formLayout();
    auto* attempts = number(text(ValueId::reconnectAttempts,
                                 tr("How often FMLE tries to reconnect after a lost connection")),
                            4, anyNumber);
    reconnect->addRow(labelFor(tr("Attem&pts:"), attempts), stretched(row({attempts})));
    auto* interval =
        number(text(ValueId::reconnectInterval, tr("Seconds between reconnection attempts")), 4,
               anyNumber);
    reconnect->addRow(labelFor(tr("&Interval:"), interval),
                      stretched(row({interval, unit(tr("seconds"))})));

    // Metadata.
    auto* metadata = formLayout();
    const std::array<std::tuple<ValueId, const char*>, 6> entries = {{
        {ValueId::metadataTitle, QT_TR_NOOP("&Title:")},
        {ValueId::metadataDescription, QT_TR_NOOP("D&escription:")},
        {ValueId::metadataAuthor, QT_TR_NOOP("Aut&hor:")},
        {ValueId::metadataCopyright, QT_TR_NOOP("&Copyright:")},
        {ValueId::metadataKeywords, QT_TR_NOOP("&Keywords:")},
        {ValueId::metadataRating, QT_TR_NOOP("Ratin&g:")},
    }};
    for (const auto& [id, label] : entries) {
        auto* edit = text(id, tr("Sent with the stream as its %1").arg(spoken(tr(label))));
        metadata->addRow(labelFor(tr(label), edit), edit);
    }

    auto* columns = new Columns;
    columns->add(stacked({group(tr("Destination"), destination), group(tr("Recording"), recording),
                          group(tr("Metadata"), metadata)}),
                 3);
    columns->add(stacked({group(tr("Auto-adjust"), adjust), group(tr("Restart interval"), restart),
                          group(tr("Reconnect"), reconnect)}),
                 2);
    auto* content = new QWidget;
    auto* page = new QVBoxLayout(content);
    page->addWidget(columns);
    auto* scroll = scrollArea();
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    binder.refresh();
    // Wide enough for the columns side by side, where the screen allows.
    QSize wanted = content->sizeHint().expandedTo(QSize(columns->sideBySideWidth() + 160, 0)) +
                   QSize(scroll->verticalScrollBar()->sizeHint().width(), 0);
    if (const QScreen* shown = owner->screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() - QSize(8, 40));
    resize(wanted);
}

QLineEdit* OutputPanel::field(Binder& binder, ValueId id, const QString& description) {
    const ProfileText* t = profileText(id);
    return binder.textField(binder.form().*t->field, t->name, description);
}

void OutputPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit shownChanged(true);
}

void OutputPanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit shownChanged(false);
}

void addOutputPanelItem(const WindowParts& parts, QWidget* owner) {
    QAction* item = parts.actions.viewMenu()->addAction(OutputPanel::tr("&Output Settings…"));
    item->setObjectName(QStringLiteral("actionOutputPanel"));
    item->setCheckable(true);
    // Built when first opened: start-up pays nothing for it.
    QObject::connect(item, &QAction::triggered, owner, [parts, owner, item](bool open) {
        auto* panel = owner->findChild<OutputPanel*>(QString(), Qt::FindDirectChildrenOnly);
        if (!panel) {
            panel = new OutputPanel(parts, owner);
            QObject::connect(panel, &OutputPanel::shownChanged, item, &QAction::setChecked);
        }
        panel->setVisible(open);
        if (open) {
            panel->raise();
            panel->activateWindow();
        }
    });
}

}  // namespace tolvane
