#include "app/Layout.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

namespace tolvane::layout {

QString spoken(const QString& text) {
    // "&&" is a shown "&"; any other "&" marks the mnemonic.
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != QLatin1Char('&') || (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')))
            plain.append(text[i]);
    while (plain.endsWith(QLatin1Char(':')) || plain.endsWith(QLatin1Char(' ')))
        plain.chop(1);
    return plain;
}

QLabel* labelFor(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(spoken(text));
    // An editable combo box's text is an object of its own, which screen readers name only
    // through a label beside it: one inside the box, never shown.
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit()) {
        box->lineEdit()->setAccessibleName(spoken(text));
        auto* inner = new QLabel(spoken(text), box);
        inner->hide();
        inner->setBuddy(box->lineEdit());
    }
    return label;
}

QLabel* unit(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    if (control) label->setBuddy(control);
    return label;
}

QFormLayout* formLayout() {
    auto* layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return layout;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget,
                          widget->inherits("QLineEdit") || widget->inherits("QComboBox") ? 1 : 0);
    return layout;
}

QLineEdit* narrow(QLineEdit* edit, int digits) {
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(digits + 1, '0')) +
                          edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 4);
    return edit;
}

QPushButton* button(const QString& text, const char* name, const QString& description) {
    auto* push = new QPushButton(text);
    push->setObjectName(QLatin1String(name));
    push->setAccessibleName(spoken(text));
    push->setAccessibleDescription(description);
    push->setToolTip(description);
    return push;
}

QToolButton* rowButton(const QString& text, const QString& name, const QString& accessible,
                       const QString& description) {
    auto* push = new QToolButton;
    push->setText(text);
    push->setObjectName(name);
    push->setAccessibleName(accessible);
    push->setAccessibleDescription(description);
    push->setToolTip(description);
    return push;
}

QPushButton* button(const QString& text, const char* name, const QString& accessible,
                    const QString& description) {
    QPushButton* push = button(text, name, description);
    push->setAccessibleName(accessible);
    return push;
}

QScrollArea* scrollArea() {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    // No Tab stop of its own between the last control and the first.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    return scroll;
}

QLabel* note(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
}

void say(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace tolvane::layout
