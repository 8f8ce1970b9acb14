#include "rvxmod/app/widgets/fold_panel.h"

#include <QVBoxLayout>

#include "rvxmod/app/bgr_colour.h"

namespace rvxmod::app {

FoldPanel::FoldPanel(QWidget* content, QWidget* parent)
    : QWidget(parent), caption_(new QPushButton(this)), content_(content) {
    caption_->setObjectName(QStringLiteral("FoldCaption"));
    caption_->setFlat(true);
    caption_->setAutoFillBackground(true);
    caption_->setStyleSheet(QStringLiteral("QPushButton { %1 text-align: left; font-weight: bold; "
                                           "padding: 3px 6px; border: 1px solid #9bb0cc; }")
                                .arg(backgroundStyle(kFoldCaptionColour)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption_);
    layout->addWidget(content_);
    content_->setVisible(false);
    connect(caption_, &QPushButton::clicked, this, &FoldPanel::captionClicked);
}

void FoldPanel::setTitle(const QString& title) {
    title_ = title;
    showCaption();
}

void FoldPanel::setOpen(bool open) {
    open_ = open;
    content_->setVisible(open);
    showCaption();
}

void FoldPanel::showCaption() {
    caption_->setText((open_ ? QStringLiteral("^    ") : QStringLiteral("v    ")) + title_);
}

}  // namespace rvxmod::app
