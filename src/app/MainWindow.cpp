#include "app/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "app/Widgets.h"
#include "profile/ProfileFolder.h"

namespace tolvane {
namespace {

// The widest a title shows in a list's menu, in average characters, before it is cut with "…".
constexpr int kMenuCharacters = 48;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QString localPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// What follows a value kept from a profile in its list, and why it is there.
QString keptMark(const QString& title, bool device) {
    if (title.isEmpty()) return MainWindow::tr("(empty)");
    return device ? MainWindow::tr(" (not connected)") : MainWindow::tr(" (from profile)");
}

QString keptReason(const QString& title, bool device) {
    const QString saving = MainWindow::tr("Saving writes it back unchanged.");
    if (title.isEmpty())
        return MainWindow::tr("Kept from the profile, which leaves it empty. ") + saving;
    return title + '\n' +
           (device
                ? MainWindow::tr("Kept from the profile: not offered on this computer. ")
                : MainWindow::tr("Kept from the profile: not one of the values offered here. ")) +
           saving;
}

// Shows a pop-up list: its items in order, hidden ones left out of the menu and not choosable,
// and its selection, which may be a hidden item. Values kept from a profile are marked.
void showPopUp(QComboBox* combo, const PopUpList& list, bool devices, const QString& description) {
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
        // A title the box may not show whole, and a kept value, carry their full text in a
        // tooltip and keep it for the box to cut to its width; the menu cuts very long titles.
        const QFontMetrics metrics = combo->fontMetrics();
        const int widest = metrics.averageCharWidth() * kMenuCharacters;
        for (int i = 0; i < combo->count(); ++i) {
            const bool kept = items[static_cast<std::size_t>(i)].isKept();
            const QString& title = titles[i];
            if (!kept && title.size() <= combo->minimumContentsLength()) continue;
            const QString mark = kept ? keptMark(title, devices) : QString();
            // No glyph is twice the average width: a short title needs no cutting.
            const QString menuTitle = title.size() * 2 <= kMenuCharacters
                                          ? title
                                          : metrics.elidedText(title, Qt::ElideRight, widest);
            combo->setItemText(i, menuTitle + mark);
            combo->setItemData(i, title, ChoiceBox::titleRole);
            combo->setItemData(i, mark, ChoiceBox::markRole);
            combo->setItemData(i, kept ? keptReason(title, devices) : title, Qt::ToolTipRole);
            if (kept) {
                QFont italic = combo->font();
                italic.setItalic(true);
                combo->setItemData(i, italic, Qt::FontRole);
            }
        }
        combo->setProperty("tolvaneRevision", QVariant::fromValue<qulonglong>(list.revision()));
    }
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    // Asking for the view builds the box's pop-up, which most boxes never need at start: only
    // boxes that hide, or have hidden, an item touch it.
    const bool anyHidden = std::any_of(items.begin(), items.end(),
                                       [](const MenuItem& item) { return item.isHidden(); });
    QListView* view = nullptr;
    if (anyHidden || combo->property("tolvaneRowsHidden").toBool()) {
        view = qobject_cast<QListView*>(combo->view());
        combo->setProperty("tolvaneRowsHidden", anyHidden);
    }
    for (int i = 0; i < combo->count(); ++i) {
        const bool hidden = items[static_cast<std::size_t>(i)].isHidden();
        if (view && view->isRowHidden(i) != hidden) view->setRowHidden(i, hidden);
        if (QStandardItem* row = model ? model->item(i) : nullptr;
            row && row->isEnabled() == hidden)
            row->setEnabled(!hidden);
    }
    combo->setCurrentIndex(list.indexOfSelectedItem());
    const QVariant tip = combo->currentData(Qt::ToolTipRole);
    combo->setToolTip(tip.isValid() ? tip.toString() : description);
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

// A row label whose mnemonic moves focus to the control itself, not to the row that holds it.
QLabel* labelFor(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

QLabel* unit(const QString& text) {
    return new QLabel(text);
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

QPushButton* button(const QString& text, const char* name, const QString& accessible,
                    const QString& tip) {
    auto* push = new QPushButton(text);
    push->setObjectName(QLatin1String(name));
    push->setAccessibleName(accessible);
    push->setToolTip(tip);
    return push;
}

}  // namespace

MainWindow::MainWindow(Tolvane& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller), form_(controller.form()) {
    setWindowTitle(QStringLiteral("Tolvane"));
    buildMenus();

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto* page = new QVBoxLayout(content);
    page->addWidget(buildProfileBar());
    auto* fmle = new QHBoxLayout;
    fmle->addWidget(buildVideoSection(), 1);
    fmle->addWidget(buildAudioSection(), 1);
    panel_ = buildEncoderPanel();
    fmle->addWidget(panel_, 1);
    page->addLayout(fmle);
    page->addWidget(buildCamTwistSection());
    page->addStretch(1);
    // On a screen smaller than the form, the form scrolls rather than leaving the screen.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    // No Tab stop of its own between the last control and the first.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    setCentralWidget(scroll);

    failureIcon_ = new QLabel;
    failureIcon_->setObjectName(QStringLiteral("statusFailure"));
    failureIcon_->hide();
    status_ = new ElidedLabel(Qt::ElideMiddle);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(failureIcon_);
    statusBar()->addWidget(status_, 1);

    const auto showPanel = [this] {
        const bool open = form_.drawerEncoderSettings.isOpen();
        panel_->setVisible(open);
        panelAction_->setChecked(open);
    };
    subscriptions_.push_back(form_.drawerEncoderSettings.subscribe(showPanel));
    showPanel();

    built_ = true;
    subscriptions_.push_back(
        controller_.observe([this](Property property) { followProperty(property); }));
    for (int p = 0; p < kPropertyCount; ++p)
        followProperty(static_cast<Property>(p));
    followStates();
}

MainWindow::~MainWindow() = default;

void MainWindow::followLaunch() {
    profilePicked();
    // The size the form asks for, within the screen less room for the window's frame.
    auto* scroll = static_cast<QScrollArea*>(centralWidget());
    const QSize wanted =
        scroll->widget()->sizeHint() +
        QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    if (const QScreen* shown = screen())
        resize(wanted.boundedTo(shown->availableGeometry().size() - QSize(8, 40)));
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save Profile"), this, &MainWindow::saveProfile);
    save->setShortcut(QKeySequence::Save);
    removeAction_ = file->addAction(tr("&Remove Profile"), this, &MainWindow::removeProfile);
    file->addAction(tr("Save &CamTwist Settings"), this, &MainWindow::saveCamTwistSettings);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    panelAction_ = view->addAction(tr("&Encoder Settings"));
    panelAction_->setCheckable(true);
    connect(panelAction_, &QAction::triggered, this,
            [this] { form_.drawerEncoderSettings.toggle(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About Tolvane"), this, [this] {
        QMessageBox::about(
            this, tr("About Tolvane"),
            tr("<h3>Tolvane %1</h3>"
               "<p>Prepares Flash Media Live Encoder 3.2 profiles and CamTwist's settings for "
               "live streaming.</p>"
               "<p>Licence: MIT</p>"
               "<p>Qt %2</p>")
                .arg(QStringLiteral(TOLVANE_VERSION), QString::fromLatin1(qVersion())));
    });
    about->setMenuRole(QAction::AboutRole);
}

QComboBox* MainWindow::popUp(PopUpList& list, const char* name, const QString& description,
                             Action pick, Kept kept) {
    auto* combo = new ChoiceBox;
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(description);
    combo->setMinimumContentsLength(8);
    const bool devices = kept == Kept::device;
    const auto show = [this, combo, &list, devices, description] {
        showPopUp(combo, list, devices, description);
        followStates();
    };
    subscriptions_.push_back(list.subscribe(show));
    connect(combo, &QComboBox::activated, this, [this, pick, show](int index) {
        pick(index);
        show();  // the model may have declined the pick
    });
    showPopUp(combo, list, devices, description);
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

QComboBox* MainWindow::comboBox(ComboBox& box, const char* name, const QString& description) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion inside the box: the text shown is the text that Enter and Apply use.
    combo->setCompleter(nullptr);
    combo->setAccessibleName(description);
    combo->setToolTip(tr("%1 in Kbps").arg(description));
    combo->setMinimumContentsLength(6);
    subscriptions_.push_back(box.subscribe([combo, &box] { showComboBox(combo, box); }));
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [&box](const QString& text) { box.setStringValue(text.toStdString()); });
    connect(combo, &QComboBox::activated, this, [combo, &box](int index) {
        box.selectItemWithObjectValue(combo->itemText(index).toStdString());
    });
    showComboBox(combo, box);
    return combo;
}

QLineEdit* MainWindow::textField(TextField& field, const char* name, const QString& description) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(description);
    edit->setToolTip(description);
    const auto show = [this, edit, &field] {
        if (edit->text() != qt(field.stringValue())) {
            const QSignalBlocker block(edit);
            edit->setText(qt(field.stringValue()));
        }
        followStates();
    };
    subscriptions_.push_back(field.subscribe(show));
    connect(edit, &QLineEdit::textEdited, this,
            [&field](const QString& text) { field.setStringValue(text.toStdString()); });
    show();
    return edit;
}

QCheckBox* MainWindow::flag(Property property, const char* name, const QString& text,
                            const QString& tip) {
    auto* check = new QCheckBox(text);
    check->setObjectName(QLatin1String(name));
    check->setAccessibleName(tip);
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

QWidget* MainWindow::buildProfileBar() {
    auto* profiles = popUp(form_.popupFMLEProfileNames, "popupFMLEProfileNames", tr("Profile"),
                           selectThen(form_.popupFMLEProfileNames, [this] {
                               controller_.fmleProfileSelected(form_.popupFMLEProfileNames);
                               profilePicked();
                           }));
    profiles->setMinimumContentsLength(16);
    profiles->setPlaceholderText(tr("No profiles"));
    removeButton_ = button(tr("&Remove"), "buttonRemoveFMLEProfile", tr("Remove profile"),
                           tr("Move the selected profile's file to the trash"));
    connect(removeButton_, &QPushButton::clicked, this, &MainWindow::removeProfile);
    profileName_ = textField(form_.txtfldNewProfileName, "txtfldNewProfileName",
                             tr("Name to save the profile under"));
    profileName_->setPlaceholderText(tr("Profile name"));
    saveButton_ = button(tr("&Save"), "buttonSaveFMLEProfile", tr("Save profile"),
                         tr("Save the settings as a profile under this name"));
    connect(saveButton_, &QPushButton::clicked, this, &MainWindow::saveProfile);
    connect(profileName_, &QLineEdit::returnPressed, this, &MainWindow::saveProfile);

    // The devices stand here, where their long names have room.
    auto* videoDevice = popUp(form_.popupFMLEVideoInputDeviceName, "popupFMLEVideoInputDeviceName",
                              tr("Video device"),
                              selectThen(form_.popupFMLEVideoInputDeviceName, {}), Kept::device);
    auto* audioDevice =
        popUp(form_.popupFMLEAudioInputDevice, "popupFMLEAudioInputDevice", tr("Audio device"),
              selectThen(form_.popupFMLEAudioInputDevice, {}), Kept::device);

    auto* bar = new QWidget;
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->addWidget(labelFor(tr("&Profile:"), profiles), 0, 0, Qt::AlignRight);
    grid->addWidget(profiles, 0, 1);
    grid->addWidget(removeButton_, 0, 2);
    grid->setColumnMinimumWidth(3, style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    grid->addWidget(labelFor(tr("Save &as:"), profileName_), 0, 4, Qt::AlignRight);
    grid->addWidget(profileName_, 0, 5);
    grid->addWidget(saveButton_, 0, 6);
    grid->addWidget(labelFor(tr("Video &device:"), videoDevice), 1, 0, Qt::AlignRight);
    grid->addWidget(videoDevice, 1, 1, 1, 2);
    grid->addWidget(labelFor(tr("Audio d&evice:"), audioDevice), 1, 4, Qt::AlignRight);
    grid->addWidget(audioDevice, 1, 5, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    column->addLayout(grid);

    // Where Tolvane looked, when it found nothing there; it creates neither.
    const auto notice = [column](const char* name, const QString& text) {
        auto* label = new ElidedLabel(Qt::ElideMiddle);
        label->setObjectName(QLatin1String(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFullText(text);
        column->addWidget(label);
    };
    if (!controller_.fmleProfiles()) {
        const std::string& folder = controller_.fmleProfilePath();
        const QString shown = OutcomeText::userPath(folder);
        notice("noticeProfiles", QFileInfo(localPath(folder)).isDir()
                                     ? tr("No FMLE profiles in %1").arg(shown)
                                     : tr("No FMLE profiles: %1 does not exist").arg(shown));
    }
    if (!controller_.camTwistPrefsRead()) {
        const std::string& file = controller_.camTwistPrefPath();
        const QString shown = OutcomeText::userPath(file);
        notice(
            "noticeCamTwist",
            QFileInfo::exists(localPath(file))
                ? tr("CamTwist's settings not read: %1 is empty or not a settings file").arg(shown)
                : tr("No CamTwist settings: %1 does not exist").arg(shown));
    }
    return bar;
}

QWidget* MainWindow::buildVideoSection() {
    auto* layout = formLayout();
    auto* rate = popUp(
        form_.popupFMLEVideoFramerate, "popupFMLEVideoFramerate", tr("Frame rate"),
        selectThen(form_.popupFMLEVideoFramerate, [this] { controller_.fmleFrameRateSelected(); }));
    layout->addRow(labelFor(tr("Fra&me rate:"), rate), row({rate, unit(tr("fps"))}));
    auto* size = popUp(form_.popupFMLEVideoInputSize, "popupFMLEVideoInputSize", tr("Input size"),
                       selectThen(form_.popupFMLEVideoInputSize, [this] {
                           controller_.fmleInputSizeSelected(form_.popupFMLEVideoInputSize);
                       }));
    layout->addRow(labelFor(tr("&Input size:"), size), size);
    auto* codec =
        popUp(form_.popupFMLEVideoOutputFormat, "popupFMLEVideoOutputFormat", tr("Video codec"),
              setTag(form_.popupFMLEVideoOutputFormat, &Tolvane::setTagVideoOutputFormat));
    layout->addRow(labelFor(tr("&Codec:"), codec), codec);
    auto* width = textField(form_.txtfldFMLEVideoOutputSizeX, "txtfldFMLEVideoOutputSizeX",
                            tr("Output width"));
    auto* height = textField(form_.txtfldFMLEVideoOutputSizeY, "txtfldFMLEVideoOutputSizeY",
                             tr("Output height"));
    layout->addRow(labelFor(tr("Output si&ze:"), width),
                   row({width, new QLabel(QStringLiteral("×")), height}));
    auto* bitrate = comboBox(form_.comboboxFMLEVideoOutputBitrate, "comboboxFMLEVideoOutputBitrate",
                             tr("Video bitrate"));
    layout->addRow(labelFor(tr("&Bitrate:"), bitrate), row({bitrate, unit(tr("Kbps"))}));
    auto* total = comboBox(form_.comboboxTotalBitrate, "comboboxTotalBitrate", tr("Total bitrate"));
    total->setToolTip(
        tr("Total bitrate in Kbps: the video bitrate becomes this less the audio bitrate"));
    auto* apply = button(tr("Appl&y"), "buttonAdjustBitrate", tr("Apply total bitrate"),
                         tr("Set the video bitrate from the total bitrate"));
    connect(apply, &QPushButton::clicked, this, [this] { controller_.adjustBitrate(); });
    connect(total, &QComboBox::activated, this, [this] { controller_.adjustBitrate(); });
    connect(total->lineEdit(), &QLineEdit::returnPressed, this, [this, total] {
        // Enter on a text that is one of the entries is reported as a pick already.
        if (total->findText(total->currentText()) < 0) controller_.adjustBitrate();
    });
    layout->addRow(labelFor(tr("&Total bitrate:"), total), row({total, unit(tr("Kbps")), apply}));
    return group(tr("Video"), layout);
}

QWidget* MainWindow::buildAudioSection() {
    auto* layout = formLayout();
    auto* format =
        popUp(form_.popupFMLEAudioOutputFormat, "popupFMLEAudioOutputFormat", tr("Audio format"),
              setTag(form_.popupFMLEAudioOutputFormat, &Tolvane::setTagAudioOutputFormat));
    layout->addRow(labelFor(tr("F&ormat:"), format), format);
    auto* rate =
        popUp(form_.popupFMLEAudioSamplerate, "popupFMLEAudioSamplerate", tr("Sample rate"),
              setTag(form_.popupFMLEAudioSamplerate, &Tolvane::setTagAudioSamplerate));
    layout->addRow(labelFor(tr("Samp&le rate:"), rate), row({rate, unit(tr("Hz"))}));
    auto* channels =
        popUp(form_.popupFMLEAudioOutputChannel, "popupFMLEAudioOutputChannel", tr("Channels"),
              setTag(form_.popupFMLEAudioOutputChannel, &Tolvane::setTagAudioChannel));
    layout->addRow(labelFor(tr("Cha&nnels:"), channels), channels);
    auto* bitrate =
        popUp(form_.popupFMLEAudioOutputBitrate, "popupFMLEAudioOutputBitrate", tr("Audio bitrate"),
              setTag(form_.popupFMLEAudioOutputBitrate, &Tolvane::setTagAudioBitrate));
    layout->addRow(labelFor(tr("Bitrate:"), bitrate), row({bitrate, unit(tr("Kbps"))}));

    auto* volume = new QSlider(Qt::Horizontal);
    volume->setObjectName(QStringLiteral("sliderFMLEAudioInputVolume"));
    volume->setRange(0, 100);
    volume->setAccessibleName(tr("Input volume"));
    volume->setToolTip(tr("Audio input volume"));
    auto* number = new QLabel;
    number->setObjectName(QStringLiteral("labelFMLEAudioInputVolume"));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
    connect(volume, &QSlider::valueChanged, this,
            [&controller = controller_](int value) { controller.setInputVolume(value); });
    // The number is the profile's own, also where the slider cannot reach it.
    propertyViews_.push_back([this, volume, number](Property changed) {
        if (changed != Property::inputVolume) return;
        const QSignalBlocker block(volume);
        volume->setValue(controller_.inputVolume());
        number->setNum(controller_.inputVolume());
    });
    layout->addRow(labelFor(tr("Input volume:"), volume), row({volume, number}));
    return group(tr("Audio"), layout);
}

QWidget* MainWindow::buildEncoderPanel() {
    // Only the chosen codec's options show; the other's keep their values.
    const auto options = [this](const char* name, bool h264) {
        auto* holder = new QWidget;
        holder->setObjectName(QLatin1String(name));
        auto* layout = formLayout();
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (const AdvancedOption& o : kAdvancedOptions) {
            if (o.h264 != h264) continue;
            const QString label = tr(o.label);
            auto* check = flag(o.flag, o.checkBoxName, label + ':',
                               tr("Write the %1 into the profile").arg(label.toLower()));
            PopUpList& list = form_.*o.list;
            auto* values = popUp(list, o.listName, label, selectThen(list, {}));
            values->setMinimumContentsLength(12);
            layout->addRow(check, values);
        }
        holder->setLayout(layout);
        return holder;
    };
    h264Options_ = options("groupH264Options", true);
    vp6Options_ = options("groupVP6Options", false);

    auto* layout = new QVBoxLayout;
    layout->addWidget(h264Options_);
    layout->addWidget(vp6Options_);
    layout->addWidget(flag(Property::preserveAspect, "chkboxPreserveAspect",
                           tr("Preserve aspect ratio"),
                           tr("Keep the picture's aspect ratio when it is scaled")));
    layout->addStretch(1);
    auto* panel = group(tr("Encoder settings"), layout);
    panel->setObjectName(QStringLiteral("drawerEncoderSettings"));
    return panel;
}

QWidget* MainWindow::buildCamTwistSection() {
    // Numbers need no more room than five digits.
    const auto narrow = [this](QLineEdit* edit) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                              style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 4);
        return edit;
    };
    auto* layout = new QGridLayout;
    auto* rate = narrow(textField(form_.txtfldCamTwistFramerate, "txtfldCamTwistFramerate",
                                  tr("CamTwist frame rate")));
    layout->addWidget(labelFor(tr("Frame rate:"), rate), 0, 0, Qt::AlignRight);
    layout->addWidget(row({rate, unit(tr("fps"))}), 0, 1);
    layout->addWidget(flag(Property::syncFrameRate, "chkboxSyncFrameRate", tr("Follow FMLE"),
                           tr("CamTwist's frame rate follows FMLE's")),
                      0, 2);
    layout->setColumnMinimumWidth(3, style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 3);
    camTwistSizes_ = popUp(form_.popupCamTwistVideoSize, "popupCamTwistVideoSize",
                           tr("CamTwist size"), selectThen(form_.popupCamTwistVideoSize, [this] {
                               controller_.camTwistVideoSizeSelected();
                           }));
    layout->addWidget(labelFor(tr("Size:"), camTwistSizes_), 0, 4, Qt::AlignRight);
    layout->addWidget(camTwistSizes_, 0, 5);
    layout->addWidget(flag(Property::syncVideoSize, "chkboxSyncVideoSize", tr("Follow FMLE"),
                           tr("CamTwist's size follows FMLE's input size")),
                      0, 6);
    auto* custom = flag(Property::camTwistCustomVideoSize, "chkboxCamTwistCustomVideoSize",
                        tr("C&ustom size:"), tr("CamTwist uses a size of its own"));
    customWidth_ = narrow(textField(form_.txtfldCamTwistCustomWidth, "txtfldCamTwistCustomWidth",
                                    tr("Custom width")));
    customHeight_ = narrow(textField(form_.txtfldCamTwistCustomHeight, "txtfldCamTwistCustomHeight",
                                     tr("Custom height")));
    layout->addWidget(custom, 1, 4, Qt::AlignRight);
    layout->addWidget(row({customWidth_, new QLabel(QStringLiteral("×")), customHeight_}), 1, 5,
                      Qt::AlignLeft);
    auto* save = button(tr("Save CamT&wist Settings"), "buttonCamTwistSaveConfig",
                        tr("Save CamTwist settings"),
                        tr("Write frame rate and size into CamTwist's settings, keeping a backup"));
    connect(save, &QPushButton::clicked, this, &MainWindow::saveCamTwistSettings);
    layout->setColumnStretch(7, 1);
    layout->addWidget(save, 1, 8, Qt::AlignRight);
    return group(tr("CamTwist"), layout);
}

void MainWindow::followProperty(Property property) {
    for (const auto& view : propertyViews_)
        view(property);
    if (property == Property::camTwistCustomVideoSize || property == Property::h264Selected)
        followStates();
}

// Which controls can be used now.
void MainWindow::followStates() {
    if (!built_) return;
    saveButton_->setEnabled(
        Tolvane::isAcceptableProfileName(form_.txtfldNewProfileName.stringValue()));
    const bool selected = form_.popupFMLEProfileNames.selectedItem() != nullptr;
    removeButton_->setEnabled(selected);
    removeAction_->setEnabled(selected);
    const bool custom = controller_.camTwistCustomVideoSize();
    camTwistSizes_->setEnabled(!custom);
    customWidth_->setEnabled(custom);
    customHeight_->setEnabled(custom);
    h264Options_->setVisible(controller_.h264Selected());
    vp6Options_->setVisible(!controller_.h264Selected());
}

void MainWindow::saveProfile() {
    const std::string name = form_.txtfldNewProfileName.stringValue();
    const SaveOutcome outcome = controller_.fmleSaveProfile();
    report(FileAction::saveProfile, outcome);
    // The list is built once at start, so a new name shows there from the next start.
    if (outcome.ok() && !form_.popupFMLEProfileNames.itemWithTitle(name))
        say(status_->fullText() + tr("; the profile list shows it from the next start"), false);
    if (outcome.kind == Outcome::Kind::refusedName) profileName_->setFocus();
}

void MainWindow::removeProfile() {
    controller_.removeFMLEProfile();
    report(FileAction::removeProfile, controller_.lastOutcome());
    followStates();
}

void MainWindow::saveCamTwistSettings() {
    const SaveOutcome outcome = controller_.camTwistSaveConfig();
    say(OutcomeText::of(FileAction::saveCamTwist, outcome), !outcome.ok());
}

void MainWindow::profilePicked() {
    showTitle();
    const auto name = form_.popupFMLEProfileNames.title();
    if (!name || controller_.currentFMLEProfile()) {
        say({}, false);
        return;
    }
    const std::string path = profile::profilePath(controller_.fmleProfilePath(), *name);
    const QString file = QStringLiteral("“%1”").arg(QFileInfo(localPath(path)).fileName());
    say((QFileInfo::exists(localPath(path)) ? tr("Not opened: %1 is not a profile Tolvane can read")
                                            : tr("Not opened: %1 no longer exists"))
                .arg(file) +
            tr("; the form keeps the values shown before"),
        true);
}

void MainWindow::report(FileAction action, const Outcome& outcome) {
    say(OutcomeText::of(action, outcome), !outcome.ok());
}

void MainWindow::say(const QString& text, bool failure) {
    if (failure && failureIcon_->pixmap().isNull()) {
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
        failureIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
    }
    failureIcon_->setVisible(failure);
    status_->setFullText(text);
}

void MainWindow::showTitle() {
    const auto name = form_.popupFMLEProfileNames.title();
    setWindowTitle(name && controller_.currentFMLEProfile() ? tr("%1 — Tolvane").arg(qt(*name))
                                                            : QStringLiteral("Tolvane"));
}

}  // namespace tolvane
