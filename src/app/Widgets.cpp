#include "app/Widgets.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace tolvane {

ElidedLabel::ElidedLabel(Qt::TextElideMode mode, QWidget* parent) : QLabel(parent), mode_(mode) {
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    elide();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_) + 2 * margin(), QLabel::sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    const QString shown = fontMetrics().elidedText(text_, mode_, contentsRect().width());
    setToolTip(shown == text_ ? QString() : text_);
    if (shown != text()) setText(shown);
}

void ChoiceBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    QString title = option.currentText;
    QString mark;
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        title = placeholderText();
    } else if (const QVariant full = currentData(titleRole); full.isValid()) {
        title = full.toString();
        mark = currentData(markRole).toString();
    }
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the text 1 pixel in from each side of the field.
    const int room = field.width() - 2 - option.fontMetrics.horizontalAdvance(mark);
    option.currentText = option.fontMetrics.elidedText(title, Qt::ElideRight, room) + mark;
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace tolvane
