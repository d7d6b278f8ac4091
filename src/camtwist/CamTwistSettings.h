#pragma once

#include <optional>
#include <string>

#include "camtwist/Plist.h"
#include "form/Form.h"
#include "platform/FileOps.h"
#include "platform/Outcome.h"

// Between CamTwist's preference file and the form: the frame rate, the video size and whether a
// custom size is used.
namespace tolvane::camtwist {

inline constexpr const char* kPreferencePath = "~/Library/Preferences/com.allocinit.CamTwist.plist";

// The file's dictionary, or nothing when it is missing, no regular file or no dictionary list.
std::optional<PlistDictionary> camTwistPreference(FileOps& ops, const std::string& path);

// Shows the stored frame rate and size. True when the stored size is no standard one: the custom
// fields then hold it, and the custom size is to be switched on.
bool loadCamTwistProfile(const PlistDictionary& prefs, Form& form);

// A standard size was picked: the custom fields are emptied (the custom size goes off).
void camTwistVideoSizeSelected(Form& form);

// Copies FMLE's capture size: the CamTwist item of the same tag, or the custom fields. Returns
// whether the custom size is now in use, or nothing when no FMLE size is chosen.
std::optional<bool> copyVideoSizeFromFMLEToCamTwist(Form& form);

// Sets the three keys in the working copy from the form.
void buildCamTwistPrefs(PlistDictionary& prefs, const Form& form, bool customVideoSize);

// Writes the working copy over the preference file, keeping the previous file as the backup. A
// file that was not read (fileWasRead false) is never replaced by a copy lacking its settings.
Outcome camTwistSaveConfig(FileOps& ops, const std::string& path, const PlistDictionary& prefs,
                           bool fileWasRead);

// The backup's path: the file's with "bak" in place of its extension.
std::string backupPathOf(const std::string& path);

}  // namespace tolvane::camtwist
