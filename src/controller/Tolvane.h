#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tl/expected.hpp>
#include <vector>

#include "controller/Locations.h"
#include "controller/SaveOutcome.h"
#include "form/ChangeNotifier.h"
#include "form/Changes.h"
#include "form/Choices.h"
#include "form/Form.h"
#include "form/Properties.h"
#include "form/Streams.h"
#include "platform/CaptureDevices.h"
#include "platform/Outcome.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileMapping.h"
#include "rules/AudioRules.h"
#include "rules/TagSet.h"

namespace tolvane {

class FileOps;
class PlistDictionary;
namespace camtwist {
struct Loaded;
}

// The one controller: every piece of state and every operation of the program, as the front of
// the subsystems that do the work (the encoding rules, the profile store, the CamTwist bridge).
// It references the form's controls and owns everything else. Construction is the creation stage
// of start-up; awakeFromNib() and applicationDidFinishLaunching() are the two stages that follow.
class Tolvane final : private PropertyHolder {
  public:
    using PropertyObserver = std::function<void(Property)>;

    // Over the system's file layer, at the home folder's locations.
    Tolvane(Form& form, const CaptureDeviceSource& devices);
    Tolvane(Form& form, const CaptureDeviceSource& devices, Locations locations);
    // Tests pass a file layer that fails on demand, the window one with a trash; the controller
    // does not own it.
    Tolvane(Form& form, const CaptureDeviceSource& devices, FileOps& fileOps,
            Locations locations = Locations::inHome());
    ~Tolvane();
    Tolvane(const Tolvane&) = delete;
    Tolvane& operator=(const Tolvane&) = delete;

    // Start-up.
    void awakeFromNib();
    void applicationDidFinishLaunching();

    // The form follows every setter at once. Observers are told when the outermost action (a
    // setter, or a profile load) ends: each property whose value then differs from the one it
    // had when the action began, once, in the order it was last set.
    Subscription observe(PropertyObserver observer);

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
    int32_t propertyValue(Property property) const override;
    void setPropertyValue(Property property, int32_t value) override;

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
    // Why the profile folder could not be listed at start; nothing when it was (without a profile
    // in it, fmleProfiles() is empty all the same).
    const std::optional<Outcome>& profileFolderFailure() const {
        return profileFolderFailure_;
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
    // The working copy: CamTwist's file as last read or written.
    PlistDictionary& camTwistPrefs();
    // Why the working copy did not come from CamTwist's file: missing, unreadable, or no settings
    // file (unreadablePreferenceFile); nothing when it did.
    const std::optional<Outcome>& camTwistPrefsFailure() const {
        return camTwistPrefsFailure_;
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

    // Profile document and access by path. A write reports how many elements the path matched;
    // it wrote only when that is one.
    std::optional<std::string> valueForXPath(const std::string& path, const XmlNode& context) const;
    std::size_t setValue(const std::optional<std::string>& value, const std::string& path,
                         const XmlNode& context);

    // Profile catalogue, loading, rebuilding, saving and removal.
    std::optional<std::vector<std::string>> collectFMLEProfiles();
    // Load the profile the sender's selected item names, if any. A profile that does not open
    // leaves the form as it was; why, is returned and kept until the next load.
    tl::expected<void, Outcome> fmleProfileSelected(const PopUpList& sender);
    tl::expected<void, Outcome> loadFMLEProfile(const std::string& name);
    // Why the profile last loaded did not open: its file's outcome (missing, too large, ...), or
    // notAProfile for bytes that are no profile; nothing when it opened.
    const std::optional<Outcome>& profileOpenFailure() const {
        return profileOpenFailure_;
    }
    void fmleFrameRateSelected();
    void fmleInputSizeSelected(const PopUpList& sender);
    // Writes what the form changed since the load into the open document.
    bool rebuildProfile();
    bool setAspectRatio(bool preserve, XmlNode root);
    // Saves under the typed name; onto the open profile's own file, changes made on disk since
    // it was loaded are kept (see profile::saveFMLEProfile), and keep settles the values that
    // changed on both sides. After a save the open profile is the file just written.
    SaveOutcome fmleSaveProfile(const Resolutions& keep = {});
    // The name of an existing profile, other than the open one, whose file a save under this
    // name would replace (a listed name equal to it under Unicode NFC, or the name itself), so
    // that the window can ask first.
    std::optional<std::string> profileReplacedBy(const std::string& name) const;
    // Moves the selected profile's file to the trash, or deletes it where there is none.
    Outcome removeFMLEProfile();
    // What a save would write: each value the form changed since the load, with its stored text,
    // the text a save writes and the rule that made it.
    std::vector<Change> pendingChanges() const;
    // Every choice the encoding rules replaced since the last profile load, in order.
    const std::vector<Replacement>& replacements() const {
        return replacements_;
    }
    // The profile the open document came from; after a save, the name saved under.
    std::optional<std::string> openProfileName() const {
        return openProfileName_;
    }
    // Lists the folder again and shows it, keeping the selected name; the open profile stays
    // selected, as a kept item, when its file went.
    void refreshFMLEProfiles();
    // No profile open any more, as after its file was removed; the form keeps what it shows.
    void closeFMLEProfile();
    // Whether the open profile's file now holds other bytes than it was loaded (or saved) with,
    // or is gone.
    bool openProfileChangedOnDisk() const;
    // Loads the open profile again from its file, dropping the changes.
    tl::expected<void, Outcome> revertFMLEProfile();
    // Whether removing moves to a trash; without one it deletes for good.
    bool hasTrash() const;
    // Puts back a profile that removeFMLEProfile() moved to the trash (its outcome), lists and
    // opens it.
    tl::expected<void, Outcome> restoreRemovedProfile(const Outcome& removed);
    // The profile name a file outside the folder is imported under: its file name less ".xml".
    static std::string importedProfileName(const std::string& path);
    // Whether the path names a file in the profile folder (symlinks followed).
    bool isInProfileFolder(const std::string& path) const;
    // The listed name of an existing profile (the open one included) a file under this name
    // would replace.
    std::optional<std::string> existingProfile(const std::string& name) const;
    // Copies a profile file into the folder under importedProfileName(), replacing any file
    // there, then lists, selects and opens it. Refused: a file that is no FMLE profile
    // (notAProfile) or a name that cannot be saved under.
    tl::expected<std::string, Outcome> importFMLEProfile(const std::string& path);
    // Writes the open profile, with its changes, to any path; the open profile stays as it is.
    Outcome exportFMLEProfile(const std::string& path);
    // Whether fmleSaveProfile() would write under this name: not empty, no "/" or NUL, not "."
    // or "..".
    static bool isAcceptableProfileName(const std::string& name);

    // Audio capability masks (AudioBitrateMaskProperties): each sets its availability flags and
    // returns the tags they allow.
    TagSet assignSamplrateByEncode(int32_t format);
    TagSet assignBitrateByEncode(int32_t format, int32_t samplerate, int32_t channel);

    // Bitrate budget: sets stream 1's video bitrate.
    void adjustBitrate();

    // The streams FMLE sends at once, each with its total (see form/Streams.h), and adding or
    // removing one by its slot in kStreamControls (0 for stream 1; the later streams move up).
    std::vector<StreamRow> streams() const;
    bool addStream();
    bool removeStream(std::size_t slot);
    // The name each stream reaches the server under, with what the window should warn of.
    StreamNames resolvedStreamNames() const;
    // The open profile's bitrates and sizes past the streams the form shows, which a save keeps
    // after them; the window warns while there are any.
    profile::KeptStreamValues keptStreamValues() const;
    // Whether the folder of the recording path exists on this computer.
    bool recordingFolderExists() const;

    // CamTwist preferences.
    // CamTwist's file as read, or why it could not be.
    tl::expected<camtwist::Loaded, Outcome> camTwistPreference();
    // Shows the working copy's values and remembers them as the ones a save compares with.
    void loadCamTwistProfile();
    void camTwistVideoSizeSelected();
    void copyVideoSizeFromFMLEToCamTwist();
    // The working copy with the pending changes: what a save writes when the file is unchanged.
    PlistDictionary buildCamTwistPrefs() const;
    // Writes the changed keys into the file as it is on disk now; see camtwist::camTwistSaveConfig.
    // After a save the form shows the file written.
    SaveOutcome camTwistSaveConfig(const Resolutions& keep = {});

  private:
    Tolvane(Form& form, const CaptureDeviceSource& devices, std::unique_ptr<FileOps> owned,
            FileOps* given, Locations locations);
    std::vector<Change> pendingCamTwistChanges() const;
    // Fills the profile list with the catalogue, the first item marked.
    void showFMLEProfiles();
    // Makes a document the open profile and fills the form from it.
    void showProfile(std::unique_ptr<ProfileDocument> document, std::string name,
                     std::string bytes);

    // One action: announcements wait until the outermost one ends.
    class Action {
      public:
        explicit Action(Tolvane& controller);
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;
        ~Action();

      private:
        Tolvane& controller_;
    };
    // Notes the value a property had before the action first sets it, and its place in the order.
    void willSet(Property property);
    // Stores a value and lets the form follow, without rules.
    void set(Property property, int32_t value);
    void setFlags(Property first, std::size_t count, const TagSet& allowed);
    rules::AudioState audioState() const;
    // Stores what the rules returned: what they replaced, then each property that changed (and the
    // setter's own property always) in the order the cascade sets them.
    void apply(const rules::Cascade& result, std::optional<Property> own = std::nullopt);
    void announceChanges();

    Form& form_;
    std::unique_ptr<FileOps> defaultFileOps_;
    FileOps* fileOps_ = nullptr;
    Locations locations_;
    Notifier<Property> observers_;
    int actions_ = 0;  // running, nested ones included
    std::bitset<kPropertyCount> pending_;
    std::array<int32_t, kPropertyCount> before_{};
    std::array<Property, kPropertyCount> order_{};
    std::size_t ordered_ = 0;
    std::vector<Replacement> replacements_;

#define TOLVANE_DECLARE_FIELD(type, name, Name) type name##_{};
    TOLVANE_RULED_PROPERTIES(TOLVANE_DECLARE_FIELD)
    TOLVANE_PLAIN_PROPERTIES(TOLVANE_DECLARE_FIELD)
#undef TOLVANE_DECLARE_FIELD

    std::vector<CaptureDevice> audioDevices_;
    std::vector<CaptureDevice> videoDevides_;
    std::optional<std::vector<std::string>> fmleProfiles_;
    std::optional<Outcome> profileFolderFailure_;
    std::string fmleProfilePath_;
    std::string camTwistPrefPath_;
    std::unique_ptr<ProfileDocument> currentFMLEProfile_;
    std::optional<Outcome> profileOpenFailure_;
    // The open profile: its name, the bytes it was read from, its texts and the form as loaded.
    std::optional<std::string> openProfileName_;
    std::string openProfileBytes_;
    profile::Baseline baseline_;
    // CamTwist's file as last read or written, the working copy, and the form's values as shown.
    std::unique_ptr<camtwist::Loaded> camTwist_;
    // Set when the working copy did not come from CamTwist's file; a file that could not be read
    // is never replaced by a copy that lacks its settings.
    std::optional<Outcome> camTwistPrefsFailure_;
    TitleTagDictionary videoOutputFormatDict_;
    TitleTagDictionary audioOutputFormatDict_;
    TitleTagDictionary audioSamplerateDict_;
    TitleTagDictionary audioChannelDict_;
    TitleTagDictionary audioBitrateDict_;
};

}  // namespace tolvane
