#include "rvxmod/app/pages/tool_info_page.h"

#include <QEvent>
#include <QHBoxLayout>

#include "rvxmod/app/widgets/radio_group.h"

namespace rvxmod::app {
namespace {
constexpr int kHighestPort = 255;
}

TFormToolInfo::TFormToolInfo(QWidget* parent)
    : Retranslated(parent),
      comFind_(new RadioGroup(2, 2, this)),
      comNumber_(new QSpinBox(this)),
      quickConnect_(new QCheckBox(this)),
      content_(new QVBoxLayout(new QWidget(this))) {
    comFind_->setObjectName(QStringLiteral("RadioGroupComPort"));
    comNumber_->setObjectName(QStringLiteral("SpinEditComNumber"));
    quickConnect_->setObjectName(QStringLiteral("CheckBoxQuickConnect"));
    comNumber_->setRange(1, kHighestPort);

    auto* port = new QHBoxLayout;
    port->addWidget(comFind_);
    port->addWidget(comNumber_, 0, Qt::AlignBottom);
    port->addStretch();
    port->addWidget(quickConnect_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(port);
    // Filled in by the tool link; takes the room the options leave.
    content_->parentWidget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(content_->parentWidget(), 1);
    retranslateUi();
}

void TFormToolInfo::applyPreferences(const Preferences& preferences) {
    comFind_->setIndex(preferences.comFind);
    comNumber_->setValue(preferences.comNumber);
}

void TFormToolInfo::storePreferences(Preferences& preferences) const {
    preferences.comFind = comFind_->index();
    preferences.comNumber = comNumber_->value();
}

void TFormToolInfo::setSupervisorLevel(bool on) {
    quickConnect_->setVisible(on);
}

void TFormToolInfo::retranslateUi() {
    comFind_->setTexts(tr("Com Port"), {tr("Auto"), tr("Com")});
    quickConnect_->setText(tr("Quick Connect"));
}

}  // namespace rvxmod::app
