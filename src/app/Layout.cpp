#include "app/Layout.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tolvane::layout {

QLabel* labelFor(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

QLabel* unit(const QString& text) {
    return new QLabel(text);
}

QFormLayout* formLayout() {
    auto* layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return layout;
}

QWidget* row(std::initializer_list<QWidget*> widgets) {
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget,
                          widget->inherits("QLineEdit") || widget->inherits("QComboBox") ? 1 : 0);
    return holder;
}

QPushButton* button(const QString& text, const char* name, const QString& accessible,
                    const QString& tip) {
    auto* push = new QPushButton(text);
    push->setObjectName(QLatin1String(name));
    push->setAccessibleName(accessible);
    push->setToolTip(tip);
    return push;
}

}  // namespace tolvane::layout
