#include "app/Widgets.h"

#include <algorithm>

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

QSize ChoiceBox::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')) +
                             iconSize().width() + 4,
                         std::max({metrics.height(), 14, iconSize().height() + 2}));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}

QSize ChoiceBox::minimumSizeHint() const {
    return sizeHint();
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
    if (!mark.isEmpty()) {
        QFont italic = font();
        italic.setItalic(true);
        painter.setFont(italic);
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the text 1 pixel in from each side of the field.
    const int room = field.width() - 2;
    const int titleWidth = metrics.horizontalAdvance(title);
    const int markWidth = metrics.horizontalAdvance(mark);
    if (titleWidth + markWidth <= room)
        option.currentText = title + mark;
    else if (titleWidth + metrics.horizontalAdvance(mark.left(4) + QChar(0x2026)) <= room)
        // The value whole, and enough of its mark to tell it is marked.
        option.currentText = title + metrics.elidedText(mark, Qt::ElideRight, room - titleWidth);
    else
        option.currentText = metrics.elidedText(title, Qt::ElideRight, room - markWidth) + mark;
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace tolvane
