#include "controller/Tolvane.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <utility>

#include "camtwist/CamTwistSettings.h"
#include "camtwist/Plist.h"
#include "form/Binding.h"
#include "platform/FileOps.h"
#include "platform/Home.h"
#include "platform/SafeFile.h"
#include "profile/ProfileCatalogue.h"
#include "profile/ProfileFolder.h"
#include "profile/ProfileMapping.h"
#include "profile/ProfileSave.h"
#include "rules/AudioRules.h"

namespace tolvane {
namespace {

void markFirstItem(PopUpList& list) {
    list.setItemState(0, true);
}

std::vector<std::string> displayNames(const std::vector<CaptureDevice>& devices) {
    std::vector<std::string> names;
    names.reserve(devices.size());
    for (const auto& device : devices)
        names.push_back(device.localizedDisplayName);
    return names;
}

}  // namespace

Locations Locations::inHome() {
    return {expandTilde(profile::kProfileFolder), expandTilde(camtwist::kPreferencePath)};
}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices)
    : Tolvane(form, devices, Locations::inHome()) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, Locations locations)
    : Tolvane(form, devices, std::make_unique<FileOps>(), nullptr, std::move(locations)) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, FileOps& fileOps,
                 Locations locations)
    : Tolvane(form, devices, nullptr, &fileOps, std::move(locations)) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, std::unique_ptr<FileOps> owned,
                 FileOps* given, Locations locations)
    : form_(form),
      defaultFileOps_(std::move(owned)),
      fileOps_(given ? given : defaultFileOps_.get()),
      locations_(std::move(locations)) {
    audioDevices_ = devices.inputDevicesWithMediaType(MediaType::sound);
    videoDevides_ = devices.inputDevicesWithMediaType(MediaType::video);
    currentFMLEProfile_.reset();
    fmleProfiles_ = collectFMLEProfiles();
    auto prefs = camTwistPreference();
    if (prefs) {
        camTwist_ = std::make_unique<camtwist::Loaded>(std::move(*prefs));
    } else {
        camTwistPrefsFailure_ = std::move(prefs.error());
        camTwist_ = std::make_unique<camtwist::Loaded>();
    }
    // Before the form is connected: the only fields written around their setters.
    syncFrameRate_ = false;
    syncVideoSize_ = false;

    // The form shows the properties from the start.
    for (int p = 0; p < kPropertyCount; ++p)
        showProperty(form_, static_cast<Property>(p), propertyValue(static_cast<Property>(p)));
}

Tolvane::~Tolvane() = default;

void Tolvane::awakeFromNib() {
    form_.popupFMLEAudioInputDevice.removeAllItems();
    form_.popupFMLEAudioInputDevice.addItemsWithTitles(displayNames(audioDevices_));
    markFirstItem(form_.popupFMLEAudioInputDevice);

    form_.popupFMLEVideoInputDeviceName.removeAllItems();
    form_.popupFMLEVideoInputDeviceName.addItemsWithTitles(displayNames(videoDevides_));
    markFirstItem(form_.popupFMLEVideoInputDeviceName);

    loadCamTwistProfile();

    showFMLEProfiles();

    setSyncFrameRate(false);
    setSyncVideoSize(false);
    initializeMembers();
}

void Tolvane::applicationDidFinishLaunching() {
    fmleProfileSelected(form_.popupFMLEProfileNames);
    form_.drawerEncoderSettings.toggle();
}

Subscription Tolvane::observe(PropertyObserver observer) {
    return observers_.subscribe(std::move(observer));
}

Tolvane::Action::Action(Tolvane& controller) : controller_(controller) {
    ++controller_.actions_;
}

Tolvane::Action::~Action() {
    if (--controller_.actions_ == 0) controller_.announceChanges();
}

void Tolvane::willSet(Property property) {
    const auto index = static_cast<std::size_t>(property);
    if (!pending_[index]) {
        pending_[index] = true;
        before_[index] = propertyValue(property);
        order_[ordered_++] = property;
        return;
    }
    // Set again: it moves to the end of the order.
    const auto end = order_.begin() + static_cast<std::ptrdiff_t>(ordered_);
    const auto at = std::find(order_.begin(), end, property);
    std::rotate(at, at + 1, end);
}

void Tolvane::announceChanges() {
    // Collected first: an observer may act, and its action announces on its own.
    std::array<Property, kPropertyCount> changed{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < ordered_; ++i) {
        const Property property = order_[i];
        if (propertyValue(property) != before_[static_cast<std::size_t>(property)])
            changed[count++] = property;
    }
    pending_.reset();
    ordered_ = 0;
    for (std::size_t i = 0; i < count; ++i)
        observers_.notify(changed[i]);
}

void Tolvane::set(Property property, int32_t value) {
    willSet(property);
    switch (property) {
#define TOLVANE_STORE_CASE(type, name, Name) \
    case Property::name:                     \
        name##_ = static_cast<type>(value);  \
        break;
        TOLVANE_RULED_PROPERTIES(TOLVANE_STORE_CASE)
        TOLVANE_PLAIN_PROPERTIES(TOLVANE_STORE_CASE)
#undef TOLVANE_STORE_CASE
    }
    showProperty(form_, property, propertyValue(property));
}

#define TOLVANE_DEFINE_PLAIN(type, name, Name)            \
    void Tolvane::set##Name(type value) {                 \
        const Action action(*this);                       \
        set(Property::name, static_cast<int32_t>(value)); \
    }
TOLVANE_PLAIN_PROPERTIES(TOLVANE_DEFINE_PLAIN)
#undef TOLVANE_DEFINE_PLAIN

int32_t Tolvane::propertyValue(Property property) const {
    switch (property) {
#define TOLVANE_VALUE_CASE(type, name, Name) \
    case Property::name:                     \
        return static_cast<int32_t>(name##_);
        TOLVANE_RULED_PROPERTIES(TOLVANE_VALUE_CASE)
        TOLVANE_PLAIN_PROPERTIES(TOLVANE_VALUE_CASE)
#undef TOLVANE_VALUE_CASE
    }
    return 0;
}

void Tolvane::setPropertyValue(Property property, int32_t value) {
    switch (property) {
#define TOLVANE_SET_CASE(type, name, Name)   \
    case Property::name:                     \
        set##Name(static_cast<type>(value)); \
        return;
        TOLVANE_RULED_PROPERTIES(TOLVANE_SET_CASE)
        TOLVANE_PLAIN_PROPERTIES(TOLVANE_SET_CASE)
#undef TOLVANE_SET_CASE
    }
}

void Tolvane::setSyncFrameRate(bool flag) {
    const Action action(*this);
    set(Property::syncFrameRate, flag);
    if (flag) {
        form_.txtfldCamTwistFramerate.setStringValue(
            form_.popupFMLEVideoFramerate.title().value_or(""));
    }
}

void Tolvane::setSyncVideoSize(bool flag) {
    const Action action(*this);
    set(Property::syncVideoSize, flag);
    if (flag) copyVideoSizeFromFMLEToCamTwist();
}

// Choice vocabularies.

std::optional<TitleTagDictionary> Tolvane::titleVsTagDictionary(const PopUpList& list) const {
    return titleTagDictionary(list);
}

void Tolvane::initializeMembers() {
    videoOutputFormatDict_ =
        titleVsTagDictionary(form_.popupFMLEVideoOutputFormat).value_or(TitleTagDictionary{});
    audioOutputFormatDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioOutputFormat).value_or(TitleTagDictionary{});
    audioSamplerateDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioSamplerate).value_or(TitleTagDictionary{});
    audioChannelDict_ = {{std::string(choice::kStereoText), choice::kStereo},
                         {std::string(choice::kMonoText), choice::kMono}};
    audioBitrateDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioOutputBitrate).value_or(TitleTagDictionary{});
}

// The encoding rules.

void Tolvane::setFlags(Property first, std::size_t count, const TagSet& allowed) {
    for (std::size_t i = 0; i < count; ++i) {
        const Property flag = nthProperty(first, i);
        const int32_t off = allowed.containsIndex(choice::tagAt(i)) ? 0 : 1;
        if (propertyValue(flag) != off) set(flag, off);
    }
}

rules::AudioState Tolvane::audioState() const {
    rules::AudioState state{tagVideoOutputFormat_,
                            h264Selected_,
                            tagAudioOutputFormat_,
                            tagAudioSamplerate_,
                            tagAudioChannel_,
                            tagAudioBitrate_,
                            nellyMoserSelected_,
                            {},
                            {}};
    for (std::size_t i = 0; i < choice::kSamplerateTitles.size(); ++i)
        if (propertyValue(nthProperty(Property::samplerateStatus48000, i)) == 0)
            state.samplerates.insert(choice::tagAt(i));
    for (std::size_t i = 0; i < choice::kBitrateTitles.size(); ++i)
        if (propertyValue(nthProperty(Property::bitrateStatus320Kbps, i)) == 0)
            state.bitrates.insert(choice::tagAt(i));
    return state;
}

void Tolvane::apply(const rules::Cascade& result, std::optional<Property> own) {
    for (const rules::Replaced& replaced : result.replaced) {
        const PopUpList& list =
            replaced.id == ValueId::audioFormat  ? form_.popupFMLEAudioOutputFormat
            : replaced.id == ValueId::sampleRate ? form_.popupFMLEAudioSamplerate
            : replaced.id == ValueId::channels   ? form_.popupFMLEAudioOutputChannel
                                                 : form_.popupFMLEAudioOutputBitrate;
        const auto title = [&](int32_t tag, bool shown) -> std::string {
            if (const auto known = rules::titleOf(replaced.id, tag)) return std::string(*known);
            // A value no list offers is named by what its list showed, which it still shows.
            if (shown) return list.title().value_or("");
            const MenuItem* item = list.itemWithTag(tag);
            return item ? item->title() : "";
        };
        replacements_.push_back(
            {replaced.id, title(replaced.from, true), title(replaced.to, false), replaced.reason});
    }
    const rules::AudioState& s = result.state;
    const auto store = [&](Property property, int32_t value) {
        if (property == own || propertyValue(property) != value) set(property, value);
    };
    store(Property::tagVideoOutputFormat, s.videoFormat);
    store(Property::h264Selected, s.h264Selected);
    store(Property::tagAudioChannel, s.channel);
    store(Property::nellyMoserSelected, s.nellyMoserSelected);
    store(Property::tagAudioOutputFormat, s.format);
    setFlags(Property::samplerateStatus48000, choice::kSamplerateTitles.size(), s.samplerates);
    store(Property::tagAudioSamplerate, s.samplerate);
    setFlags(Property::bitrateStatus320Kbps, choice::kBitrateTitles.size(), s.bitrates);
    store(Property::tagAudioBitrate, s.bitrate);
}

TagSet Tolvane::assignSamplrateByEncode(int32_t format) {
    const Action action(*this);
    TagSet allowed = rules::assignSamplrateByEncode(format);
    setFlags(Property::samplerateStatus48000, choice::kSamplerateTitles.size(), allowed);
    return allowed;
}

TagSet Tolvane::assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel) {
    const Action action(*this);
    TagSet allowed = rules::assignBitrateByEncode(format, samplerate, channel);
    setFlags(Property::bitrateStatus320Kbps, choice::kBitrateTitles.size(), allowed);
    return allowed;
}

void Tolvane::setTagAudioOutputFormat(int32_t tag) {
    const Action action(*this);
    apply(rules::setTagAudioOutputFormat(audioState(), tag), Property::tagAudioOutputFormat);
}

void Tolvane::setTagAudioSamplerate(int32_t tag) {
    const Action action(*this);
    apply(rules::setTagAudioSamplerate(audioState(), tag), Property::tagAudioSamplerate);
}

void Tolvane::setTagAudioChannel(int32_t tag) {
    const Action action(*this);
    apply(rules::setTagAudioChannel(audioState(), tag), Property::tagAudioChannel);
}

void Tolvane::setTagVideoOutputFormat(int32_t tag) {
    const Action action(*this);
    set(Property::tagVideoOutputFormat, tag);
    // Shown whether or not it changed: the rule reads the audio formats the form then leaves
    // visible.
    set(Property::h264Selected, tag == choice::kH264);
    apply(rules::setTagVideoOutputFormat(audioState(), tag,
                                         rules::offeredFormats(form_.popupFMLEAudioOutputFormat)));
}

void Tolvane::adjustBitrate() {
    rules::adjustBitrate(form_);
}

std::vector<StreamRow> Tolvane::streams() const {
    return streamTable(form_);
}

bool Tolvane::addStream() {
    return tolvane::addStream(form_);
}

bool Tolvane::removeStream(std::size_t slot) {
    return tolvane::removeStream(form_, slot);
}

StreamNames Tolvane::resolvedStreamNames() const {
    return resolveStreamNames(form_);
}

profile::KeptStreamValues Tolvane::keptStreamValues() const {
    return currentFMLEProfile_ ? baseline_.keptStreamValues : profile::KeptStreamValues{};
}

bool Tolvane::recordingFolderExists() const {
    return folderOfFileExists(*fileOps_, form_.txtfldFMLERecordingPath.stringValue());
}

// The profile store.

std::optional<std::string> Tolvane::valueForXPath(const std::string& path,
                                                  const XmlNode& context) const {
    return profile::valueForXPath(path, context);
}

std::size_t Tolvane::setValue(const std::optional<std::string>& value, const std::string& path,
                              const XmlNode& context) {
    return profile::setValue(value, path, context);
}

std::optional<std::vector<std::string>> Tolvane::collectFMLEProfiles() {
    fmleProfilePath_ = locations_.profileFolder;
    profileFolderFailure_.reset();
    // One listing serves both: what a save killed midway left behind is no profile.
    auto entries = listFolder(*fileOps_, fmleProfilePath_);
    if (!entries) {
        profileFolderFailure_ = entries.error();
        return std::nullopt;
    }
    removeStaleTemporaries(*fileOps_, fmleProfilePath_, *entries);
    return profile::catalogueOf(*fileOps_, fmleProfilePath_, std::move(*entries));
}

tl::expected<void, Outcome> Tolvane::fmleProfileSelected(const PopUpList& sender) {
    if (auto name = sender.title()) return loadFMLEProfile(*name);
    return {};
}

tl::expected<void, Outcome> Tolvane::loadFMLEProfile(const std::string& name) {
    replacements_.clear();
    const Action action(*this);
    currentFMLEProfile_.reset();
    openProfileName_.reset();
    profileOpenFailure_.reset();
    auto opened = profile::openFMLEProfile(*fileOps_, fmleProfilePath_, name);
    if (!opened) {
        const profile::OpenFailure& failure = opened.error();
        profileOpenFailure_ = failure.read.ok()
                                  ? Outcome{Outcome::Kind::notAProfile,
                                            0,
                                            profile::profilePath(fmleProfilePath_, name),
                                            {}}
                                  : failure.read;
        return tl::unexpected(*profileOpenFailure_);
    }
    showProfile(std::make_unique<ProfileDocument>(std::move(opened->document)), name,
                std::move(opened->bytes));
    return {};
}

void Tolvane::showProfile(std::unique_ptr<ProfileDocument> document, std::string name,
                          std::string bytes) {
    const Action action(*this);
    currentFMLEProfile_ = std::move(document);
    openProfileName_ = std::move(name);
    openProfileBytes_ = std::move(bytes);
    baseline_ =
        profile::loadFMLEProfile(*currentFMLEProfile_, form_, *this,
                                 {videoOutputFormatDict_, audioOutputFormatDict_,
                                  audioSamplerateDict_, audioChannelDict_, audioBitrateDict_});
}

void Tolvane::fmleFrameRateSelected() {
    profile::fmleFrameRateSelected(form_, syncFrameRate_);
}

void Tolvane::fmleInputSizeSelected(const PopUpList& sender) {
    profile::fmleInputSizeSelected(form_, sender);
}

bool Tolvane::rebuildProfile() {
    return profile::rebuildProfile(currentFMLEProfile_.get(),
                                   profile::changedFields(form_, *this, baseline_))
        .has_value();
}

bool Tolvane::setAspectRatio(bool preserve, XmlNode root) {
    return profile::setAspectRatio(preserve, root).has_value();
}

std::vector<Change> Tolvane::pendingChanges() const {
    std::vector<Change> changes;
    if (currentFMLEProfile_)
        changes = profile::pendingChanges(form_, *this, baseline_, replacements_);
    auto camTwist = pendingCamTwistChanges();
    changes.insert(changes.end(), std::make_move_iterator(camTwist.begin()),
                   std::make_move_iterator(camTwist.end()));
    return changes;
}

SaveOutcome Tolvane::fmleSaveProfile(const Resolutions& keep) {
    const std::string name =
        profile::profileFileName(fmleProfiles_, form_.txtfldNewProfileName.stringValue());
    const std::string path = profile::profilePath(fmleProfilePath_, name);
    if (!isAcceptableProfileName(name)) return {{Outcome::Kind::refusedName, 0, path, {}}, {}};
    if (!currentFMLEProfile_) return {{Outcome::Kind::nothingOpen, 0, path, {}}, {}};
    const bool ontoOpenFile = openProfileName_ == name;
    auto saved =
        profile::saveFMLEProfile(*fileOps_, {path, *currentFMLEProfile_, baseline_.stored,
                                             profile::changedFields(form_, *this, baseline_),
                                             ontoOpenFile ? &openProfileBytes_ : nullptr, keep});
    if (!saved.outcome.ok()) return {std::move(saved.outcome), std::move(saved.conflicts)};
    // The open profile is now the file just written, as a load of it would show it.
    replacements_.clear();
    auto written = ProfileDocument::parse(saved.bytes);
    if (written) {
        currentFMLEProfile_ = std::make_unique<ProfileDocument>(std::move(*written));
    } else if (saved.merged) {
        currentFMLEProfile_ = std::make_unique<ProfileDocument>(std::move(*saved.merged));
    }
    showProfile(std::move(currentFMLEProfile_), name, std::move(saved.bytes));
    return {std::move(saved.outcome), {}};
}

std::optional<std::string> Tolvane::profileReplacedBy(const std::string& name) const {
    if (!isAcceptableProfileName(name)) return std::nullopt;
    const std::string file = profile::profileFileName(fmleProfiles_, name);
    if (openProfileName_ && profile::sameProfileName(file, *openProfileName_)) return std::nullopt;
    if (!exists(*fileOps_, profile::profilePath(fmleProfilePath_, file))) return std::nullopt;
    return file;
}

Outcome Tolvane::removeFMLEProfile() {
    return profile::removeFMLEProfile(*fileOps_, fmleProfilePath_,
                                      form_.popupFMLEProfileNames.title());
}

void Tolvane::showFMLEProfiles() {
    // A long catalogue reaches the window in one notice.
    PopUpList& names = form_.popupFMLEProfileNames;
    const PopUpList::Batch fill(names);
    names.removeAllItems();
    if (fmleProfiles_) names.addItemsWithTitles(*fmleProfiles_);
    markFirstItem(names);
}

void Tolvane::refreshFMLEProfiles() {
    const std::optional<std::string> selected =
        openProfileName_ ? openProfileName_ : form_.popupFMLEProfileNames.title();
    fmleProfiles_ = collectFMLEProfiles();
    PopUpList& names = form_.popupFMLEProfileNames;
    const PopUpList::Batch fill(names);
    showFMLEProfiles();
    // A profile removed on disk while open stays in the form and can be saved again.
    if (selected && (openProfileName_ || names.itemWithTitle(*selected)))
        names.selectOrKeepItemWithTitle(selected);
}

void Tolvane::closeFMLEProfile() {
    currentFMLEProfile_.reset();
    openProfileName_.reset();
    openProfileBytes_.clear();
    replacements_.clear();
}

bool Tolvane::openProfileChangedOnDisk() const {
    if (!openProfileName_) return false;
    const auto bytes =
        readRegularFile(*fileOps_, profile::profilePath(fmleProfilePath_, *openProfileName_),
                        profile::kMaxProfileBytes);
    return !bytes || *bytes != openProfileBytes_;
}

tl::expected<void, Outcome> Tolvane::revertFMLEProfile() {
    if (!openProfileName_) return tl::unexpected(Outcome{Outcome::Kind::nothingOpen, 0, {}, {}});
    const std::string name = *openProfileName_;
    return loadFMLEProfile(name);
}

bool Tolvane::hasTrash() const {
    return fileOps_->hasTrash();
}

tl::expected<void, Outcome> Tolvane::restoreRemovedProfile(const Outcome& removed) {
    if (removed.kind != Outcome::Kind::trashed || removed.detail.empty())
        return tl::unexpected(Outcome{Outcome::Kind::missing, ENOENT, removed.path, {}});
    if (fileOps_->restoreFromTrash(removed.detail, removed.path) != 0)
        return tl::unexpected(Outcome::fromErrno(errno, removed.path));
    const std::string name = importedProfileName(removed.path);
    refreshFMLEProfiles();
    form_.popupFMLEProfileNames.selectItemWithTitle(name);
    return loadFMLEProfile(name);
}

std::string Tolvane::importedProfileName(const std::string& path) {
    const auto slash = path.rfind('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    constexpr std::string_view extension = profile::kProfileExtension;
    if (name.size() > extension.size() && name.ends_with(extension))
        name.resize(name.size() - extension.size());
    return name;
}

bool Tolvane::isInProfileFolder(const std::string& path) const {
    std::string file;
    std::string folder;
    if (fileOps_->realpath(path, file) != 0 || fileOps_->realpath(fmleProfilePath_, folder) != 0)
        return false;
    return file.size() > folder.size() + 1 && file.starts_with(folder) &&
           file[folder.size()] == '/' && file.find('/', folder.size() + 1) == std::string::npos;
}

std::optional<std::string> Tolvane::existingProfile(const std::string& name) const {
    if (!isAcceptableProfileName(name)) return std::nullopt;
    const std::string file = profile::profileFileName(fmleProfiles_, name);
    if (!exists(*fileOps_, profile::profilePath(fmleProfilePath_, file))) return std::nullopt;
    return file;
}

tl::expected<std::string, Outcome> Tolvane::importFMLEProfile(const std::string& path) {
    auto bytes = readRegularFile(*fileOps_, path, profile::kMaxProfileBytes);
    if (!bytes) return tl::unexpected(std::move(bytes.error()));
    // FMLE's own root element, so that no other XML file lands among the profiles.
    const auto document = ProfileDocument::parse(*bytes);
    if (!document ||
        !profile::valueForXPath("/flashmedialiveencoder_profile", document->rootElement()))
        return tl::unexpected(Outcome{Outcome::Kind::notAProfile, 0, path, {}});
    const std::string typed = importedProfileName(path);
    const std::string name = profile::profileFileName(fmleProfiles_, typed);
    const std::string target = profile::profilePath(fmleProfilePath_, name);
    // A hidden file would not be listed.
    if (!isAcceptableProfileName(name) || name.starts_with('.'))
        return tl::unexpected(Outcome{Outcome::Kind::refusedName, 0, target, {}});
    if (Outcome written = replaceFile(*fileOps_, target, *bytes); !written.ok())
        return tl::unexpected(std::move(written));
    refreshFMLEProfiles();
    form_.popupFMLEProfileNames.selectItemWithTitle(name);
    if (auto loaded = loadFMLEProfile(name); !loaded) return tl::unexpected(loaded.error());
    return name;
}

Outcome Tolvane::exportFMLEProfile(const std::string& path) {
    if (!currentFMLEProfile_) return {Outcome::Kind::nothingOpen, 0, path, {}};
    // A copy of the open profile takes the changes; the open one stays as loaded.
    auto copy = ProfileDocument::parse(openProfileBytes_);
    if (!copy) return {Outcome::Kind::notAProfile, 0, path, {}};
    if (auto written =
            profile::rebuildProfile(&*copy, profile::changedFields(form_, *this, baseline_));
        !written)
        return profile::failedWrite(written.error(), path);
    return replaceFile(*fileOps_, path, copy->serialize());
}

bool Tolvane::isAcceptableProfileName(const std::string& name) {
    return profile::isAcceptableProfileName(name);
}

// The CamTwist bridge.

PlistDictionary& Tolvane::camTwistPrefs() {
    return camTwist_->prefs;
}

std::vector<Change> Tolvane::pendingCamTwistChanges() const {
    return camtwist::pendingChanges(*camTwist_, form_, camTwistCustomVideoSize_);
}

tl::expected<camtwist::Loaded, Outcome> Tolvane::camTwistPreference() {
    camTwistPrefPath_ = locations_.camTwistPreferences;
    removeStaleTemporaries(*fileOps_, camTwistPrefPath_.substr(0, camTwistPrefPath_.rfind('/')));
    return camtwist::camTwistPreference(*fileOps_, camTwistPrefPath_);
}

void Tolvane::loadCamTwistProfile() {
    if (camtwist::loadCamTwistProfile(camTwist_->stored, form_)) setCamTwistCustomVideoSize(true);
    camtwist::rememberShownValues(*camTwist_, form_, camTwistCustomVideoSize_);
}

void Tolvane::camTwistVideoSizeSelected() {
    camtwist::camTwistVideoSizeSelected(form_);
    setCamTwistCustomVideoSize(false);
}

void Tolvane::copyVideoSizeFromFMLEToCamTwist() {
    if (!syncVideoSize_) return;
    if (const auto custom = camtwist::copyVideoSizeFromFMLEToCamTwist(form_))
        setCamTwistCustomVideoSize(*custom);
}

PlistDictionary Tolvane::buildCamTwistPrefs() const {
    PlistDictionary prefs = camTwist_->prefs;
    camtwist::buildCamTwistPrefs(prefs, pendingCamTwistChanges());
    return prefs;
}

SaveOutcome Tolvane::camTwistSaveConfig(const Resolutions& keep) {
    auto [outcome, conflicts] =
        camtwist::camTwistSaveConfig(*fileOps_, camTwistPrefPath_, *camTwist_,
                                     !camTwistPrefsFailure_, pendingCamTwistChanges(), keep);
    if (outcome.ok()) {
        // The form shows the file written as a fresh start would.
        form_.txtfldCamTwistCustomWidth.setStringValue("");
        form_.txtfldCamTwistCustomHeight.setStringValue("");
        setCamTwistCustomVideoSize(false);
        loadCamTwistProfile();
    }
    return {std::move(outcome), std::move(conflicts)};
}

}  // namespace tolvane
