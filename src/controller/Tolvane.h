#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/Choices.h"
#include "form/Form.h"
#include "form/Properties.h"
#include "platform/CaptureDevices.h"
#include "platform/Outcome.h"
#include "profile/ProfileDocument.h"
#include "rules/TagSet.h"

namespace tolvane {

class FileOps;
class PlistDictionary;

// The one controller: every piece of state and every operation of the program, as the front of
// the subsystems that do the work (the encoding rules, the profile store, the CamTwist bridge).
// It references the form's controls and owns everything else. Construction is the creation stage
// of start-up; awakeFromNib() and applicationDidFinishLaunching() are the two stages that follow.
class Tolvane final : private PropertyHolder {
  public:
    using PropertyObserver = std::function<void(Property)>;
    using ObserverId = int;

    Tolvane(Form& form, const CaptureDeviceSource& devices);
    // Tests pass a file layer that fails on demand, the window one with a trash; the controller
    // does not own it.
    Tolvane(Form& form, const CaptureDeviceSource& devices, FileOps& fileOps);
    ~Tolvane();
    Tolvane(const Tolvane&) = delete;
    Tolvane& operator=(const Tolvane&) = delete;

    // Start-up.
    void awakeFromNib();
    void applicationDidFinishLaunching();

    // Every setter call announces its property to the observers, after the form has followed.
    ObserverId observe(PropertyObserver observer);
    void unobserve(ObserverId id);

    // Observable properties.
#define TOLVANE_DECLARE_PLAIN(type, name, Name) \
    type name() const {                         \
        return name##_;                         \
    }                                           \
    void set##Name(type value);
    TOLVANE_PLAIN_PROPERTIES(TOLVANE_DECLARE_PLAIN)
#undef TOLVANE_DECLARE_PLAIN
#define TOLVANE_DECLARE_RULED(type, name, Name) \
    type name() const {                         \
        return name##_;                         \
    }
    TOLVANE_RULED_PROPERTIES(TOLVANE_DECLARE_RULED)
#undef TOLVANE_DECLARE_RULED
    void setSyncFrameRate(bool flag);
    void setSyncVideoSize(bool flag);
    void setTagVideoOutputFormat(int32_t tag);
    void setTagAudioOutputFormat(int32_t tag);
    void setTagAudioSamplerate(int32_t tag);
    void setTagAudioChannel(int32_t tag);
    // Any property by its name, a flag as 0 or 1: for views that bind by property. Setting goes
    // through the property's own setter.
    int32_t propertyValue(Property property) const;
    void setPropertyValue(Property property, int32_t value);

    // State read by tests and the window.
    Form& form() {
        return form_;
    }
    const std::vector<CaptureDevice>& audioDevices() const {
        return audioDevices_;
    }
    const std::vector<CaptureDevice>& videoDevides() const {
        return videoDevides_;
    }
    const std::optional<std::vector<std::string>>& fmleProfiles() const {
        return fmleProfiles_;
    }
    const std::string& fmleProfilePath() const {
        return fmleProfilePath_;
    }
    const std::string& camTwistPrefPath() const {
        return camTwistPrefPath_;
    }
    ProfileDocument* currentFMLEProfile() const {
        return currentFMLEProfile_.get();
    }
    PlistDictionary& camTwistPrefs() {
        return *camTwistPrefs_;
    }
    // Whether the working copy came from CamTwist's file.
    bool camTwistPrefsRead() const {
        return camTwistPrefsRead_;
    }
    FileOps& fileOps() {
        return *fileOps_;
    }
    // What the last save, removal or CamTwist save did.
    const Outcome& lastOutcome() const {
        return lastOutcome_;
    }

    // Choice vocabularies.
    std::optional<TitleTagDictionary> titleVsTagDictionary(const PopUpList& list) const;
    void initializeMembers();
    const TitleTagDictionary& videoOutputFormatDict() const {
        return videoOutputFormatDict_;
    }
    const TitleTagDictionary& audioOutputFormatDict() const {
        return audioOutputFormatDict_;
    }
    const TitleTagDictionary& audioSamplerateDict() const {
        return audioSamplerateDict_;
    }
    const TitleTagDictionary& audioChannelDict() const {
        return audioChannelDict_;
    }
    const TitleTagDictionary& audioBitrateDict() const {
        return audioBitrateDict_;
    }

    // Profile document and access by path.
    std::optional<std::string> valueForXPath(const std::string& path, const XmlNode& context) const;
    void setValue(const std::optional<std::string>& value, const std::string& path,
                  const XmlNode& context);

    // Profile catalogue, loading, rebuilding, saving and removal.
    std::optional<std::vector<std::string>> collectFMLEProfiles();
    void fmleProfileSelected(const PopUpList& sender);
    void loadFMLEProfile(const std::string& name);
    void fmleFrameRateSelected();
    void fmleInputSizeSelected(const PopUpList& sender);
    bool rebuildProfile();
    void setAspectRatio(bool preserve, XmlNode root);
    void fmleSaveProfile();
    // The name of the profile the document came from.
    std::optional<std::string> openProfileName() const {
        return openProfileName_;
    }
    // The name of an existing profile, other than the open one, whose file a save under this
    // name would replace (a listed name equal to it under Unicode NFC, or the name itself), so
    // that the window can ask first.
    std::optional<std::string> profileReplacedBy(const std::string& name) const;
    void removeFMLEProfile();
    // Whether fmleSaveProfile() would write under this name: not empty, no "/" or NUL, not "."
    // or "..".
    static bool isAcceptableProfileName(const std::string& name);
    // A profile name from a folder entry: the name less its extension, unless its only dot leads
    // it.
    static std::string profileNameOf(const std::string& entry);

    // Audio capability masks (AudioBitrateMaskProperties).
    TagSet assignSamplrateByEncode(int32_t format);
    TagSet assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel);

    // Bitrate budget.
    void adjustBitrate();

    // CamTwist preferences.
    std::optional<PlistDictionary> camTwistPreference();
    void loadCamTwistProfile();
    void camTwistVideoSizeSelected();
    void copyVideoSizeFromFMLEToCamTwist();
    void buildCamTwistPrefs();
    void camTwistSaveConfig();

  private:
    Tolvane(Form& form, const CaptureDeviceSource& devices, std::unique_ptr<FileOps> owned,
            FileOps* given);
    void storePropertyValue(Property property, int32_t value);
    void announce(Property property);

    Form& form_;
    std::unique_ptr<FileOps> defaultFileOps_;
    FileOps* fileOps_ = nullptr;
    std::vector<std::pair<ObserverId, PropertyObserver>> observers_;
    ObserverId lastObserverId_ = 0;

#define TOLVANE_DECLARE_FIELD(type, name, Name) type name##_{};
    TOLVANE_RULED_PROPERTIES(TOLVANE_DECLARE_FIELD)
    TOLVANE_PLAIN_PROPERTIES(TOLVANE_DECLARE_FIELD)
#undef TOLVANE_DECLARE_FIELD

    std::vector<CaptureDevice> audioDevices_;
    std::vector<CaptureDevice> videoDevides_;
    std::optional<std::vector<std::string>> fmleProfiles_;
    std::string fmleProfilePath_;
    std::string camTwistPrefPath_;
    std::unique_ptr<ProfileDocument> currentFMLEProfile_;
    std::optional<std::string> openProfileName_;
    // Of a profile's several output sizes, those after the one the form shows.
    std::string otherOutputSizes_;
    std::unique_ptr<PlistDictionary> camTwistPrefs_;
    // Whether the working copy came from CamTwist's file; a file that could not be read is never
    // replaced by a copy that lacks its settings.
    bool camTwistPrefsRead_ = false;
    TitleTagDictionary videoOutputFormatDict_;
    TitleTagDictionary audioOutputFormatDict_;
    TitleTagDictionary audioSamplerateDict_;
    TitleTagDictionary audioChannelDict_;
    TitleTagDictionary audioBitrateDict_;
    Outcome lastOutcome_;
};

}  // namespace tolvane
