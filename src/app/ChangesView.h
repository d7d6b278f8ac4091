#pragma once

#include <QDockWidget>
#include <optional>
#include <vector>

#include "form/Changes.h"

class QTreeWidget;

namespace tolvane {

// What a save would write: each pending change with its value, the text as loaded, the text to
// write and, for a choice the rules replaced, why. Built when first shown.
class ChangesView : public QDockWidget {
    Q_OBJECT

  public:
    explicit ChangesView(QWidget* parent = nullptr);
    void show(const std::vector<Change>& changes);

  private:
    QTreeWidget* list_ = nullptr;
};

// Asks whose text each value changed both here and on disk keeps; nothing when cancelled.
std::optional<Resolutions> askResolutions(QWidget* parent, const std::vector<Conflict>& conflicts);

}  // namespace tolvane
