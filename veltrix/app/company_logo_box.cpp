#include "veltrix/app/company_logo_box.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/text_catalogue.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("Logo", english));
}

constexpr QSize previewSize(200, 100);

}  // namespace

CompanyLogoBox::CompanyLogoBox(rvx::UserPort& port, QWidget* parent)
    : QWidget(parent),
      port_(port),
      show_(new QCheckBox(text("Company Logo"), this)),
      group_(new QGroupBox(text("Company Logo:"), this)),
      preview_(new QLabel(group_)) {
    show_->setObjectName(QStringLiteral("cbLogo"));
    preview_->setObjectName(QStringLiteral("ReportLogo"));
    preview_->setFixedSize(previewSize);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);
    auto* update = new QPushButton(text("Update Logo"), group_);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(preview_);
    groupLayout->addWidget(update, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(show_);
    layout->addWidget(group_);
    layout->addStretch();
    group_->setVisible(false);
    connect(show_, &QCheckBox::toggled, group_, &QGroupBox::setVisible);
    connect(update, &QPushButton::clicked, this, &CompanyLogoBox::updateLogo);
}

void CompanyLogoBox::setLogoPath(const QString& path) {
    path_ = path;
    if (path.isEmpty()) {
        preview_->clear();
        show_->setChecked(false);
        return;
    }
    const QPixmap picture(path);
    preview_->setPixmap(picture.scaled(previewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    show_->setChecked(true);
}

void CompanyLogoBox::updateLogo() {
    const rvx::FileChoice choice{
        rvx::trText("Logo", "Open a Company Logo File"),
        {},
        {rvx::trText("Logo", "Pictures (*.bmp *.jpg *.jpeg *.png *.gif)")}};
    const std::optional<std::string> chosen = port_.chooseOpenFile(choice);
    if (!chosen) return;
    QString path = QString::fromStdString(*chosen);
    if (!QFileInfo::exists(path)) {
        path.clear();
        port_.showError(rvx::trText("Logo", "    File not found    "));
    }
    setLogoPath(path);
}

}  // namespace veltrix
