#pragma once

namespace tolvane {

class PlistDictionary {};

}  // namespace tolvane
