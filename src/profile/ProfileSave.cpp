#include "profile/ProfileSave.h"

#include <algorithm>

#include "platform/SafeFile.h"
#include "profile/ProfileFolder.h"
#include "profile/ProfileMapping.h"

namespace tolvane::profile {
namespace {

// Whether two texts of a value say the same; for preserve aspect, whether the element is there.
bool same(ValueId id, const std::optional<std::string>& a, const std::optional<std::string>& b) {
    return isPresenceField(id) ? a.has_value() == b.has_value() : a == b;
}

std::optional<Keep> resolution(const Resolutions& keep, ValueId id) {
    const auto it = std::find_if(keep.begin(), keep.end(),
                                 [id](const auto& chosen) { return chosen.first == id; });
    return it == keep.end() ? std::nullopt : std::optional(it->second);
}

SaveResult write(FileOps& ops, const std::string& path, const ProfileDocument& document,
                 Outcome::Kind done) {
    SaveResult result;
    result.bytes = document.serialize();
    result.outcome = replaceFile(ops, path, result.bytes);
    if (result.outcome.ok()) {
        result.outcome.kind = done;
    } else {
        result.bytes.clear();
    }
    return result;
}

SaveResult merge(FileOps& ops, const SaveRequest& request, std::string_view onDisk) {
    auto theirs = ProfileDocument::parse(onDisk);
    if (!theirs) return {{Outcome::Kind::conflict, 0, request.path, {}}, {}, {}, {}};
    const FieldTexts now = readFields(theirs->rootElement());
    std::vector<FieldWrite> replay;
    std::vector<Conflict> conflicts;
    for (const FieldWrite& mine : request.changes) {
        const auto& base = request.stored[fieldIndex(mine.id)];
        const auto& text = now[fieldIndex(mine.id)];
        if (same(mine.id, text, base)) {
            replay.push_back(mine);
        } else if (same(mine.id, text, mine.value)) {
            continue;
        } else if (const auto keep = resolution(request.keep, mine.id)) {
            if (*keep == Keep::mine) replay.push_back(mine);
        } else {
            conflicts.push_back({mine.id, base, mine.value, text});
        }
    }
    if (!conflicts.empty())
        return {{Outcome::Kind::conflict, 0, request.path, {}}, std::move(conflicts), {}, {}};
    if (auto written = rebuildProfile(&*theirs, replay); !written)
        return {failedWrite(written.error(), request.path), {}, {}, {}};
    SaveResult result = write(ops, request.path, *theirs, Outcome::Kind::merged);
    if (result.outcome.ok()) result.merged = std::move(*theirs);
    return result;
}

}  // namespace

Outcome failedWrite(const WriteFailure& failure, const std::string& path) {
    return {failure.matches > 1 ? Outcome::Kind::repeatedElement : Outcome::Kind::noSuchElement, 0,
            path, failure.path};
}

SaveResult saveFMLEProfile(FileOps& ops, const SaveRequest& request) {
    Outcome::Kind done = Outcome::Kind::saved;
    if (request.loadedBytes) {
        auto onDisk = readRegularFile(ops, request.path, kMaxProfileBytes);
        if (onDisk && *onDisk != *request.loadedBytes) return merge(ops, request, *onDisk);
        if (!onDisk && onDisk.error().kind != Outcome::Kind::missing)
            return {std::move(onDisk.error()), {}, {}, {}};
        if (!onDisk) done = Outcome::Kind::recreated;
    }
    if (auto written = rebuildProfile(&request.document, request.changes); !written)
        return {failedWrite(written.error(), request.path), {}, {}, {}};
    return write(ops, request.path, request.document, done);
}

}  // namespace tolvane::profile
