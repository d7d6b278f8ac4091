#pragma once

#include <QComboBox>
#include <QLabel>

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

// A pop-up list that cuts its shown text with "…" to its width. An item whose text is not its
// title (a long title cut for the menu, a value kept from a profile) holds the title and the
// mark that follows it; the mark stays whole when the title is cut.
class ChoiceBox : public QComboBox {
    Q_OBJECT

  public:
    static constexpr int titleRole = Qt::UserRole;
    static constexpr int markRole = Qt::UserRole + 1;

    using QComboBox::QComboBox;

    // As wide as minimumContentsLength() characters and an icon, whatever its items: the size
    // QComboBox gives for AdjustToMinimumContentsLengthWithIcon, computed here because setting
    // that policy makes each box build its pop-up at once, a cost every start would pay.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tolvane
