#pragma once

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QProxyStyle>
#include <vector>

namespace tolvane {

// A one-line label that cuts its text with "…" to the width it is given instead of widening the
// window; the whole text is in its tooltip when cut.
class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(Qt::TextElideMode mode, QWidget* parent = nullptr);
    void setFullText(const QString& text);
    const QString& fullText() const { return text_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void elide();

    Qt::TextElideMode mode_;
    QString text_;
};

// A combo box that keeps, when it is first shown, the size it was laid out with: QComboBox would
// measure its items again then, and so lay the window out a second time. Its items are in place
// before the window is shown.
class SteadyBox : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

  protected:
    void showEvent(QShowEvent* event) override;
};

// Widgets side by side where the width allows, else one above the other, so that a narrow screen
// scrolls down rather than sideways.
class Columns : public QWidget {
    Q_OBJECT

  public:
    explicit Columns(QWidget* parent = nullptr);
    void add(QWidget* column, int stretch = 1);
    // As narrow as the widest column: below the columns' width together, they stack.
    QSize minimumSizeHint() const override;
    // Asks for the room to stand side by side, also while stacked.
    QSize sizeHint() const override;
    // The width the columns need side by side (nested columns side by side too).
    int sideBySideWidth() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QBoxLayout* layout_;
};

// Widgets in one place, one of them shown, the place as large as the largest. It has no layout:
// showing another widget lays out that widget alone, where a layout's parent would lay out the
// whole window at once (QWidget::show activates every layout above it).
class OneOf : public QWidget {
    Q_OBJECT

  public:
    explicit OneOf(QWidget* parent = nullptr);
    void add(QWidget* widget);
    // Hides the others first, so that no two are ever shown together.
    void setCurrent(int index);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::vector<QWidget*> widgets_;
    QSize hint_, minimum_;  // as the window's layout last took them
};

class ListModel;

// A pop-up list over a ListModel that cuts its shown text with "…" to its width, keeping whole
// the mark that follows a kept value's title, and leaves hidden items out of its menu.
class ChoiceBox : public SteadyBox {
    Q_OBJECT

  public:
    using SteadyBox::SteadyBox;

    // Shows the model's items; owned by the box.
    void setItems(ListModel* items);

    // As wide as minimumContentsLength() characters and an icon, whatever its items: the size
    // QComboBox gives for AdjustToMinimumContentsLengthWithIcon, computed here because setting
    // that policy makes each box build its pop-up at once, a cost every start would pay.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Leaves the hidden items out of the menu. Only a list that hides items builds its menu for
    // it before it opens, so that screen readers hear which items are left out.
    void hideRows();

    ListModel* items_ = nullptr;
    bool rowsHidden_ = false;       // whether the menu leaves out an item
    std::vector<bool> hiddenRows_;  // which rows it leaves out
};

// The application's style, but for the menu bar's extension icon, which is made only if it is
// drawn: reading it loads every image plugin Qt has.
class LazyIconStyle : public QProxyStyle {
    Q_OBJECT

  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace tolvane
