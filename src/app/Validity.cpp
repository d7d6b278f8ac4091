#include "app/Validity.h"

#include <algorithm>

namespace tolvane {

void Validity::set(const QObject* field, Scope scope, const QString& reason) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [field](const Entry& entry) { return entry.field == field; });
    if (found == entries_.end()) {
        if (reason.isEmpty()) return;
        entries_.push_back({field, scope, reason});
    } else if (reason.isEmpty()) {
        entries_.erase(found);
    } else if (found->reason == reason) {
        return;
    } else {
        found->reason = reason;
    }
    emit changed();
}

QString Validity::reason(Scope scope) const {
    for (const Entry& entry : entries_)
        if (entry.scope == scope) return entry.reason;
    return {};
}

}  // namespace tolvane
