#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/Changes.h"
#include "platform/FileOps.h"
#include "platform/Outcome.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFields.h"

// Saving the open profile: its document plus the form's changes, also when another program
// changed or removed the file since it was read.
namespace tolvane::profile {

struct SaveRequest {
    const std::string& path;  // the file to write
    // The open document, which takes the changes unless the file changed on disk meanwhile.
    ProfileDocument& document;
    const FieldTexts& stored;                // its texts as loaded
    const std::vector<FieldWrite>& changes;  // the changed fields
    // When the path is the open profile's own file, the bytes it was loaded from: the file is
    // read again, and a file changed since takes the changes where it did not change them too.
    const std::string* loadedBytes;
    const Resolutions& keep;  // whose text each conflicting value takes
};

struct SaveResult {
    Outcome outcome;
    std::vector<Conflict> conflicts;  // outcome conflict: the values changed on both sides
    std::string bytes;                // saved: what the file now holds
    // merged: the document written, the file as it was on disk plus the changes.
    std::optional<ProfileDocument> merged;
};

// What a value the document could not take makes of a save to the path: its element missing, or
// held more than once.
Outcome failedWrite(const WriteFailure& failure, const std::string& path);

// Writes the changes into the document and the document to the path, replacing any file there.
// Onto the open profile's own file:
// - the same bytes as loaded: saved as usual;
// - the file gone: written anew (recreated);
// - other bytes: each change is replayed on the file as it is now where the file still holds the
//   text it was loaded with (a value changed alike on both sides needs nothing), and that is
//   written (merged); a value changed on both sides to different texts is a conflict unless keep
//   resolves it, and any conflict leaves the file untouched, as does a file that is no longer a
//   profile (a conflict without values);
// - unreadable: not written, with the reason.
// A write that fails leaves the file untouched ("Exception rised" is logged); the open document
// then holds the writes before it.
SaveResult saveFMLEProfile(FileOps& ops, const SaveRequest& request);

}  // namespace tolvane::profile
