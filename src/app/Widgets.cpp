#include "app/Widgets.h"

#include <QEvent>
#include <QIconEngine>
#include <QListView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/ListModel.h"

namespace tolvane {

ElidedLabel::ElidedLabel(Qt::TextElideMode mode, QWidget* parent) : QLabel(parent), mode_(mode) {
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString& text) {
    if (text == text_) return;
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

void SteadyBox::showEvent(QShowEvent* event) {
    // QComboBox's own only drops the size hint.
    QWidget::showEvent(event);  // NOLINT(bugprone-parent-virtual-call)
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

void ChoiceBox::setItems(ListModel* items) {
    items_ = items;
    setModel(items);
    // A reset shows every row of the menu again.
    connect(items, &QAbstractItemModel::modelReset, this, [this] {
        hiddenRows_.clear();
        rowsHidden_ = false;
        hideRows();
    });
    connect(items, &QAbstractItemModel::dataChanged, this, &ChoiceBox::hideRows);
    hideRows();
}

void ChoiceBox::hideRows() {
    if (!items_ || !(items_->mayHide() || rowsHidden_)) return;
    // QComboBox's own view, which makes a persistent index for each row it is asked about.
    auto* menu = static_cast<QListView*>(view());
    hiddenRows_.resize(static_cast<std::size_t>(count()), false);
    rowsHidden_ = false;
    for (int row = 0; row < count(); ++row) {
        const bool hidden = !(items_->flags(items_->index(row)) & Qt::ItemIsEnabled);
        if (hiddenRows_[static_cast<std::size_t>(row)] != hidden) {
            menu->setRowHidden(row, hidden);
            hiddenRows_[static_cast<std::size_t>(row)] = hidden;
        }
        rowsHidden_ = rowsHidden_ || hidden;
    }
}

void ChoiceBox::showPopup() {
    // A long list opens without measuring each row.
    static_cast<QListView*>(view())->setUniformItemSizes(true);
    QComboBox::showPopup();
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
    } else if (const QVariant full = currentData(ListModel::titleRole); full.isValid()) {
        title = full.toString();
        mark = currentData(ListModel::markRole).toString();
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

namespace {

// An icon made when it is first drawn or measured.
class LazyIconEngine : public QIconEngine {
  public:
    explicit LazyIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override {
        auto* copy = new LazyIconEngine(make_);
        copy->icon_ = icon_;
        return copy;
    }

  private:
    QIcon& icon() {
        if (make_) icon_ = std::exchange(make_, {})();
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
};

}  // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QStyle* base = baseStyle();
    return QIcon(new LazyIconEngine([base, icon] { return base->standardIcon(icon); }));
}

OneOf::OneOf(QWidget* parent) : QWidget(parent) {}

void OneOf::add(QWidget* widget) {
    widget->setParent(this);
    widget->setGeometry(rect());
    widget->setVisible(widgets_.empty());
    widgets_.push_back(widget);
    hint_ = sizeHint();
    minimum_ = minimumSizeHint();
    updateGeometry();
}

void OneOf::setCurrent(int index) {
    for (int i = 0; i < static_cast<int>(widgets_.size()); ++i)
        if (i != index) widgets_[static_cast<std::size_t>(i)]->hide();
    if (index >= 0 && index < static_cast<int>(widgets_.size()))
        widgets_[static_cast<std::size_t>(index)]->show();
}

QSize OneOf::sizeHint() const {
    QSize size(0, 0);
    for (const QWidget* widget : widgets_)
        size = size.expandedTo(widget->sizeHint());
    return size;
}

QSize OneOf::minimumSizeHint() const {
    QSize size(0, 0);
    for (const QWidget* widget : widgets_)
        size = size.expandedTo(widget->minimumSizeHint());
    return size;
}

bool OneOf::event(QEvent* event) {
    // A widget's size hint changed, or one was shown or hidden: only a new size concerns the
    // window.
    if (event->type() == QEvent::LayoutRequest) {
        const QSize hint = sizeHint();
        const QSize minimum = minimumSizeHint();
        if (hint != hint_ || minimum != minimum_) {
            hint_ = hint;
            minimum_ = minimum;
            updateGeometry();
        }
    }
    return QWidget::event(event);
}

void OneOf::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* widget : widgets_)
        widget->setGeometry(rect());
}

Columns::Columns(QWidget* parent)
    : QWidget(parent), layout_(new QBoxLayout(QBoxLayout::LeftToRight, this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
}

void Columns::add(QWidget* column, int stretch) {
    layout_->addWidget(column, stretch);
}

int Columns::sideBySideWidth() const {
    int width = layout_->spacing() * std::max(0, layout_->count() - 1);
    for (int i = 0; i < layout_->count(); ++i)
        if (const QWidget* column = layout_->itemAt(i)->widget(); column && !column->isHidden())
            width += qobject_cast<const Columns*>(column)
                         ? static_cast<const Columns*>(column)->sideBySideWidth()
                         : column->minimumSizeHint().width();
    return width;
}

QSize Columns::minimumSizeHint() const {
    QSize size = QWidget::minimumSizeHint();
    if (layout_->direction() == QBoxLayout::LeftToRight) {
        int widest = 0;
        for (int i = 0; i < layout_->count(); ++i)
            if (const QWidget* column = layout_->itemAt(i)->widget(); column && !column->isHidden())
                widest = std::max(widest, column->minimumSizeHint().width());
        size.setWidth(widest);
    }
    return size;
}

QSize Columns::sizeHint() const {
    QSize size = QWidget::sizeHint();
    int width = layout_->spacing() * std::max(0, layout_->count() - 1);
    for (int i = 0; i < layout_->count(); ++i)
        if (const QWidget* column = layout_->itemAt(i)->widget(); column && !column->isHidden())
            width += column->sizeHint().width();
    size.setWidth(std::max({size.width(), width, sideBySideWidth()}));
    return size;
}

void Columns::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto direction =
        width() >= sideBySideWidth() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (direction != layout_->direction()) {
        layout_->setDirection(direction);
        updateGeometry();
    }
}

}  // namespace tolvane
