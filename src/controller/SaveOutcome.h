#pragma once

#include <vector>

#include "form/Changes.h"
#include "platform/Outcome.h"

namespace tolvane {

// What a save did, and for a save that met changes made on disk to the same values, which ones.
struct SaveOutcome : Outcome {
    std::vector<Conflict> conflicts;
};

}  // namespace tolvane
