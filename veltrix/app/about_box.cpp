#include "veltrix/app/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/text_catalogue.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("About", english));
}

const char* const makerName = "Veltrix Field Software";
const char* const telephone = "+1 713 555 0142";
const char* const fax = "+1 713 555 0143";
const char* const mailAddress = "support@veltrix-field.example";
const char* const webSite = "https://www.veltrix-field.example";

QLabel* linkLabel(const QString& target, const QString& shown, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, shown), parent);
    label->setOpenExternalLinks(true);
    return label;
}

}  // namespace

AboutBox::AboutBox(const QString& version, QWidget* parent)
    : QDialog(parent), version_(version), versionLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(text("About"));
    versionLabel_->setText(QStringLiteral(" Beta ") + version);

    auto* title = new QLabel(QFileInfo(QApplication::applicationFilePath()).fileName(), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    title->setFont(bold);

    auto* details = new QFormLayout;
    details->addRow(text("Version:"), versionLabel_);
    details->addRow(text("Made by:"), new QLabel(QString::fromUtf8(makerName), this));
    details->addRow(text("Telephone:"), new QLabel(QString::fromUtf8(telephone), this));
    details->addRow(text("Fax:"), new QLabel(QString::fromUtf8(fax), this));
    const QString mail = QString::fromUtf8(mailAddress);
    details->addRow(text("E-mail:"), linkLabel(QStringLiteral("mailto:") + mail, mail, this));
    const QString web = QString::fromUtf8(webSite);
    details->addRow(text("Web:"), linkLabel(web, web, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(details);
    layout->addWidget(buttons);
}

void AboutBox::showFromMenu() {
    versionLabel_->setText(version_);
    exec();
}

}  // namespace veltrix
