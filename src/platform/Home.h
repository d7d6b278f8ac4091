#pragma once

#include <string>

namespace tolvane {

// The user's home folder: $HOME, else the password database's entry, else "/".
std::string homeFolder();

// Replaces a leading "~" (alone or before "/") with the home folder.
std::string expandTilde(const std::string& path);

}  // namespace tolvane
