#include "platform/Home.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tolvane {

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

std::string expandTilde(const std::string& path) {
    if (path.empty() || path[0] != '~' || (path.size() > 1 && path[1] != '/')) return path;
    std::string home = homeFolder();
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home + path.substr(1);
}

}  // namespace tolvane
