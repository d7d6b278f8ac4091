#include "controller/Tolvane.h"

#include <cstdio>
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

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices)
    : Tolvane(form, devices, std::make_unique<FileOps>(), nullptr) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, FileOps& fileOps)
    : Tolvane(form, devices, nullptr, &fileOps) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, std::unique_ptr<FileOps> owned,
                 FileOps* given)
    : form_(form),
      defaultFileOps_(std::move(owned)),
      fileOps_(given ? given : defaultFileOps_.get()) {
    audioDevices_ = devices.inputDevicesWithMediaType(MediaType::sound);
    videoDevides_ = devices.inputDevicesWithMediaType(MediaType::video);
    currentFMLEProfile_.reset();
    fmleProfiles_ = collectFMLEProfiles();
    auto prefs = camTwistPreference();
    camTwistPrefsRead_ = prefs.has_value();
    camTwistPrefs_ =
        std::make_unique<PlistDictionary>(std::move(prefs).value_or(PlistDictionary{}));
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

    {
        // A long catalogue reaches the window in one notice.
        const PopUpList::Batch fill(form_.popupFMLEProfileNames);
        form_.popupFMLEProfileNames.removeAllItems();
        if (fmleProfiles_) form_.popupFMLEProfileNames.addItemsWithTitles(*fmleProfiles_);
        markFirstItem(form_.popupFMLEProfileNames);
    }

    setSyncFrameRate(false);
    setSyncVideoSize(false);
    initializeMembers();
}

void Tolvane::applicationDidFinishLaunching() {
    fmleProfileSelected(form_.popupFMLEProfileNames);
    form_.drawerEncoderSettings.toggle();
}

Tolvane::ObserverId Tolvane::observe(PropertyObserver observer) {
    observers_.emplace_back(++lastObserverId_, std::move(observer));
    return lastObserverId_;
}

void Tolvane::unobserve(ObserverId id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Tolvane::announce(Property property) {
    showProperty(form_, property, propertyValue(property));
    if (observers_.empty()) return;
    const auto current = observers_;  // an observer may unsubscribe while being told
    for (const auto& [id, observer] : current)
        observer(property);
}

#define TOLVANE_DEFINE_PLAIN(type, name, Name) \
    void Tolvane::set##Name(type value) {      \
        name##_ = value;                       \
        announce(Property::name);              \
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

void Tolvane::storePropertyValue(Property property, int32_t value) {
    switch (property) {
#define TOLVANE_STORE_CASE(type, name, Name) \
    case Property::name:                     \
        name##_ = static_cast<type>(value);  \
        break;
        TOLVANE_RULED_PROPERTIES(TOLVANE_STORE_CASE)
        TOLVANE_PLAIN_PROPERTIES(TOLVANE_STORE_CASE)
#undef TOLVANE_STORE_CASE
    }
    announce(property);
}

void Tolvane::setSyncFrameRate(bool flag) {
    syncFrameRate_ = flag;
    announce(Property::syncFrameRate);
    if (flag) {
        form_.txtfldCamTwistFramerate.setStringValue(
            form_.popupFMLEVideoFramerate.title().value_or(""));
    }
}

void Tolvane::setSyncVideoSize(bool flag) {
    syncVideoSize_ = flag;
    announce(Property::syncVideoSize);
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

TagSet Tolvane::assignSamplrateByEncode(int32_t format) {
    return rules::assignSamplrateByEncode(*this, format);
}

TagSet Tolvane::assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel) {
    return rules::assignBitrateByEncode(*this, format, samplerate, channel);
}

void Tolvane::setTagAudioOutputFormat(int32_t tag) {
    rules::setTagAudioOutputFormat(*this, tag);
}

void Tolvane::setTagAudioSamplerate(int32_t tag) {
    rules::setTagAudioSamplerate(*this, tag);
}

void Tolvane::setTagAudioChannel(int32_t tag) {
    rules::setTagAudioChannel(*this, tag);
}

void Tolvane::setTagVideoOutputFormat(int32_t tag) {
    rules::setTagVideoOutputFormat(*this, form_.popupFMLEAudioOutputFormat, tag);
}

void Tolvane::adjustBitrate() {
    rules::adjustBitrate(form_);
}

// The profile store.

std::optional<std::string> Tolvane::valueForXPath(const std::string& path,
                                                  const XmlNode& context) const {
    return profile::valueForXPath(path, context);
}

void Tolvane::setValue(const std::optional<std::string>& value, const std::string& path,
                       const XmlNode& context) {
    profile::setValue(value, path, context);
}

std::optional<std::vector<std::string>> Tolvane::collectFMLEProfiles() {
    fmleProfilePath_ = expandTilde(profile::kProfileFolder);
    // One listing serves both: what a save killed midway left behind is no profile.
    const auto entries = listFolder(*fileOps_, fmleProfilePath_);
    if (!entries) return std::nullopt;
    removeStaleTemporaries(*fileOps_, fmleProfilePath_, *entries);
    return profile::catalogueOf(*fileOps_, fmleProfilePath_, *entries);
}

void Tolvane::fmleProfileSelected(const PopUpList& sender) {
    if (auto name = sender.title()) loadFMLEProfile(*name);
}

void Tolvane::loadFMLEProfile(const std::string& name) {
    currentFMLEProfile_.reset();
    currentFMLEProfile_ = profile::openFMLEProfile(*fileOps_, fmleProfilePath_, name);
    openProfileName_ = currentFMLEProfile_ ? std::optional(name) : std::nullopt;
    if (!currentFMLEProfile_) return;
    otherOutputSizes_ =
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
    return profile::rebuildProfile(currentFMLEProfile_.get(), form_, *this, otherOutputSizes_);
}

void Tolvane::setAspectRatio(bool preserve, XmlNode root) {
    profile::setAspectRatio(preserve, root);
}

void Tolvane::fmleSaveProfile() {
    const std::string name =
        profile::profileFileName(fmleProfiles_, form_.txtfldNewProfileName.stringValue());
    const std::string path = profile::profilePath(fmleProfilePath_, name);
    if (!isAcceptableProfileName(name)) {
        lastOutcome_ = {Outcome::Kind::refusedName, 0, path, {}};
        return;
    }
    std::optional<ProfileFailure> failure;
    if (!profile::rebuildProfile(currentFMLEProfile_.get(), form_, *this, otherOutputSizes_,
                                 &failure)) {
        using Kind = Outcome::Kind;
        const Kind kind = !currentFMLEProfile_     ? Kind::nothingOpen
                          : failure->matches() > 1 ? Kind::repeatedElement
                                                   : Kind::noSuchElement;
        lastOutcome_ = {kind, 0, path, failure->path()};
        return;
    }
    lastOutcome_ =
        profile::saveFMLEProfile(*fileOps_, fmleProfilePath_, name, *currentFMLEProfile_);
}

std::optional<std::string> Tolvane::profileReplacedBy(const std::string& name) const {
    if (!isAcceptableProfileName(name)) return std::nullopt;
    const std::string file = profile::profileFileName(fmleProfiles_, name);
    if (openProfileName_ && profile::sameProfileName(file, *openProfileName_)) return std::nullopt;
    if (!exists(*fileOps_, profile::profilePath(fmleProfilePath_, file))) return std::nullopt;
    return file;
}

void Tolvane::removeFMLEProfile() {
    lastOutcome_ = profile::removeFMLEProfile(*fileOps_, fmleProfilePath_,
                                              form_.popupFMLEProfileNames.title());
}

bool Tolvane::isAcceptableProfileName(const std::string& name) {
    return profile::isAcceptableProfileName(name);
}

std::string Tolvane::profileNameOf(const std::string& entry) {
    return profile::profileNameOf(entry);
}

// The CamTwist bridge.

std::optional<PlistDictionary> Tolvane::camTwistPreference() {
    camTwistPrefPath_ = expandTilde(camtwist::kPreferencePath);
    removeStaleTemporaries(*fileOps_, camTwistPrefPath_.substr(0, camTwistPrefPath_.rfind('/')));
    return camtwist::camTwistPreference(*fileOps_, camTwistPrefPath_);
}

void Tolvane::loadCamTwistProfile() {
    if (camtwist::loadCamTwistProfile(*camTwistPrefs_, form_)) setCamTwistCustomVideoSize(true);
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

void Tolvane::buildCamTwistPrefs() {
    camtwist::buildCamTwistPrefs(*camTwistPrefs_, form_, camTwistCustomVideoSize_);
}

void Tolvane::camTwistSaveConfig() {
    buildCamTwistPrefs();
    lastOutcome_ = camtwist::camTwistSaveConfig(*fileOps_, camTwistPrefPath_, *camTwistPrefs_,
                                                camTwistPrefsRead_);
}

}  // namespace tolvane
