#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

namespace {

// The visible labels of kAdvancedOptions, in its order. Only one codec's show at a time, so the
// keyframe frequency's mnemonic serves both.
const std::array<const char*, kAdvancedOptions.size()> kOptionLabels = {
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "H.26&4 profile:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "H.2&64 level:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Keyframe fre&quency:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Keyframe fre&quency:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Quality:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Noise reduction:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "Datarate window:"),
    QT_TRANSLATE_NOOP("tolvane::EncoderPanel", "CPU usa&ge:"),
};

}  // namespace

EncoderPanel::EncoderPanel(const WindowParts& parts) : QGroupBox(tr("Codec options")) {
    Binder& binder = parts.binder;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();
    setObjectName(QStringLiteral("drawerEncoderSettings"));

    // Only the chosen codec's options show; the other's keep their values. Each row: whether the
    // profile carries the option, its label (which names the list for screen readers), the list.
    const auto options = [&binder, &form](const char* name, bool h264) {
        auto* holder = new QWidget;
        holder->setObjectName(QLatin1String(name));
        auto* grid = new QGridLayout(holder);
        grid->setContentsMargins(0, 0, 0, 0);
        int row = 0;
        for (std::size_t i = 0; i < kAdvancedOptions.size(); ++i) {
            const AdvancedOption& o = kAdvancedOptions[i];
            if (o.h264 != h264) continue;
            const QString text = tr(kOptionLabels[i]);
            PopUpList& list = form.*o.list;
            auto* values = binder.popUp(list, o.listName, spoken(text), Binder::selectThen(list),
                                        Binder::Kept::value, 12);
            auto* check =
                binder.flag(o.flag, o.checkBoxName, QString(),
                            tr("Write the %1 into the profile; unticked, the profile leaves it out")
                                .arg(spoken(text)));
            // Named as the label beside it, which is what a user sees and says.
            check->setAccessibleName(spoken(text));
            grid->addWidget(check, row, 0);
            grid->addWidget(labelFor(text, values), row, 1);
            grid->addWidget(values, row, 2);
            ++row;
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(row, 1);  // the shorter group's rows at the top, as the longer's
        return holder;
    };
    // One place for both groups, as tall as the taller: switching codecs changes no size.
    auto* codecs = new OneOf;
    codecs->add(options("groupH264Options", true));
    codecs->add(options("groupVP6Options", false));
    binder.view({}, {Property::h264Selected},
                [&controller, codecs] { codecs->setCurrent(controller.h264Selected() ? 0 : 1); });

    auto* layout = new QVBoxLayout;
    layout->addWidget(codecs);
    layout->addWidget(binder.flag(Property::preserveAspect, "chkboxPreserveAspect",
                                  tr("Preserve aspect ratio"),
                                  tr("Keep the picture's aspect ratio when it is scaled")));
    layout->addStretch(1);
    setLayout(layout);
    binder.view({&form.drawerEncoderSettings}, {},
                [this, &form] { setVisible(form.drawerEncoderSettings.isOpen()); });
}

}  // namespace tolvane
