#pragma once

#include "platform/FileOps.h"

namespace tolvane {

// The file layer with the desktop's trash: the freedesktop trash on Linux, the Trash on macOS.
class QtFileOps : public FileOps {
  public:
    int moveToTrash(const std::string& path) override;
    int moveToTrashAt(const std::string& path, std::string& inTrash) override;
    bool hasTrash() override;
    int restoreFromTrash(const std::string& inTrash, const std::string& path) override;
};

}  // namespace tolvane
