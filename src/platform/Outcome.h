#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// What became of an action on a user's file, typed so that the window can say it in words and a
// test can assert it.
struct Outcome {
    enum class Kind : std::uint8_t {
        // Done as asked.
        saved,
        merged,     // saved; the file had changed on disk meanwhile, and those changes are kept
        recreated,  // saved; the file had been removed on disk meanwhile, and is written anew
        trashed,
        deleted,
        // Refused before any file was touched.
        refusedName,               // empty, ".", "..", or holding "/" or NUL
        nothingOpen,               // no profile document to save
        noSuchElement,             // detail: an element the form writes, missing from the profile
        repeatedElement,           // detail: an element the form writes, held more than once
        nothingSelected,           // nothing chosen to remove
        noPreferenceFile,          // CamTwist's file does not exist
        unreadablePreferenceFile,  // it exists but could not be read, so it is never replaced
        unwritableText,            // detail: the key whose text XML cannot carry
        backupIsSameFile,          // the preference file and its backup are one file
        backupNotAFile,            // the backup path holds a folder or the like
        conflict,                  // values changed both here and in the file on disk
        notAProfile,               // read, but the bytes are no profile Tolvane can read
        // Refused or failed by the file system; error holds the errno.
        writeProtected,
        notAFile,
        tooLarge,  // larger than any file of its kind
        nameTooLong,
        diskFull,
        missing,
        trashFailed,  // there is a trash, but the file could not be moved into it; nothing deleted
        failed,
    };

    Kind kind = Kind::saved;
    int error = 0;       // the errno, where there is one
    std::string path;    // the file concerned
    std::string detail;  // the element or key concerned, where there is one

    bool ok() const {
        return kind == Kind::saved || kind == Kind::merged || kind == Kind::recreated ||
               kind == Kind::trashed || kind == Kind::deleted;
    }

    // The outcome an errno from a file call stands for.
    static Outcome fromErrno(int error, std::string path);
};

}  // namespace tolvane
