#include "rvxmod/app/pages/about_page.h"

#include <QEvent>
#include <QVBoxLayout>

namespace rvxmod::app {
namespace {
constexpr const char* kReleaseDate = "2026/12/11";
}

TFormAbout::TFormAbout(QWidget* parent)
    : Retranslated(parent),
      product_(new QLabel(this)),
      version_(new QLabel(this)),
      releaseDate_(new QLabel(this)),
      support_(new QLabel(this)) {
    QFont title = product_->font();
    title.setPointSizeF(title.pointSizeF() * 2);
    title.setBold(true);
    product_->setFont(title);
    support_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    for (QLabel* label : {product_, version_, releaseDate_, support_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addStretch(2);
    retranslateUi();
}

void TFormAbout::retranslateUi() {
    product_->setText(QStringLiteral("RVXModular"));
    version_->setText(tr("Version %1").arg(QLatin1String(kProductVersion)));
    releaseDate_->setText(tr("Released %1").arg(QLatin1String(kReleaseDate)));
    support_->setText(tr("For support contact the RVX tools service centre."));
}

}  // namespace rvxmod::app
