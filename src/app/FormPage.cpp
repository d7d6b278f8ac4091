#include <QStyle>
#include <QVBoxLayout>

#include "app/Sections.h"
#include "app/Widgets.h"

namespace tolvane {

namespace {

// The form asks for room for the scroll bar it is shown with on a short screen, so that the
// columns still stand side by side beside it.
class Page : public QWidget {
  public:
    QSize sizeHint() const override {
        return QWidget::sizeHint() + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    }
};

}  // namespace

QWidget* formPage(const WindowParts& parts) {
    auto* content = new Page;
    content->setObjectName(QStringLiteral("content"));
    auto* page = new QVBoxLayout(content);
    page->addWidget(new ProfileSection(parts));
    // Side by side where the window is wide enough, else stacked: never a sideways scroll.
    auto* fmle = new Columns;
    fmle->setObjectName(QStringLiteral("columnsFMLE"));
    // Video and audio stay side by side longest; the codec options go below them first.
    auto* capture = new Columns;
    capture->add(new VideoSection(parts));
    capture->add(new AudioSection(parts));
    fmle->add(capture, 2);
    fmle->add(new EncoderPanel(parts));
    page->addWidget(fmle);
    page->addWidget(new StreamsSection(parts));
    page->addWidget(new CamTwistSection(parts));
    page->addStretch(1);
    addOutputPanelItem(parts, content);
    return content;
}

}  // namespace tolvane
