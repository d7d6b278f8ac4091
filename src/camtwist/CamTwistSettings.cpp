#include "camtwist/CamTwistSettings.h"

#include <cerrno>
#include <string_view>
#include <vector>

#include "form/TextValue.h"
#include "platform/SafeFile.h"

namespace tolvane::camtwist {
namespace {

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

}  // namespace

std::string backupPathOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? path.substr(0, dot) : path) + ".bak";
}

std::optional<PlistDictionary> camTwistPreference(FileOps& ops, const std::string& path) {
    const auto bytes = readRegularFile(ops, path, kMaxPreferenceBytes);
    if (!bytes) return std::nullopt;
    return PlistDictionary::parse(*bytes);
}

bool loadCamTwistProfile(const PlistDictionary& prefs, Form& form) {
    form.txtfldCamTwistFramerate.setStringValue(prefs.numberText(kFrameRate).value_or(""));

    // "{640, 480}" is the title 640x480. A size that cannot be read shows as empty custom fields.
    std::vector<std::string> pieces{""};
    if (const auto stored = prefs.string(kVideoSize)) {
        // Fewer than two characters leave nothing to read.
        if (const auto rest = withoutFirstCharacter(*stored); !rest.empty())
            pieces = splitAt(withoutLastCharacter(rest), ", ");
    }
    const std::string title = joined(pieces, "x");
    PopUpList& sizes = form.popupCamTwistVideoSize;
    if (sizes.indexOfItemWithTitle(title) >= 0) {
        sizes.selectItemWithTitle(title);
        return false;
    }
    form.txtfldCamTwistCustomWidth.setStringValue(pieces.front());
    form.txtfldCamTwistCustomHeight.setStringValue(pieces.back());
    return true;
}

void camTwistVideoSizeSelected(Form& form) {
    form.txtfldCamTwistCustomWidth.setStringValue("");
    form.txtfldCamTwistCustomHeight.setStringValue("");
}

std::optional<bool> copyVideoSizeFromFMLEToCamTwist(Form& form) {
    const MenuItem* fmleSize = form.popupFMLEVideoInputSize.selectedItem();
    // With no FMLE size chosen there is nothing to copy; CamTwist's size stays as it is.
    if (!fmleSize) return std::nullopt;
    PopUpList& sizes = form.popupCamTwistVideoSize;
    if (sizes.itemWithTag(fmleSize->tag())) {
        sizes.selectItemWithTag(fmleSize->tag());
        return false;
    }
    const auto [width, height] = widthAndHeight(fmleSize->title());
    form.txtfldCamTwistCustomWidth.setStringValue(width);
    form.txtfldCamTwistCustomHeight.setStringValue(height);
    return true;
}

void buildCamTwistPrefs(PlistDictionary& prefs, const Form& form, bool customVideoSize) {
    prefs.setInteger(kFrameRate, integerValue(form.txtfldCamTwistFramerate.stringValue()));
    std::string width, height;
    bool hasSize = true;
    if (customVideoSize) {
        width = form.txtfldCamTwistCustomWidth.stringValue();
        height = form.txtfldCamTwistCustomHeight.stringValue();
    } else if (const auto title = form.popupCamTwistVideoSize.title()) {
        std::tie(width, height) = widthAndHeight(*title);
    } else {
        hasSize = false;  // no size chosen: the stored one stays
    }
    if (hasSize) prefs.setString(kVideoSize, "{" + width + ", " + height + "}");
    prefs.setBoolean(kUsingCustomVideoSize, customVideoSize);
}

Outcome camTwistSaveConfig(FileOps& ops, const std::string& path, const PlistDictionary& prefs,
                           bool fileWasRead) {
    // Never create CamTwist's file where there is none.
    if (!exists(ops, path)) return {Outcome::Kind::noPreferenceFile, ENOENT, path, {}};
    if (!fileWasRead) return {Outcome::Kind::unreadablePreferenceFile, 0, path, {}};
    // Every XML reader, CamTwist's included, rejects a whole list for one such character.
    if (auto key = prefs.unwritableText()) return {Outcome::Kind::unwritableText, 0, path, *key};
    Outcome outcome = replaceWithBackup(ops, path, backupPathOf(path), prefs.toXml());
    if (outcome.kind == Outcome::Kind::missing) outcome.kind = Outcome::Kind::noPreferenceFile;
    return outcome;
}

}  // namespace tolvane::camtwist
