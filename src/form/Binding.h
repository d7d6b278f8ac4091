#pragma once

#include <cstdint>

#include "form/Form.h"
#include "form/Properties.h"

namespace tolvane {

// Shows a property's new value in the form where the logic relies on it: each choice list selects
// the item whose tag is its property, an unavailable choice's item is hidden, and the video codec
// decides which audio formats are offered. Other properties are shown by the window alone. A list
// that already shows the value is left alone, so its views hear of real changes only.
void showProperty(Form& form, Property property, int32_t value);

}  // namespace tolvane
