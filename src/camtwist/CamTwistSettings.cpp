#include "camtwist/CamTwistSettings.h"

#include <cerrno>
#include <string_view>
#include <utility>
#include <vector>

#include "form/TextValue.h"
#include "platform/SafeFile.h"

namespace tolvane::camtwist {
namespace {

constexpr const char* kFrameRate = "frameRate";
constexpr const char* kVideoSize = "videoSize";
constexpr const char* kUsingCustomVideoSize = "usingCustomVideoSize";
constexpr std::size_t kMaxPreferenceBytes = std::size_t{64} << 20;

// The three keys, by their place in KeyTexts.
constexpr std::array<ValueId, 3> kIds = {ValueId::camTwistFrameRate, ValueId::camTwistVideoSize,
                                         ValueId::camTwistCustomVideoSize};
constexpr std::array<const char*, 3> kKeys = {kFrameRate, kVideoSize, kUsingCustomVideoSize};
constexpr std::size_t kFrameRateAt = 0, kVideoSizeAt = 1, kCustomAt = 2;

std::size_t placeOf(ValueId id) {
    return static_cast<std::size_t>(id) - static_cast<std::size_t>(ValueId::camTwistFrameRate);
}

std::string joined(const std::vector<std::string>& pieces, std::string_view glue) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i) out += glue;
        out += pieces[i];
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A size title split at "x": the first and the last piece.
std::pair<std::string, std::string> widthAndHeight(const std::string& title) {
    const auto pieces = splitAt(title, "x");
    return {pieces.front(), pieces.back()};
}

std::string sizeText(const std::string& width, const std::string& height) {
    return "{" + width + ", " + height + "}";
}

std::string flagText(bool flag) {
    return flag ? "true" : "false";
}

// The text of a key of the right type, as KeyTexts holds it.
std::optional<std::string> keyText(const PlistDictionary& prefs, std::size_t at) {
    switch (at) {
        case kFrameRateAt:
            return prefs.numberText(kFrameRate);
        case kVideoSizeAt:
            return prefs.string(kVideoSize);
        default:
            if (const auto flag = prefs.boolean(kUsingCustomVideoSize)) return flagText(*flag);
            return std::nullopt;
    }
}

KeyTexts formValues(const Loaded& loaded, const Form& form, bool customVideoSize) {
    KeyTexts values;
    // A frame rate still shown as read is the stored number, fraction and type included.
    const std::string& rate = form.txtfldCamTwistFramerate.stringValue();
    values[kFrameRateAt] = rate == loaded.frameRateShown ? loaded.form[kFrameRateAt]
                                                         : std::to_string(integerValue(rate));
    if (customVideoSize) {
        values[kVideoSizeAt] = sizeText(form.txtfldCamTwistCustomWidth.stringValue(),
                                        form.txtfldCamTwistCustomHeight.stringValue());
    } else if (const auto title = form.popupCamTwistVideoSize.title()) {
        const auto [width, height] = widthAndHeight(*title);
        values[kVideoSizeAt] = sizeText(width, height);
    } else {
        values[kVideoSizeAt] = loaded.form[kVideoSizeAt];  // no size chosen: the stored one stays
    }
    values[kCustomAt] = flagText(customVideoSize);
    return values;
}

// Whose text a repeated save keeps for a value, when the caller said.
std::optional<Keep> resolutionOf(const Resolutions& keep, ValueId id) {
    for (const auto& [value, side] : keep)
        if (value == id) return side;
    return std::nullopt;
}

}  // namespace

std::string backupPathOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? path.substr(0, dot) : path) + ".bak";
}

tl::expected<Loaded, Outcome> camTwistPreference(FileOps& ops, const std::string& path) {
    auto bytes = readRegularFile(ops, path, kMaxPreferenceBytes);
    if (!bytes) return tl::unexpected(bytes.error());
    auto prefs = PlistDictionary::parse(*bytes);
    if (!prefs)
        return tl::unexpected(Outcome{Outcome::Kind::unreadablePreferenceFile, 0, path, {}});
    Loaded loaded;
    loaded.bytes = std::move(*bytes);
    loaded.prefs = std::move(*prefs);
    loaded.stored = keyTexts(loaded.prefs);
    return loaded;
}

KeyTexts keyTexts(const PlistDictionary& prefs) {
    return {keyText(prefs, kFrameRateAt), keyText(prefs, kVideoSizeAt), keyText(prefs, kCustomAt)};
}

bool loadCamTwistProfile(const KeyTexts& stored, Form& form) {
    form.txtfldCamTwistFramerate.setStringValue(stored[kFrameRateAt].value_or(""));

    // "{640, 480}" is the title 640x480, and so is "{640,480}". A size that cannot be read shows
    // as empty custom fields.
    std::vector<std::string> pieces{""};
    if (const auto& size = stored[kVideoSizeAt]) {
        // Fewer than two characters leave nothing to read.
        if (const auto rest = withoutFirstCharacter(*size); !rest.empty()) {
            pieces = splitAt(withoutLastCharacter(rest), ",");
            for (std::string& piece : pieces)
                piece = std::string(trimmed(piece));
        }
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

void rememberShownValues(Loaded& loaded, const Form& form, bool customVideoSize) {
    loaded.frameRateShown = form.txtfldCamTwistFramerate.stringValue();
    loaded.form = loaded.stored;
    loaded.form = formValues(loaded, form, customVideoSize);
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

std::vector<Change> pendingChanges(const Loaded& loaded, const Form& form, bool customVideoSize) {
    const KeyTexts now = formValues(loaded, form, customVideoSize);
    std::vector<Change> changes;
    for (std::size_t at = 0; at < kKeys.size(); ++at)
        if (now[at] != loaded.form[at])
            changes.push_back({kIds[at], loaded.stored[at], now[at], std::nullopt});
    return changes;
}

void buildCamTwistPrefs(PlistDictionary& prefs, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        const std::size_t at = placeOf(change.id);
        if (!change.written) {
            prefs.copyKeyFrom(PlistDictionary{}, kKeys[at]);
        } else if (at == kFrameRateAt) {
            prefs.setInteger(kFrameRate, integerValue(*change.written));
        } else if (at == kVideoSizeAt) {
            prefs.setString(kVideoSize, *change.written);
        } else {
            prefs.setBoolean(kUsingCustomVideoSize, *change.written == flagText(true));
        }
    }
}

SaveResult camTwistSaveConfig(FileOps& ops, const std::string& path, Loaded& loaded,
                              bool fileWasRead, const std::vector<Change>& changes,
                              const Resolutions& keep) {
    using Kind = Outcome::Kind;
    const auto refused = [&](Kind kind, int error = 0, std::string detail = {}) {
        return SaveResult{{kind, error, path, std::move(detail)}, {}};
    };
    // Never create CamTwist's file where there is none, nor replace one whose settings the form
    // never showed.
    if (!exists(ops, path)) return refused(Kind::noPreferenceFile, ENOENT);
    if (!fileWasRead) return refused(Kind::unreadablePreferenceFile);

    // The file as it is now; parsed only when another program changed it.
    const auto now = readRegularFile(ops, path, kMaxPreferenceBytes);
    if (!now) {
        const Outcome& why = now.error();
        if (why.kind == Kind::missing) return refused(Kind::noPreferenceFile, why.error);
        if (why.kind == Kind::notAFile || why.kind == Kind::tooLarge) return {why, {}};
        return refused(Kind::unreadablePreferenceFile, why.error);
    }
    std::optional<PlistDictionary> theirs;
    if (*now != loaded.bytes) {
        theirs = PlistDictionary::parse(*now);
        if (!theirs) return refused(Kind::unreadablePreferenceFile);
    }

    // Three-way per changed key: base is the file's text as read, mine the form's, theirs the
    // file's now.
    std::vector<Change> applied;
    std::vector<Conflict> conflicts;
    for (const Change& change : changes) {
        const std::size_t at = placeOf(change.id);
        const auto current = theirs ? keyText(*theirs, at) : change.stored;
        if (current == change.stored) {
            applied.push_back(change);
        } else if (current == change.written) {
            continue;
        } else if (const auto side = resolutionOf(keep, change.id)) {
            if (*side == Keep::mine) applied.push_back(change);
        } else {
            conflicts.push_back({change.id, change.stored, change.written, current});
        }
    }
    if (!conflicts.empty()) return {{Kind::conflict, 0, path, {}}, std::move(conflicts)};

    // Unchanged on disk, the working copy takes the changes, and gives them back should the
    // write fail.
    PlistDictionary& target = theirs ? *theirs : loaded.prefs;
    PlistDictionary before;
    for (const Change& change : applied)
        before.copyKeyFrom(target, kKeys[placeOf(change.id)]);
    buildCamTwistPrefs(target, applied);

    std::string xml;
    Outcome outcome;
    // Every XML reader, CamTwist's included, rejects a whole list for one such character.
    if (auto key = target.unwritableText()) {
        outcome = {Kind::unwritableText, 0, path, *key};
    } else {
        xml = target.toXml();
        outcome = replaceWithBackup(ops, path, backupPathOf(path), xml);
        if (outcome.kind == Kind::missing) outcome.kind = Kind::noPreferenceFile;
    }
    if (!outcome.ok()) {
        for (const Change& change : applied)
            target.copyKeyFrom(before, kKeys[placeOf(change.id)]);
        return {outcome, {}};
    }
    if (theirs) {
        loaded.prefs = std::move(*theirs);
        outcome.kind = Kind::merged;
    }
    loaded.bytes = std::move(xml);
    loaded.stored = keyTexts(loaded.prefs);
    return {outcome, {}};
}

}  // namespace tolvane::camtwist
