#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "camtwist/Plist.h"
#include "controller/Tolvane.h"
#include "form/TextValue.h"
#include "platform/Home.h"
#include "platform/SafeFile.h"

namespace tolvane {
namespace {

constexpr const char* kPreferencePath = "~/Library/Preferences/com.allocinit.CamTwist.plist";
constexpr const char* kFrameRate = "frameRate";
constexpr const char* kVideoSize = "videoSize";
constexpr const char* kUsingCustomVideoSize = "usingCustomVideoSize";
constexpr std::size_t kMaxPreferenceBytes = std::size_t{64} << 20;

std::string joined(const std::vector<std::string>& pieces, std::string_view glue) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i) out += glue;
        out += pieces[i];
    }
    return out;
}

// A size title split at "x": the first and the last piece.
std::pair<std::string, std::string> widthAndHeight(const std::string& title) {
    const auto pieces = splitAt(title, "x");
    return {pieces.front(), pieces.back()};
}

std::string backupPathOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? path.substr(0, dot) : path) + ".bak";
}

}  // namespace

std::optional<PlistDictionary> Tolvane::camTwistPreference() {
    camTwistPrefPath_ = expandTilde(kPreferencePath);
    const auto bytes = readRegularFile(*fileOps_, camTwistPrefPath_, kMaxPreferenceBytes);
    if (!bytes) return std::nullopt;
    return PlistDictionary::parse(*bytes);
}

void Tolvane::loadCamTwistProfile() {
    form_.txtfldCamTwistFramerate.setStringValue(
        camTwistPrefs_->numberText(kFrameRate).value_or(""));

    // "{640, 480}" is the title 640x480. A size that cannot be read shows as empty custom fields.
    std::vector<std::string> pieces{""};
    if (const auto stored = camTwistPrefs_->string(kVideoSize)) {
        // Fewer than two characters leave nothing to read.
        if (const auto rest = withoutFirstCharacter(*stored); !rest.empty())
            pieces = splitAt(withoutLastCharacter(rest), ", ");
    }
    const std::string title = joined(pieces, "x");
    PopUpList& sizes = form_.popupCamTwistVideoSize;
    if (sizes.indexOfItemWithTitle(title) >= 0) {
        sizes.selectItemWithTitle(title);
        return;
    }
    form_.txtfldCamTwistCustomWidth.setStringValue(pieces.front());
    form_.txtfldCamTwistCustomHeight.setStringValue(pieces.back());
    setCamTwistCustomVideoSize(true);
}

void Tolvane::camTwistVideoSizeSelected() {
    form_.txtfldCamTwistCustomWidth.setStringValue("");
    form_.txtfldCamTwistCustomHeight.setStringValue("");
    setCamTwistCustomVideoSize(false);
}

void Tolvane::copyVideoSizeFromFMLEToCamTwist() {
    const MenuItem* fmleSize = form_.popupFMLEVideoInputSize.selectedItem();
    // With no FMLE size chosen there is nothing to copy; CamTwist's size stays as it is.
    if (!fmleSize || !syncVideoSize_) return;
    const auto [width, height] = widthAndHeight(fmleSize->title());
    PopUpList& sizes = form_.popupCamTwistVideoSize;
    if (sizes.itemWithTag(fmleSize->tag())) {
        sizes.selectItemWithTag(fmleSize->tag());
        setCamTwistCustomVideoSize(false);
        return;
    }
    form_.txtfldCamTwistCustomWidth.setStringValue(width);
    form_.txtfldCamTwistCustomHeight.setStringValue(height);
    setCamTwistCustomVideoSize(true);
}

void Tolvane::buildCamTwistPrefs() {
    camTwistPrefs_->setInteger(kFrameRate,
                               integerValue(form_.txtfldCamTwistFramerate.stringValue()));
    std::string width, height;
    bool hasSize = true;
    if (camTwistCustomVideoSize_) {
        width = form_.txtfldCamTwistCustomWidth.stringValue();
        height = form_.txtfldCamTwistCustomHeight.stringValue();
    } else if (const auto title = form_.popupCamTwistVideoSize.title()) {
        std::tie(width, height) = widthAndHeight(*title);
    } else {
        hasSize = false;  // no size chosen: the stored one stays
    }
    if (hasSize) camTwistPrefs_->setString(kVideoSize, "{" + width + ", " + height + "}");
    camTwistPrefs_->setBoolean(kUsingCustomVideoSize, camTwistCustomVideoSize_);
}

// The new file is complete on disk before anything is moved, so the preference file is never
// missing or partial: on any error it stays as it was and no temporary file is left.
void Tolvane::camTwistSaveConfig() {
    buildCamTwistPrefs();
    if (!camTwistPrefsRead_) return;
    FileOps& ops = *fileOps_;
    const std::string target = followSymlinks(ops, camTwistPrefPath_);
    struct stat current {};
    // Never create CamTwist's file where there is none.
    if (ops.stat(target, &current) != 0 || !S_ISREG(current.st_mode)) return;

    StagedFile staged(ops, target);
    if (staged.write(camTwistPrefs_->toXml(), current.st_mode) != 0) return;

    const std::string backup = backupPathOf(camTwistPrefPath_);
    struct stat old {};
    if (ops.lstat(backup, &old) == 0 && ops.unlink(backup) != 0) return;
    if (ops.link(target, backup) != 0) {
        // Hard links may be refused (another file system, a restrictive one): copy the bytes.
        const auto bytes = readRegularFile(ops, target, kMaxPreferenceBytes);
        StagedFile copy(ops, backup);
        if (!bytes || copy.write(*bytes, current.st_mode) != 0 || copy.commit() != 0) return;
    }
    staged.commit();
}

}  // namespace tolvane
