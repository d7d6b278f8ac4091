#include "form/Properties.h"

#include <array>

namespace tolvane {
namespace {

constexpr std::array<std::string_view, kPropertyCount> kNames = {
#define TOLVANE_NAME_ENTRY(type, name, Name) #name,
    TOLVANE_RULED_PROPERTIES(TOLVANE_NAME_ENTRY) TOLVANE_PLAIN_PROPERTIES(TOLVANE_NAME_ENTRY)
#undef TOLVANE_NAME_ENTRY
};

}  // namespace

std::string_view propertyName(Property property) {
    return kNames[static_cast<std::size_t>(property)];
}

}  // namespace tolvane
