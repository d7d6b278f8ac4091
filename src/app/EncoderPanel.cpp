#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

EncoderPanel::EncoderPanel(const WindowParts& parts) : QGroupBox(tr("Encoder settings")) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    setObjectName(QStringLiteral("drawerEncoderSettings"));

    // Only the chosen codec's options show; the other's keep their values.
    const auto options = [&binder, &form](const char* name, bool h264) {
        auto* holder = new QWidget;
        holder->setObjectName(QLatin1String(name));
        auto* layout = formLayout();
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (const AdvancedOption& o : kAdvancedOptions) {
            if (o.h264 != h264) continue;
            const QString label = tr(o.label);
            auto* check = binder.flag(o.flag, o.checkBoxName, label + ':',
                                      tr("Write the %1 into the profile").arg(label.toLower()));
            PopUpList& list = form.*o.list;
            auto* values = binder.popUp(list, o.listName, label, Binder::selectThen(list),
                                        Binder::Kept::value, 12);
            layout->addRow(check, values);
        }
        holder->setLayout(layout);
        return holder;
    };
    auto* h264 = options("groupH264Options", true);
    auto* vp6 = options("groupVP6Options", false);
    binder.view({}, {Property::h264Selected}, [&controller, h264, vp6] {
        // Hidden first: showing a widget lays out its window, which would find both shown.
        (controller.h264Selected() ? vp6 : h264)->hide();
        (controller.h264Selected() ? h264 : vp6)->show();
    });

    auto* layout = new QVBoxLayout;
    layout->addWidget(h264);
    layout->addWidget(vp6);
    layout->addWidget(binder.flag(Property::preserveAspect, "chkboxPreserveAspect",
                                  tr("Preserve aspect ratio"),
                                  tr("Keep the picture's aspect ratio when it is scaled")));
    layout->addStretch(1);
    setLayout(layout);
    binder.view({&form.drawerEncoderSettings}, {},
                [this, &form] { setVisible(form.drawerEncoderSettings.isOpen()); });
}

}  // namespace tolvane
