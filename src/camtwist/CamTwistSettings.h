#pragma once

#include <array>
#include <optional>
#include <string>
#include <tl/expected.hpp>
#include <vector>

#include "camtwist/Plist.h"
#include "form/Changes.h"
#include "form/Form.h"
#include "platform/FileOps.h"
#include "platform/Outcome.h"

// Between CamTwist's preference file and the form: the frame rate, the video size and whether a
// custom size is used.
namespace tolvane::camtwist {

inline constexpr const char* kPreferencePath = "~/Library/Preferences/com.allocinit.CamTwist.plist";

// A text for each of the three keys, in ValueId order (frame rate, video size, custom flag), or
// nothing. A key's text is its number's decimal text, its string, or "true" / "false"; a key of
// another type has none, as the form cannot show it.
using KeyTexts = std::array<std::optional<std::string>, 3>;

// The three keys' texts in a dictionary.
KeyTexts keyTexts(const PlistDictionary& prefs);

// CamTwist's file as last read or written, and the form as it showed it: what the next save
// starts from.
struct Loaded {
    std::string bytes;      // the file's bytes
    PlistDictionary prefs;  // the dictionary they hold: the working copy
    KeyTexts stored;        // its three keys' texts
    // The frame-rate field's text once shown. While the field holds it, the frame rate is the
    // stored number, which may have a fraction no save could write.
    std::string frameRateShown;
    KeyTexts form;  // the form's value of each key once shown
};

// CamTwist's file: its bytes and the dictionary they hold, or why not: missing, no regular file,
// unreadable, or no dictionary list (unreadablePreferenceFile).
tl::expected<Loaded, Outcome> camTwistPreference(FileOps& ops, const std::string& path);

// Shows the stored frame rate and size. True when the stored size is no standard one: the custom
// fields then hold it, and the custom size is to be switched on.
bool loadCamTwistProfile(const KeyTexts& stored, Form& form);

// Remembers the form's values as shown from `loaded.stored`.
void rememberShownValues(Loaded& loaded, const Form& form, bool customVideoSize);

// A standard size was picked: the custom fields are emptied (the custom size goes off).
void camTwistVideoSizeSelected(Form& form);

// Copies FMLE's capture size: the CamTwist item of the same tag, or the custom fields. Returns
// whether the custom size is now in use, or nothing when no FMLE size is chosen.
std::optional<bool> copyVideoSizeFromFMLEToCamTwist(Form& form);

// The keys whose value in the form differs from the one shown, in ValueId order: the file's text
// and the text a save writes.
std::vector<Change> pendingChanges(const Loaded& loaded, const Form& form, bool customVideoSize);

// Writes the changed keys into a dictionary, each with its own type: an integer frame rate, the
// size as a string, the flag as a boolean.
void buildCamTwistPrefs(PlistDictionary& prefs, const std::vector<Change>& changes);

struct SaveResult {
    Outcome outcome;
    std::vector<Conflict> conflicts;
};

// Writes the file as it is on disk now with the changed keys, keeping that file as the backup.
// When the file changed on disk since it was read, a key changed there too, to another text, is
// a conflict unless `keep` says whose text stays; with any conflict nothing is written. A file
// that was not read (fileWasRead false), is gone, or no longer reads is never written. After a
// save `loaded` holds the file written, less the form's values, which the caller shows anew.
SaveResult camTwistSaveConfig(FileOps& ops, const std::string& path, Loaded& loaded,
                              bool fileWasRead, const std::vector<Change>& changes,
                              const Resolutions& keep);

// The backup's path: the file's with "bak" in place of its extension.
std::string backupPathOf(const std::string& path);

}  // namespace tolvane::camtwist
