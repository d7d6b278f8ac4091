#include <QFormLayout>

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
    auto* rate = binder.popUp(form.popupFMLEVideoFramerate, "popupFMLEVideoFramerate",
                              tr("Frames per second FMLE captures"),
                              Binder::selectThen(form.popupFMLEVideoFramerate, [&controller] {
                                  controller.fmleFrameRateSelected();
                              }));
    layout->addRow(labelFor(tr("Fra&me rate:"), rate), row({rate, unit(tr("fps"))}));
    auto* size =
        binder.popUp(form.popupFMLEVideoInputSize, "popupFMLEVideoInputSize",
                     tr("The size FMLE captures from the video device"),
                     Binder::selectThen(form.popupFMLEVideoInputSize, [&controller, &form] {
                         controller.fmleInputSizeSelected(form.popupFMLEVideoInputSize);
                     }));
    layout->addRow(labelFor(tr("Input si&ze:"), size), row({size, unit(tr("px"))}));
    auto* codec = binder.popUp(
        form.popupFMLEVideoOutputFormat, "popupFMLEVideoOutputFormat", tr("Video codec"),
        binder.setTag(form.popupFMLEVideoOutputFormat, &Tolvane::setTagVideoOutputFormat));
    layout->addRow(labelFor(tr("&Codec:"), codec), codec);
    setLayout(layout);
}

}  // namespace tolvane
