#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Text.h"
#include "app/Widgets.h"
#include "form/Streams.h"
#include "form/Validation.h"

namespace tolvane {

using namespace layout;

void StreamsSection::addRow(std::size_t slot) {
    Binder& binder = binder_;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    QGridLayout* grid = grid_;
    const StreamControls& s = kStreamControls[slot];
    const int number = static_cast<int>(slot) + 1;
    const int r = static_cast<int>(slot);
    auto* bitrate = binder.comboBox(form.*s.bitrate, s.bitrateName,
                                    tr("Stream %1's video bitrate in Kbps").arg(number));
    auto* width = narrow(binder.textField(form.*s.width, s.widthName,
                                          tr("Stream %1's output width in px").arg(number)));
    auto* height = narrow(binder.textField(form.*s.height, s.heightName,
                                           tr("Stream %1's output height in px").arg(number)));
    width->setAccessibleName(tr("Stream %1 width").arg(number));
    height->setAccessibleName(tr("Stream %1 height").arg(number));
    auto* label = labelFor(tr("Stream &%1:").arg(number), bitrate);
    bitrate->setAccessibleName(tr("Stream %1 bitrate").arg(number));
    bitrate->lineEdit()->setAccessibleName(bitrate->accessibleName());
    auto* total = new QLabel;
    total->setObjectName(QStringLiteral("labelStreamTotal%1").arg(number));
    auto* remove = rowButton(tr("Remove"), QStringLiteral("buttonRemoveStream%1").arg(number),
                             tr("Remove stream %1").arg(number),
                             tr("Remove stream %1; the streams after it move up").arg(number));
    binder.act(remove, &QToolButton::clicked,
               [&controller, slot] { controller.removeStream(slot); });
    const std::array<QWidget*, 9> cells = {label,
                                           bitrate,
                                           unit(tr("Kbps")),
                                           unit(tr("size"), width),
                                           width,
                                           unit(QStringLiteral("×"), height),
                                           height,
                                           unit(tr("px")),
                                           total};
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid->addWidget(cells[c], r, static_cast<int>(c),
                        c == 0 ? Qt::AlignRight : Qt::Alignment());
    grid->addWidget(remove, r, static_cast<int>(cells.size()));

    const bool first = slot == 0;
    bitrate->setValidator(Binder::digits(6, bitrate));
    binder.check(bitrate->lineEdit(), nullptr, Validity::Scope::profile,
                 [first, number](const QString& typed) {
                     if (typed.isEmpty() && !first) return QString();
                     return isVideoBitrate(typed.toStdString())
                                ? QString()
                                : tr("Stream %1's video bitrate: a number from 1 to "
                                     "100,000 Kbps")
                                      .arg(number);
                 });
    for (QLineEdit* edit : {width, height}) {
        const QString what = edit == width ? tr("Stream %1's output width").arg(number)
                                           : tr("Stream %1's output height").arg(number);
        binder.check(
            edit, Binder::digits(4, edit), Validity::Scope::profile,
            [&controller, &form, s, first, what](const QString& typed) {
                // A stream without a bitrate is absent: its size is not saved.
                if (!first && (form.*s.bitrate).stringValue().empty()) return QString();
                const bool h264 = controller.h264Selected();
                if (isOutputDimension(typed.toStdString(), h264)) return QString();
                return h264 ? tr("%1: an even number from 16 to 8192 px for H.264").arg(what)
                            : tr("%1: a number from 16 to 8192 px").arg(what);
            },
            {Property::h264Selected}, {&(form.*s.bitrate)});
    }

    rows_[slot] = {cells, remove, bitrate, total};
    // Built later than the rows above, it still comes right after them for Tab, and for screen
    // readers, which go through a group's widgets in the order of its children.
    if (slot == 0) return;
    QWidget* before = rows_[slot - 1].remove;
    for (QWidget* next : std::initializer_list<QWidget*>{bitrate, width, height, remove}) {
        setTabOrder(before, next);
        before = next;
    }
    for (QWidget* cell : cells)
        cell->stackUnder(belowRows_);
    remove->stackUnder(belowRows_);
}

StreamsSection::StreamsSection(const WindowParts& parts)
    : QGroupBox(tr("Streams")), binder_(parts.binder), grid_(new QGridLayout) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    setObjectName(QStringLiteral("groupStreams"));

    QGridLayout* grid = grid_;
    // What follows from all streams' values (and the audio bitrate, and a load).
    const auto afterStreams = [&binder, &form](std::function<void()> refresh) {
        binder.view({&form.comboboxFMLEVideoOutputBitrate, &form.txtfldFMLEVideoOutputSizeX,
                     &form.txtfldFMLEVideoOutputSizeY, &form.comboboxFMLEVideoOutputBitrate2,
                     &form.txtfldFMLEVideoOutputSizeX2, &form.txtfldFMLEVideoOutputSizeY2,
                     &form.comboboxFMLEVideoOutputBitrate3, &form.txtfldFMLEVideoOutputSizeX3,
                     &form.txtfldFMLEVideoOutputSizeY3, &form.popupFMLEAudioOutputBitrate,
                     &form.popupFMLEProfileNames},
                    {}, std::move(refresh));
    };
    addRow(0);
    // The room left goes after the rows, not into the bitrates.
    grid->setColumnStretch(11, 1);

    auto* add = rowButton(tr("Add stream"), QStringLiteral("buttonAddStream"), tr("Add stream"),
                          tr("Send one more stream, a copy of the last one to edit"));
    binder.act(add, &QToolButton::clicked, [&controller] { controller.addStream(); });
    afterStreams([this, &controller, add] {
        const std::vector<StreamRow> streams = controller.streams();
        std::size_t shown = 1;
        for (const StreamRow& stream : streams)
            shown = std::max(shown, stream.slot + 1);
        for (std::size_t slot = 0; slot < kMaxStreams; ++slot) {
            if (!rows_[slot].bitrate) {
                if (slot >= shown) continue;
                addRow(slot);
            }
            const Row& row = rows_[slot];
            // The row being typed in stays while its bitrate is emptied.
            const bool visible = slot < shown || row.bitrate->hasFocus();
            for (QWidget* cell : row.cells)
                cell->setVisible(visible);
            row.remove->setVisible(visible);
            row.remove->setEnabled(streams.size() > 1);
            const auto stream = std::find_if(streams.begin(), streams.end(),
                                             [slot](const StreamRow& s) { return s.slot == slot; });
            row.total->setText(stream != streams.end() && stream->totalKbps
                                   ? tr("= %1 Kbps with audio").arg(*stream->totalKbps)
                                   : QString());
        }
        add->setEnabled(streams.size() < kMaxStreams);
    });

    auto* total =
        binder.comboBox(form.comboboxTotalBitrate, "comboboxTotalBitrate",
                        tr("Total bitrate in Kbps: stream 1's video bitrate becomes this less "
                           "the audio bitrate"));
    total->setValidator(Binder::digits(6, total));
    auto* apply = button(tr("Appl&y total"), "buttonAdjustBitrate",
                         tr("Set stream 1's video bitrate from the total bitrate"));
    auto* refusal = note("labelTotalRefused");
    // The core computes whatever it is given; a total it cannot split is refused here.
    const auto refused = [&form](const QString& text) {
        if (text.isEmpty()) return tr("Type a total bitrate");
        const auto typed = typedNumber(text.toStdString());
        if (!typed || *typed < 1 || *typed > 100000)
            return tr("The total bitrate is a number from 1 to 100,000 Kbps");
        const auto audio =
            typedNumber(form.popupFMLEAudioOutputBitrate.title().value_or(std::string()));
        if (audio && *typed <= *audio)
            return tr("The total bitrate must be more than the audio bitrate (%1 Kbps)")
                .arg(*audio);
        return QString();
    };
    const auto adjust = [&controller, total, refused, refusal] {
        const QString reason = refused(total->currentText());
        say(refusal, reason);
        if (reason.isEmpty()) controller.adjustBitrate();
    };
    binder.act(apply, &QPushButton::clicked, adjust);
    binder.act(total, &QComboBox::activated, adjust);
    binder.act(total->lineEdit(), &QLineEdit::returnPressed, [total, adjust] {
        // Enter on a text that is one of the entries is reported as a pick already.
        if (total->findText(total->currentText()) < 0) adjust();
    });
    binder.view({&form.comboboxTotalBitrate, &form.popupFMLEAudioOutputBitrate}, {},
                [total, apply, refused, refusal] {
                    const QString reason = refused(total->currentText());
                    apply->setEnabled(reason.isEmpty());
                    // Said as typed, not for an empty box nobody touched.
                    if (total->lineEdit()->isModified() || refusal->isVisible())
                        say(refusal, total->currentText().isEmpty() ? QString() : reason);
                });

    auto* bottom = new QHBoxLayout;
    belowRows_ = labelFor(tr("&Total bitrate:"), total);
    bottom->addWidget(belowRows_);
    bottom->addWidget(total, 1);
    bottom->addWidget(unit(tr("Kbps")));
    bottom->addWidget(apply);
    bottom->addStretch(1);
    bottom->addWidget(add);

    auto* kept = note("labelKeptStreamValues");
    afterStreams([&controller, kept] {
        const auto values = controller.keptStreamValues();
        say(kept, values.any() ? tr("The profile holds more streams than shown here (bitrates "
                                    "“%1”, sizes “%2”): saving keeps them after these.")
                                     .arg(qt(values.bitrates), qt(values.sizes))
                               : QString());
    });

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(bottom);
    column->addWidget(refusal);
    column->addWidget(kept);
}

}  // namespace tolvane
