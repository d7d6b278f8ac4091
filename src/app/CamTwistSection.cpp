#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "app/Actions.h"
#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

CamTwistSection::CamTwistSection(const WindowParts& parts) : QGroupBox(tr("CamTwist")) {
    Binder& binder = parts.binder;
    Actions& actions = parts.actions;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();

    // Numbers need no more room than five digits.
    const auto narrow = [this](QLineEdit* edit) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                              style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 4);
        return edit;
    };
    auto* layout = new QGridLayout;
    auto* rate = narrow(binder.textField(form.txtfldCamTwistFramerate, "txtfldCamTwistFramerate",
                                         tr("CamTwist frame rate")));
    layout->addWidget(labelFor(tr("Frame rate:"), rate), 0, 0, Qt::AlignRight);
    layout->addWidget(row({rate, unit(tr("fps"))}), 0, 1);
    layout->addWidget(binder.flag(Property::syncFrameRate, "chkboxSyncFrameRate", tr("Follow FMLE"),
                                  tr("CamTwist's frame rate follows FMLE's")),
                      0, 2);
    layout->setColumnMinimumWidth(3, style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 3);
    auto* sizes =
        binder.popUp(form.popupCamTwistVideoSize, "popupCamTwistVideoSize", tr("CamTwist size"),
                     Binder::selectThen(form.popupCamTwistVideoSize,
                                        [&controller] { controller.camTwistVideoSizeSelected(); }));
    layout->addWidget(labelFor(tr("Size:"), sizes), 0, 4, Qt::AlignRight);
    layout->addWidget(sizes, 0, 5);
    layout->addWidget(binder.flag(Property::syncVideoSize, "chkboxSyncVideoSize", tr("Follow FMLE"),
                                  tr("CamTwist's size follows FMLE's input size")),
                      0, 6);
    auto* custom = binder.flag(Property::camTwistCustomVideoSize, "chkboxCamTwistCustomVideoSize",
                               tr("C&ustom size:"), tr("CamTwist uses a size of its own"));
    auto* width = narrow(binder.textField(form.txtfldCamTwistCustomWidth,
                                          "txtfldCamTwistCustomWidth", tr("Custom width")));
    auto* height = narrow(binder.textField(form.txtfldCamTwistCustomHeight,
                                           "txtfldCamTwistCustomHeight", tr("Custom height")));
    binder.view({}, {Property::camTwistCustomVideoSize}, [&controller, sizes, width, height] {
        const bool on = controller.camTwistCustomVideoSize();
        sizes->setEnabled(!on);
        width->setEnabled(on);
        height->setEnabled(on);
    });
    layout->addWidget(custom, 1, 4, Qt::AlignRight);
    layout->addWidget(row({width, new QLabel(QStringLiteral("×")), height}), 1, 5, Qt::AlignLeft);
    auto* save = button(tr("Save CamT&wist Settings"), "buttonCamTwistSaveConfig",
                        tr("Save CamTwist settings"),
                        tr("Write frame rate and size into CamTwist's settings, keeping a backup"));
    binder.act(save, &QPushButton::clicked, [&actions] { actions.saveCamTwistSettings(); });
    layout->setColumnStretch(7, 1);
    layout->addWidget(save, 1, 8, Qt::AlignRight);
    setLayout(layout);
}

}  // namespace tolvane
