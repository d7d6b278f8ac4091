#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

AudioSection::AudioSection(const WindowParts& parts) : QGroupBox(tr("Audio")) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();

    auto* layout = formLayout();
    auto* format = binder.popUp(
        form.popupFMLEAudioOutputFormat, "popupFMLEAudioOutputFormat", tr("Audio format"),
        binder.setTag(form.popupFMLEAudioOutputFormat, &Tolvane::setTagAudioOutputFormat));
    layout->addRow(labelFor(tr("F&ormat:"), format), format);
    auto* rate =
        binder.popUp(form.popupFMLEAudioSamplerate, "popupFMLEAudioSamplerate", tr("Sample rate"),
                     binder.setTag(form.popupFMLEAudioSamplerate, &Tolvane::setTagAudioSamplerate));
    layout->addRow(labelFor(tr("Samp&le rate:"), rate), row({rate, unit(tr("Hz"))}));
    auto* channels = binder.popUp(
        form.popupFMLEAudioOutputChannel, "popupFMLEAudioOutputChannel", tr("Channels"),
        binder.setTag(form.popupFMLEAudioOutputChannel, &Tolvane::setTagAudioChannel));
    layout->addRow(labelFor(tr("Cha&nnels:"), channels), channels);
    auto* bitrate = binder.popUp(
        form.popupFMLEAudioOutputBitrate, "popupFMLEAudioOutputBitrate", tr("Audio bitrate"),
        binder.setTag(form.popupFMLEAudioOutputBitrate, &Tolvane::setTagAudioBitrate));
    layout->addRow(labelFor(tr("&Bitrate:"), bitrate), row({bitrate, unit(tr("Kbps"))}));

    auto* volume = new QSlider(Qt::Horizontal);
    volume->setObjectName(QStringLiteral("sliderFMLEAudioInputVolume"));
    volume->setRange(0, 100);
    volume->setAccessibleDescription(tr("Audio input volume in percent"));
    volume->setToolTip(tr("Audio input volume in percent"));
    auto* number = new QLabel;
    number->setObjectName(QStringLiteral("labelFMLEAudioInputVolume"));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("-100 %")));
    // Any change counts, by keyboard or screen reader as by mouse; refreshes are blocked.
    binder.act(volume, &QSlider::valueChanged,
               [&controller](int value) { controller.setInputVolume(value); });
    // The number is the profile's own, also where the slider cannot reach it.
    binder.view({}, {Property::inputVolume}, [&controller, volume, number] {
        const QSignalBlocker block(volume);
        volume->setValue(controller.inputVolume());
        number->setText(tr("%1 %").arg(controller.inputVolume()));
    });
    layout->addRow(labelFor(tr("&Input volume:"), volume), row({volume, number}));
    setLayout(layout);
}

}  // namespace tolvane
