#include "controller/Tolvane.h"

#include <utility>

#include "camtwist/Plist.h"
#include "profile/ProfileDocument.h"

namespace tolvane {
namespace {

constexpr int32_t kFirstTag = 1001;
constexpr int32_t kAudioFormatAAC = 1001;
constexpr int32_t kAudioFormatNellymoser = 1003;

// Availability flag to the tag of the item it hides: the n-th flag of a family is tag 1001 + n.
constexpr int32_t tagOfFlag(Property flag, Property firstOfFamily) {
    return kFirstTag + static_cast<int32_t>(flag) - static_cast<int32_t>(firstOfFamily);
}

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
    : Tolvane(form, devices, defaultFileOps_) {}

Tolvane::Tolvane(Form& form, const CaptureDeviceSource& devices, FileOps& fileOps)
    : form_(form), fileOps_(&fileOps) {
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
        followInForm(static_cast<Property>(p));
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

    form_.popupFMLEProfileNames.removeAllItems();
    if (fmleProfiles_) form_.popupFMLEProfileNames.addItemsWithTitles(*fmleProfiles_);
    markFirstItem(form_.popupFMLEProfileNames);

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
    followInForm(property);
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

// The bindings the logic relies on: each choice list shows the item whose tag is its property,
// an unavailable choice is hidden, and the codec decides which audio formats are offered.
void Tolvane::followInForm(Property property) {
    const auto hide = [](PopUpList& list, int32_t tag, bool hidden) {
        list.setItemHidden(list.indexOfItemWithTag(tag), hidden);
    };
    switch (property) {
        case Property::tagVideoOutputFormat:
            form_.popupFMLEVideoOutputFormat.selectItemWithTag(tagVideoOutputFormat_);
            return;
        case Property::tagAudioOutputFormat:
            form_.popupFMLEAudioOutputFormat.selectItemWithTag(tagAudioOutputFormat_);
            return;
        case Property::tagAudioSamplerate:
            form_.popupFMLEAudioSamplerate.selectItemWithTag(tagAudioSamplerate_);
            return;
        case Property::tagAudioChannel:
            form_.popupFMLEAudioOutputChannel.selectItemWithTag(tagAudioChannel_);
            return;
        case Property::tagAudioBitrate:
            form_.popupFMLEAudioOutputBitrate.selectItemWithTag(tagAudioBitrate_);
            return;
        case Property::h264Selected:
            hideUnofferedAudioFormats();
            return;
        default:
            break;
    }
    const auto inFamily = [property](Property first, Property last) {
        return property >= first && property <= last;
    };
    if (inFamily(Property::samplerateStatus48000, Property::samplerateStatus5512)) {
        hide(form_.popupFMLEAudioSamplerate, tagOfFlag(property, Property::samplerateStatus48000),
             propertyValue(property) != 0);
    } else if (inFamily(Property::bitrateStatus320Kbps, Property::bitrateStatus11Kbps)) {
        hide(form_.popupFMLEAudioOutputBitrate, tagOfFlag(property, Property::bitrateStatus320Kbps),
             propertyValue(property) != 0);
    }
}

// AAC goes with H.264 only, Nellymoser with VP6 only; MP3 with both.
void Tolvane::hideUnofferedAudioFormats() {
    PopUpList& formats = form_.popupFMLEAudioOutputFormat;
    formats.setItemHidden(formats.indexOfItemWithTag(kAudioFormatAAC), !h264Selected_);
    formats.setItemHidden(formats.indexOfItemWithTag(kAudioFormatNellymoser), h264Selected_);
}

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

std::optional<TitleTagDictionary> Tolvane::titleVsTagDictionary(const PopUpList& list) const {
    TitleTagDictionary map;
    for (const MenuItem& item : list.itemArray()) {
        if (item.title().empty()) continue;
        map[item.title()] = item.tag();
    }
    if (map.empty()) return std::nullopt;
    return map;
}

void Tolvane::initializeMembers() {
    videoOutputFormatDict_ =
        titleVsTagDictionary(form_.popupFMLEVideoOutputFormat).value_or(TitleTagDictionary{});
    audioOutputFormatDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioOutputFormat).value_or(TitleTagDictionary{});
    audioSamplerateDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioSamplerate).value_or(TitleTagDictionary{});
    audioChannelDict_ = {{"2", 1001}, {"1", 1002}};
    audioBitrateDict_ =
        titleVsTagDictionary(form_.popupFMLEAudioOutputBitrate).value_or(TitleTagDictionary{});
}

}  // namespace tolvane
