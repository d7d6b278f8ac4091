#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/Actions.h"
#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Text.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

CamTwistSection::CamTwistSection(const WindowParts& parts) : QGroupBox(tr("CamTwist")) {
    Binder& binder = parts.binder;
    Actions& actions = parts.actions;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    const auto on = [&controller](Property property) {
        return controller.propertyValue(property) != 0;
    };
    // Beside a field: FMLE's value, where a copy box is ticked and CamTwist's differs (a load
    // copies nothing).
    const auto hint = [](const char* name) {
        auto* label = new QLabel;
        label->setObjectName(QLatin1String(name));
        label->setEnabled(false);
        return label;
    };

    auto* rateColumn = new QWidget;
    auto* left = formLayout();
    left->setContentsMargins(0, 0, 0, 0);
    auto* rate = narrow(binder.textField(form.txtfldCamTwistFramerate, "txtfldCamTwistFramerate",
                                         tr("Frames per second CamTwist sends")));
    binder.check(rate,
                 new QRegularExpressionValidator(
                     QRegularExpression(QStringLiteral("[0-9]{0,3}([.][0-9]{0,3})?")), rate),
                 Validity::Scope::camTwist, [](const QString& typed) {
                     return typed.isEmpty() || typed == QStringLiteral(".")
                                ? tr("CamTwist's frame rate must be a number")
                                : QString();
                 });
    auto* rateHint = hint("hintCamTwistFramerate");
    left->addRow(labelFor(tr("Fram&e rate:"), rate), row({rate, unit(tr("fps")), rateHint}));
    left->addRow(binder.flag(Property::syncFrameRate, "chkboxSyncFrameRate",
                             tr("Copy FMLE's frame rate"),
                             tr("When ticked, and at each frame rate picked for FMLE while it "
                                "is, CamTwist's frame rate becomes FMLE's. Opening a profile "
                                "copies nothing.")));
    binder.view({&form.txtfldCamTwistFramerate, &form.popupFMLEVideoFramerate},
                {Property::syncFrameRate}, [on, &form, rateHint] {
                    const QString fmle = qt(form.popupFMLEVideoFramerate.title().value_or(""));
                    bool number = false;
                    const double theirs = fmle.toDouble(&number);
                    const double ours = qt(form.txtfldCamTwistFramerate.stringValue()).toDouble();
                    rateHint->setText(on(Property::syncFrameRate) && number &&
                                              qRound(theirs * 1000) != qRound(ours * 1000)
                                          ? tr("FMLE: %1 fps").arg(fmle)
                                          : QString());
                });
    rateColumn->setLayout(left);

    auto* sizeColumn = new QWidget;
    auto* right = formLayout();
    right->setContentsMargins(0, 0, 0, 0);
    auto* sizes = binder.popUp(form.popupCamTwistVideoSize, "popupCamTwistVideoSize",
                               tr("The picture size CamTwist sends"),
                               Binder::selectThen(form.popupCamTwistVideoSize, [&controller] {
                                   controller.camTwistVideoSizeSelected();
                               }));
    auto* sizeHint = hint("hintCamTwistVideoSize");
    right->addRow(labelFor(tr("Size:"), sizes), row({sizes, unit(tr("px")), sizeHint}));
    right->addRow(binder.flag(
        Property::syncVideoSize, "chkboxSyncVideoSize", tr("Copy FMLE's size"),
        tr("When ticked, CamTwist's size becomes FMLE's input size. Picking another input size "
           "or opening a profile copies nothing.")));
    auto* custom = binder.flag(Property::camTwistCustomVideoSize, "chkboxCamTwistCustomVideoSize",
                               tr("Use a c&ustom size"),
                               tr("CamTwist sends a size of its own instead of one of the list"));
    right->addRow(custom);
    auto* width = narrow(binder.textField(form.txtfldCamTwistCustomWidth,
                                          "txtfldCamTwistCustomWidth", tr("Custom width in px")));
    auto* height = narrow(binder.textField(
        form.txtfldCamTwistCustomHeight, "txtfldCamTwistCustomHeight", tr("Custom height in px")));
    width->setValidator(Binder::digits(4, width));
    height->setValidator(Binder::digits(4, height));
    auto* customLabel = labelFor(tr("Custom size:"), width);
    width->setAccessibleName(tr("Custom width"));
    height->setAccessibleName(tr("Custom height"));
    auto* customRow = row({width, unit(QStringLiteral("×"), height), height, unit(tr("px"))});
    customRow->addStretch(1);
    right->addRow(customLabel, customRow);
    binder.view({&form.txtfldCamTwistCustomWidth, &form.txtfldCamTwistCustomHeight},
                {Property::camTwistCustomVideoSize},
                [&binder, &controller, &form, custom, sizes, width, height] {
                    const bool own = controller.camTwistCustomVideoSize();
                    sizes->setEnabled(!own);
                    width->setEnabled(own);
                    height->setEnabled(own);
                    const bool empty = form.txtfldCamTwistCustomWidth.stringValue().empty() ||
                                       form.txtfldCamTwistCustomHeight.stringValue().empty();
                    binder.validity().set(
                        custom, Validity::Scope::camTwist,
                        own && empty ? tr("Fill in CamTwist's custom width and height, or untick "
                                          "“Use a custom size”")
                                     : QString());
                });
    binder.view(
        {&form.popupCamTwistVideoSize, &form.popupFMLEVideoInputSize,
         &form.txtfldCamTwistCustomWidth, &form.txtfldCamTwistCustomHeight},
        {Property::syncVideoSize, Property::camTwistCustomVideoSize}, [on, &form, sizeHint] {
            const std::string fmle = form.popupFMLEVideoInputSize.title().value_or("");
            const std::string ours = on(Property::camTwistCustomVideoSize)
                                         ? form.txtfldCamTwistCustomWidth.stringValue() + 'x' +
                                               form.txtfldCamTwistCustomHeight.stringValue()
                                         : form.popupCamTwistVideoSize.title().value_or("");
            sizeHint->setText(on(Property::syncVideoSize) && !fmle.empty() && fmle != ours
                                  ? tr("FMLE: %1 px").arg(qt(fmle))
                                  : QString());
        });
    sizeColumn->setLayout(right);

    auto* save = button(tr("Save CamT&wist Settings"), "buttonCamTwistSaveConfig",
                        tr("Write frame rate and size into CamTwist's settings, keeping a backup"));
    binder.act(save, &QPushButton::clicked, [&actions] { actions.saveCamTwistSettings(); });

    auto* columns = new Columns;
    columns->add(rateColumn);
    columns->add(sizeColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columns);
    layout->addWidget(save, 0, Qt::AlignRight);
}

}  // namespace tolvane
