#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <memory>

#include "app/Actions.h"
#include "app/Binder.h"
#include "app/Layout.h"
#include "app/OutcomeText.h"
#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

using namespace layout;

ProfileSection::ProfileSection(const WindowParts& parts) {
    Binder& binder = parts.binder;
    Actions& actions = parts.actions;
    Tolvane& controller = binder.controller();
    Form& form = binder.form();

    PopUpList& names = form.popupFMLEProfileNames;
    auto shown = std::make_shared<ChoiceBox*>();
    auto* profiles = binder.popUp(
        names, "popupFMLEProfileNames", tr("Profile"),
        [&actions, &names, shown](int index) {
            // Cancelled: the box shows the open profile again.
            if (!actions.pickProfile(index)) {
                const QSignalBlocker block(*shown);
                (*shown)->setCurrentIndex(names.indexOfSelectedItem());
            }
        },
        Binder::Kept::profile, 16);
    *shown = profiles;
    profiles->setPlaceholderText(tr("No profiles"));
    auto* remove = button(tr("&Remove"), "buttonRemoveFMLEProfile", tr("Remove profile"),
                          tr("Move the selected profile's file to the trash"));
    binder.act(remove, &QPushButton::clicked, [&actions] { actions.removeProfile(); });
    binder.view({&names}, {},
                [remove, &names] { remove->setEnabled(names.selectedItem() != nullptr); });
    auto* name = binder.textField(form.txtfldNewProfileName, "txtfldNewProfileName",
                                  tr("Name to save the profile under"));
    name->setPlaceholderText(tr("Profile name"));
    actions.setNameField(name);
    auto* save = button(tr("&Save"), "buttonSaveFMLEProfile", tr("Save profile"),
                        tr("Save the settings as a profile under this name"));
    binder.act(save, &QPushButton::clicked, [&actions] { actions.saveProfileAs(); });
    binder.act(name, &QLineEdit::returnPressed, [&actions] { actions.saveProfileAs(); });
    connect(&binder, &Binder::refreshed, save, [save, &form, &binder, &controller] {
        save->setEnabled(controller.currentFMLEProfile() &&
                         binder.validity().reason(Validity::Scope::profile).isEmpty() &&
                         Tolvane::isAcceptableProfileName(form.txtfldNewProfileName.stringValue()));
    });

    // The devices stand here, where their long names have room.
    auto* videoDevice = binder.popUp(
        form.popupFMLEVideoInputDeviceName, "popupFMLEVideoInputDeviceName", tr("Video device"),
        Binder::selectThen(form.popupFMLEVideoInputDeviceName), Binder::Kept::device);
    auto* audioDevice = binder.popUp(
        form.popupFMLEAudioInputDevice, "popupFMLEAudioInputDevice", tr("Audio device"),
        Binder::selectThen(form.popupFMLEAudioInputDevice), Binder::Kept::device);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->addWidget(labelFor(tr("&Profile:"), profiles), 0, 0, Qt::AlignRight);
    grid->addWidget(profiles, 0, 1);
    grid->addWidget(remove, 0, 2);
    grid->setColumnMinimumWidth(3, style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    grid->addWidget(labelFor(tr("Save as:"), name), 0, 4, Qt::AlignRight);
    grid->addWidget(name, 0, 5);
    grid->addWidget(save, 0, 6);
    grid->addWidget(labelFor(tr("Video &device:"), videoDevice), 1, 0, Qt::AlignRight);
    grid->addWidget(videoDevice, 1, 1, 1, 2);
    grid->addWidget(labelFor(tr("&Audio device:"), audioDevice), 1, 4, Qt::AlignRight);
    grid->addWidget(audioDevice, 1, 5, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    column->addLayout(grid);

    // Where Tolvane looked, when it found nothing there; it creates neither.
    const auto notice = [column](const char* objectName, const QString& text) {
        auto* label = new ElidedLabel(Qt::ElideMiddle);
        label->setObjectName(QLatin1String(objectName));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFullText(text);
        column->addWidget(label);
    };
    if (!controller.fmleProfiles())
        notice("noticeProfiles", OutcomeText::noProfiles(controller.fmleProfilePath(),
                                                         controller.profileFolderFailure()));
    if (const auto& failure = controller.camTwistPrefsFailure())
        notice("noticeCamTwist", OutcomeText::camTwistNotRead(*failure));
}

}  // namespace tolvane
