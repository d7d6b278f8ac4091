#pragma once

#include <QString>
#include <initializer_list>

class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QScrollArea;
class QPushButton;
class QToolButton;
class QWidget;

// The small pieces every section of the window is laid out with.
namespace tolvane::layout {

// A label's text as a screen reader says it: without the mnemonic's "&" and the closing colon.
QString spoken(const QString& text);
// A row label whose mnemonic moves focus to the control itself. The control takes the label's
// text as its accessible name; screen readers find the label as a sibling of the control, so both
// go into the same layout (or into rows made with row()).
QLabel* labelFor(const QString& text, QWidget* control);
// A unit after a value, such as "Kbps"; with a control, also the label that names it.
QLabel* unit(const QString& text, QWidget* control = nullptr);
// Labels right-aligned before fields that take the room left.
QFormLayout* formLayout();
// Widgets side by side without margins; text fields and combo boxes take the room left. A layout,
// not a widget, so that labels and controls stay siblings.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets);
// A text field for a number of a few digits, as narrow as that.
QLineEdit* narrow(QLineEdit* edit, int digits = 5);
QPushButton* button(const QString& text, const char* name, const QString& description);
// A small button that acts on a row of a table, reached by Tab from the row's field.
QToolButton* rowButton(const QString& text, const QString& name, const QString& accessible,
                       const QString& description);
// The same with an accessible name of its own, which holds the visible text.
QPushButton* button(const QString& text, const char* name, const QString& accessible,
                    const QString& description);

// A scroll area for a form taller than the screen, without a frame or a Tab stop of its own.
QScrollArea* scrollArea();

// A note that wraps and shows only while it has something to say (say()).
QLabel* note(const char* name);
void say(QLabel* label, const QString& text);

}  // namespace tolvane::layout
