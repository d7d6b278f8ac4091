#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Sections.h"

namespace tolvane {

QWidget* formPage(const WindowParts& parts) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto* page = new QVBoxLayout(content);
    page->addWidget(new ProfileSection(parts));
    auto* fmle = new QHBoxLayout;
    fmle->addWidget(new VideoSection(parts), 1);
    fmle->addWidget(new AudioSection(parts), 1);
    fmle->addWidget(new EncoderPanel(parts), 1);
    page->addLayout(fmle);
    page->addWidget(new CamTwistSection(parts));
    page->addStretch(1);
    return content;
}

}  // namespace tolvane
