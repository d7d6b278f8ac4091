#pragma once

#include <QString>
#include <initializer_list>

class QFormLayout;
class QLabel;
class QPushButton;
class QWidget;

// The small pieces every section of the window is laid out with.
namespace tolvane::layout {

// A row label whose mnemonic moves focus to the control itself, not to the row that holds it.
QLabel* labelFor(const QString& text, QWidget* control);
// A unit after a value, such as "Kbps".
QLabel* unit(const QString& text);
// Labels right-aligned before fields that take the room left.
QFormLayout* formLayout();
// Widgets side by side without margins; text fields and combo boxes take the room left.
QWidget* row(std::initializer_list<QWidget*> widgets);
QPushButton* button(const QString& text, const char* name, const QString& accessible,
                    const QString& tip);

}  // namespace tolvane::layout
