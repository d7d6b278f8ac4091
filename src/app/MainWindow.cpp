#include "app/MainWindow.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Shows a pop-up list: its items in order, hidden ones left out of the menu and not choosable,
// and its selection, which may be a hidden item.
void showPopUp(QComboBox* combo, const PopUpList& list) {
    const QSignalBlocker block(combo);
    const auto& items = list.itemArray();
    // The items are rebuilt only when the list's items changed, not on every selection.
    const QVariant shown = combo->property("tolvaneRevision");
    if (!shown.isValid() || shown.toULongLong() != list.revision() ||
        combo->count() != static_cast<int>(items.size())) {
        combo->clear();
        QStringList titles;
        titles.reserve(static_cast<qsizetype>(items.size()));
        for (const MenuItem& item : items)
            titles << qt(item.title());
        combo->addItems(titles);
        combo->setProperty("tolvaneRevision", QVariant::fromValue<qulonglong>(list.revision()));
    }
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    auto* view = qobject_cast<QListView*>(combo->view());
    for (int i = 0; i < combo->count(); ++i) {
        const bool hidden = items[static_cast<std::size_t>(i)].isHidden();
        if (view && view->isRowHidden(i) != hidden) view->setRowHidden(i, hidden);
        if (QStandardItem* row = model ? model->item(i) : nullptr;
            row && row->isEnabled() == hidden)
            row->setEnabled(!hidden);
    }
    combo->setCurrentIndex(list.indexOfSelectedItem());
}

void showComboBox(QComboBox* combo, const ComboBox& box) {
    const QSignalBlocker block(combo);
    const auto& values = box.objectValues();
    bool same = combo->count() == static_cast<int>(values.size());
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == qt(values[static_cast<std::size_t>(i)]);
    if (!same) {
        combo->clear();
        for (const auto& value : values)
            combo->addItem(qt(value));
    }
    if (combo->currentText() != qt(box.stringValue())) combo->setEditText(qt(box.stringValue()));
}

QString withoutColon(QString label) {
    if (label.endsWith(':')) label.chop(1);
    return label.remove('&');
}

QGroupBox* group(const QString& title, QLayout* layout) {
    auto* box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

QFormLayout* formLayout() {
    auto* layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return layout;
}

QWidget* row(std::initializer_list<QWidget*> widgets) {
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget,
                          widget->inherits("QLineEdit") || widget->inherits("QComboBox") ? 1 : 0);
    return holder;
}

}  // namespace

MainWindow::MainWindow(Tolvane& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller), form_(controller.form()) {
    setWindowTitle(QStringLiteral("Tolvane"));

    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    auto* main = new QVBoxLayout;
    main->addWidget(buildProfileSection());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildVideoSection(), 1);
    middle->addWidget(buildAudioSection(), 1);
    main->addLayout(middle);
    main->addWidget(buildCamTwistSection());
    main->addStretch(1);
    columns->addLayout(main, 3);
    drawer_ = buildEncoderDrawer();
    columns->addWidget(drawer_, 2);
    setCentralWidget(central);

    const auto showDrawer = [this] {
        drawer_->setVisible(form_.drawerEncoderSettings.isOpen());
        const QSignalBlocker block(drawerButton_);
        drawerButton_->setChecked(form_.drawerEncoderSettings.isOpen());
    };
    const auto id = form_.drawerEncoderSettings.subscribe(showDrawer);
    unsubscribe_.push_back([this, id] { form_.drawerEncoderSettings.unsubscribe(id); });
    showDrawer();

    observer_ = controller_.observe([this](Property property) { followProperty(property); });
    for (int p = 0; p < kPropertyCount; ++p)
        followProperty(static_cast<Property>(p));
}

MainWindow::~MainWindow() {
    controller_.unobserve(observer_);
    for (const auto& unsubscribe : unsubscribe_)
        unsubscribe();
}

QComboBox* MainWindow::popUp(PopUpList& list, const char* name, const QString& label, Action pick) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(withoutColon(label));
    combo->setToolTip(withoutColon(label));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    const auto show = [this, combo, &list] {
        showPopUp(combo, list);
        followStates();
    };
    const auto id = list.subscribe(show);
    unsubscribe_.push_back([&list, id] { list.unsubscribe(id); });
    connect(combo, &QComboBox::activated, this, [this, combo, &list, pick](int index) {
        pick(index);
        showPopUp(combo, list);  // the model may have declined the pick
        followStates();
    });
    showPopUp(combo, list);
    return combo;
}

MainWindow::Action MainWindow::selectThen(PopUpList& list, std::function<void()> action) {
    return [&list, action](int index) {
        list.selectItemAtIndex(index);
        if (action) action();
    };
}

MainWindow::Action MainWindow::setTag(PopUpList& list, void (Tolvane::*setter)(int32_t)) {
    // The controller by reference rather than through this: GCC's vptr check misreads a member
    // function pointer called through a captured this.
    return [&controller = controller_, &list, setter](int index) {
        const MenuItem* item = list.itemAtIndex(index);
        if (item && !item->isHidden()) (controller.*setter)(item->tag());
    };
}

QComboBox* MainWindow::comboBox(ComboBox& box, const char* name, const QString& label) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setAccessibleName(withoutColon(label));
    combo->setToolTip(withoutColon(label) + tr(" in Kbps"));
    combo->setMinimumContentsLength(10);
    const auto id = box.subscribe([combo, &box] { showComboBox(combo, box); });
    unsubscribe_.push_back([&box, id] { box.unsubscribe(id); });
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [&box](const QString& text) { box.setStringValue(text.toStdString()); });
    connect(combo, &QComboBox::activated, this, [combo, &box](int index) {
        box.selectItemWithObjectValue(combo->itemText(index).toStdString());
    });
    showComboBox(combo, box);
    return combo;
}

QLineEdit* MainWindow::textField(TextField& field, const char* name, const QString& label) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(withoutColon(label));
    edit->setToolTip(withoutColon(label));
    const auto show = [this, edit, &field] {
        if (edit->text() != qt(field.stringValue())) {
            const QSignalBlocker block(edit);
            edit->setText(qt(field.stringValue()));
        }
        followStates();
    };
    const auto id = field.subscribe(show);
    unsubscribe_.push_back([&field, id] { field.unsubscribe(id); });
    connect(edit, &QLineEdit::textEdited, this,
            [&field](const QString& text) { field.setStringValue(text.toStdString()); });
    show();
    return edit;
}

QCheckBox* MainWindow::flag(Property property, const char* name, const QString& text,
                            const QString& tip) {
    auto* check = new QCheckBox(text);
    check->setObjectName(QLatin1String(name));
    check->setAccessibleName(withoutColon(text));
    check->setToolTip(tip);
    connect(check, &QCheckBox::clicked, this, [&controller = controller_, property](bool on) {
        controller.setPropertyValue(property, on);
    });
    propertyViews_.push_back([this, check, property](Property changed) {
        if (changed != property) return;
        const QSignalBlocker block(check);
        check->setChecked(controller_.propertyValue(property) != 0);
    });
    return check;
}

QWidget* MainWindow::buildProfileSection() {
    auto* layout = formLayout();
    auto* profiles = popUp(form_.popupFMLEProfileNames, "popupFMLEProfileNames", tr("&Profile:"),
                           selectThen(form_.popupFMLEProfileNames, [this] {
                               controller_.fmleProfileSelected(form_.popupFMLEProfileNames);
                           }));
    profiles->setMinimumContentsLength(24);
    removeButton_ = new QPushButton(tr("&Remove"));
    removeButton_->setObjectName(QStringLiteral("buttonRemoveFMLEProfile"));
    removeButton_->setAccessibleName(tr("Remove profile"));
    removeButton_->setToolTip(tr("Delete the selected profile's file"));
    connect(removeButton_, &QPushButton::clicked, this, [this] {
        controller_.removeFMLEProfile();
        followStates();
    });
    auto* name = textField(form_.txtfldNewProfileName, "txtfldNewProfileName", tr("Save &as:"));
    name->setPlaceholderText(tr("Profile name"));
    saveButton_ = new QPushButton(tr("&Save"));
    saveButton_->setObjectName(QStringLiteral("buttonSaveFMLEProfile"));
    saveButton_->setAccessibleName(tr("Save profile"));
    saveButton_->setToolTip(tr("Save the settings as a profile under this name"));
    connect(saveButton_, &QPushButton::clicked, this, [this] { controller_.fmleSaveProfile(); });
    connect(name, &QLineEdit::returnPressed, saveButton_, &QPushButton::click);
    layout->addRow(tr("&Profile:"), row({profiles, removeButton_}));
    layout->addRow(tr("Save &as:"), row({name, saveButton_}));
    drawerButton_ = new QToolButton;
    drawerButton_->setObjectName(QStringLiteral("buttonEncoderSettings"));
    drawerButton_->setText(tr("&Encoder Settings"));
    drawerButton_->setAccessibleName(tr("Encoder settings"));
    drawerButton_->setToolTip(tr("Show or hide the codec's advanced options"));
    drawerButton_->setCheckable(true);
    connect(drawerButton_, &QToolButton::clicked, this,
            [this] { form_.drawerEncoderSettings.toggle(); });
    layout->addRow(QString(), drawerButton_);
    return group(tr("FMLE profile"), layout);
}

QWidget* MainWindow::buildVideoSection() {
    auto* layout = formLayout();
    layout->addRow(tr("&Device:"),
                   popUp(form_.popupFMLEVideoInputDeviceName, "popupFMLEVideoInputDeviceName",
                         tr("Video device:"), selectThen(form_.popupFMLEVideoInputDeviceName, {})));
    layout->addRow(tr("&Frame rate:"),
                   popUp(form_.popupFMLEVideoFramerate, "popupFMLEVideoFramerate",
                         tr("Frame rate:"), selectThen(form_.popupFMLEVideoFramerate, [this] {
                             controller_.fmleFrameRateSelected();
                         })));
    layout->addRow(tr("&Input size:"),
                   popUp(form_.popupFMLEVideoInputSize, "popupFMLEVideoInputSize",
                         tr("Input size:"), selectThen(form_.popupFMLEVideoInputSize, [this] {
                             controller_.fmleInputSizeSelected(form_.popupFMLEVideoInputSize);
                         })));
    layout->addRow(
        tr("&Codec:"),
        popUp(form_.popupFMLEVideoOutputFormat, "popupFMLEVideoOutputFormat", tr("Video codec:"),
              setTag(form_.popupFMLEVideoOutputFormat, &Tolvane::setTagVideoOutputFormat)));
    auto* width = textField(form_.txtfldFMLEVideoOutputSizeX, "txtfldFMLEVideoOutputSizeX",
                            tr("Output width:"));
    auto* height = textField(form_.txtfldFMLEVideoOutputSizeY, "txtfldFMLEVideoOutputSizeY",
                             tr("Output height:"));
    layout->addRow(tr("Output si&ze:"), row({width, new QLabel(QStringLiteral("×")), height}));
    layout->addRow(tr("&Bitrate:"),
                   comboBox(form_.comboboxFMLEVideoOutputBitrate, "comboboxFMLEVideoOutputBitrate",
                            tr("Video bitrate:")));
    auto* total =
        comboBox(form_.comboboxTotalBitrate, "comboboxTotalBitrate", tr("Total bitrate:"));
    total->setToolTip(
        tr("Total bitrate in Kbps: the video bitrate becomes this less the audio bitrate"));
    auto* apply = new QPushButton(tr("Appl&y"));
    apply->setObjectName(QStringLiteral("buttonAdjustBitrate"));
    apply->setAccessibleName(tr("Apply total bitrate"));
    apply->setToolTip(tr("Set the video bitrate from the total bitrate"));
    connect(apply, &QPushButton::clicked, this, [this] { controller_.adjustBitrate(); });
    connect(total, &QComboBox::activated, this, [this] { controller_.adjustBitrate(); });
    connect(total->lineEdit(), &QLineEdit::returnPressed, this, [this, total] {
        // Enter on a text that is one of the entries is reported as a pick already.
        if (total->findText(total->currentText()) < 0) controller_.adjustBitrate();
    });
    layout->addRow(tr("&Total bitrate:"), row({total, apply}));
    return group(tr("Video"), layout);
}

QWidget* MainWindow::buildAudioSection() {
    auto* layout = formLayout();
    layout->addRow(tr("De&vice:"),
                   popUp(form_.popupFMLEAudioInputDevice, "popupFMLEAudioInputDevice",
                         tr("Audio device:"), selectThen(form_.popupFMLEAudioInputDevice, {})));
    layout->addRow(
        tr("F&ormat:"),
        popUp(form_.popupFMLEAudioOutputFormat, "popupFMLEAudioOutputFormat", tr("Audio format:"),
              setTag(form_.popupFMLEAudioOutputFormat, &Tolvane::setTagAudioOutputFormat)));
    layout->addRow(
        tr("Sample &rate:"),
        popUp(form_.popupFMLEAudioSamplerate, "popupFMLEAudioSamplerate", tr("Sample rate (Hz):"),
              setTag(form_.popupFMLEAudioSamplerate, &Tolvane::setTagAudioSamplerate)));
    layout->addRow(
        tr("C&hannels:"),
        popUp(form_.popupFMLEAudioOutputChannel, "popupFMLEAudioOutputChannel", tr("Channels:"),
              setTag(form_.popupFMLEAudioOutputChannel, &Tolvane::setTagAudioChannel)));
    layout->addRow(tr("Bitra&te:"),
                   popUp(form_.popupFMLEAudioOutputBitrate, "popupFMLEAudioOutputBitrate",
                         tr("Audio bitrate (Kbps):"),
                         setTag(form_.popupFMLEAudioOutputBitrate, &Tolvane::setTagAudioBitrate)));
    volume_ = new QSlider(Qt::Horizontal);
    volume_->setObjectName(QStringLiteral("sliderFMLEAudioInputVolume"));
    volume_->setRange(0, 100);
    volume_->setAccessibleName(tr("Input volume"));
    volume_->setToolTip(tr("Audio input volume"));
    connect(volume_, &QSlider::valueChanged, this,
            [this](int value) { controller_.setInputVolume(value); });
    propertyViews_.push_back([this](Property changed) {
        if (changed != Property::inputVolume) return;
        const QSignalBlocker block(volume_);
        volume_->setValue(controller_.inputVolume());
    });
    layout->addRow(tr("Input vo&lume:"), volume_);
    return group(tr("Audio"), layout);
}

QWidget* MainWindow::buildCamTwistSection() {
    auto* layout = formLayout();
    auto* rate = textField(form_.txtfldCamTwistFramerate, "txtfldCamTwistFramerate",
                           tr("CamTwist frame rate:"));
    layout->addRow(
        tr("Fra&me rate:"),
        row({rate, flag(Property::syncFrameRate, "chkboxSyncFrameRate", tr("Follow FMLE"),
                        tr("Copy FMLE's frame rate into CamTwist"))}));
    auto* sizes = popUp(form_.popupCamTwistVideoSize, "popupCamTwistVideoSize",
                        tr("CamTwist size:"), selectThen(form_.popupCamTwistVideoSize, [this] {
                            controller_.camTwistVideoSizeSelected();
                        }));
    layout->addRow(tr("Si&ze:"), row({sizes, flag(Property::syncVideoSize, "chkboxSyncVideoSize",
                                                  tr("Follow FMLE"),
                                                  tr("Copy FMLE's input size into CamTwist"))}));
    customWidth_ = textField(form_.txtfldCamTwistCustomWidth, "txtfldCamTwistCustomWidth",
                             tr("Custom width:"));
    customHeight_ = textField(form_.txtfldCamTwistCustomHeight, "txtfldCamTwistCustomHeight",
                              tr("Custom height:"));
    layout->addRow(tr("C&ustom size:"),
                   row({customWidth_, new QLabel(QStringLiteral("×")), customHeight_}));
    auto* save = new QPushButton(tr("Save CamTwist Settings"));
    save->setObjectName(QStringLiteral("buttonCamTwistSaveConfig"));
    save->setAccessibleName(tr("Save CamTwist settings"));
    save->setToolTip(tr("Write frame rate and size into CamTwist's preferences, keeping a backup"));
    connect(save, &QPushButton::clicked, this, [this] { controller_.camTwistSaveConfig(); });
    layout->addRow(QString(), save);
    return group(tr("CamTwist"), layout);
}

QWidget* MainWindow::buildEncoderDrawer() {
    const auto options = [this](const QString& title, bool h264) {
        auto* layout = formLayout();
        for (const AdvancedOption& o : kAdvancedOptions) {
            if (o.h264 != h264) continue;
            const QString label = tr(o.label);
            auto* check = flag(o.flag, o.checkBoxName, label + ':',
                               tr("Write %1 into the profile").arg(label.toLower()));
            PopUpList& list = form_.*o.list;
            auto* values = popUp(list, o.listName, label + ':', selectThen(list, {}));
            int longest = 8;
            for (const auto& itemTitle : list.itemTitles())
                longest = std::max(longest, static_cast<int>(itemTitle.size()));
            values->setMinimumContentsLength(longest);
            layout->addRow(check, values);
        }
        return group(title, layout);
    };
    h264Options_ = options(tr("H.264 options"), true);
    vp6Options_ = options(tr("VP6 options"), false);

    h264Options_->setObjectName(QStringLiteral("groupH264Options"));
    vp6Options_->setObjectName(QStringLiteral("groupVP6Options"));
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("drawerEncoderSettings"));
    panel->setAccessibleName(tr("Encoder settings"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(h264Options_);
    layout->addWidget(vp6Options_);
    layout->addWidget(flag(Property::preserveAspect, "chkboxPreserveAspect",
                           tr("Preserve aspect ratio"),
                           tr("Keep the picture's aspect ratio when it is scaled")));
    layout->addStretch(1);
    return panel;
}

void MainWindow::followProperty(Property property) {
    for (const auto& view : propertyViews_)
        view(property);
    if (property == Property::camTwistCustomVideoSize || property == Property::h264Selected)
        followStates();
}

// Which controls can be used now.
void MainWindow::followStates() {
    if (!saveButton_ || !customWidth_ || !h264Options_) return;  // still being built
    saveButton_->setEnabled(
        Tolvane::isAcceptableProfileName(form_.txtfldNewProfileName.stringValue()));
    removeButton_->setEnabled(form_.popupFMLEProfileNames.selectedItem() != nullptr);
    const bool custom = controller_.camTwistCustomVideoSize();
    customWidth_->setEnabled(custom);
    customHeight_->setEnabled(custom);
    h264Options_->setEnabled(controller_.h264Selected());
    vp6Options_->setEnabled(!controller_.h264Selected());
}

}  // namespace tolvane
