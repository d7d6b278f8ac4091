#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

VideoSection::VideoSection(const WindowParts& parts) : QGroupBox(tr("Video")) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();

    auto* layout = formLayout();
    auto* rate =
        binder.popUp(form.popupFMLEVideoFramerate, "popupFMLEVideoFramerate", tr("Frame rate"),
                     Binder::selectThen(form.popupFMLEVideoFramerate,
                                        [&controller] { controller.fmleFrameRateSelected(); }));
    layout->addRow(labelFor(tr("Fra&me rate:"), rate), row({rate, unit(tr("fps"))}));
    auto* size =
        binder.popUp(form.popupFMLEVideoInputSize, "popupFMLEVideoInputSize", tr("Input size"),
                     Binder::selectThen(form.popupFMLEVideoInputSize, [&controller, &form] {
                         controller.fmleInputSizeSelected(form.popupFMLEVideoInputSize);
                     }));
    layout->addRow(labelFor(tr("&Input size:"), size), size);
    auto* codec = binder.popUp(
        form.popupFMLEVideoOutputFormat, "popupFMLEVideoOutputFormat", tr("Video codec"),
        binder.setTag(form.popupFMLEVideoOutputFormat, &Tolvane::setTagVideoOutputFormat));
    layout->addRow(labelFor(tr("&Codec:"), codec), codec);
    auto* width = binder.textField(form.txtfldFMLEVideoOutputSizeX, "txtfldFMLEVideoOutputSizeX",
                                   tr("Output width"));
    auto* height = binder.textField(form.txtfldFMLEVideoOutputSizeY, "txtfldFMLEVideoOutputSizeY",
                                    tr("Output height"));
    layout->addRow(labelFor(tr("Output si&ze:"), width),
                   row({width, new QLabel(QStringLiteral("×")), height}));
    auto* bitrate = binder.comboBox(form.comboboxFMLEVideoOutputBitrate,
                                    "comboboxFMLEVideoOutputBitrate", tr("Video bitrate"));
    layout->addRow(labelFor(tr("&Bitrate:"), bitrate), row({bitrate, unit(tr("Kbps"))}));
    auto* total =
        binder.comboBox(form.comboboxTotalBitrate, "comboboxTotalBitrate", tr("Total bitrate"));
    total->setToolTip(
        tr("Total bitrate in Kbps: the video bitrate becomes this less the audio bitrate"));
    auto* apply = button(tr("Appl&y"), "buttonAdjustBitrate", tr("Apply total bitrate"),
                         tr("Set the video bitrate from the total bitrate"));
    binder.act(apply, &QPushButton::clicked, [&controller] { controller.adjustBitrate(); });
    binder.act(total, &QComboBox::activated, [&controller] { controller.adjustBitrate(); });
    binder.act(total->lineEdit(), &QLineEdit::returnPressed, [&controller, total] {
        // Enter on a text that is one of the entries is reported as a pick already.
        if (total->findText(total->currentText()) < 0) controller.adjustBitrate();
    });
    layout->addRow(labelFor(tr("&Total bitrate:"), total), row({total, unit(tr("Kbps")), apply}));
    setLayout(layout);
}

}  // namespace tolvane
