#include "rvxmod/app/pages/sample_page.h"

#include <QEvent>
#include <QHBoxLayout>

#include "rvxmod/app/command_controls.h"
#include "rvxmod/app/widgets/radio_group.h"

namespace rvxmod::app {

TFormSample::TFormSample(QWidget* parent)
    : Retranslated(parent),
      logSamples_(new RadioGroup(2, 2, this)),
      sampleFormat_(new RadioGroup(2, 2, this)),
      content_(new QVBoxLayout(new QWidget(this))) {
    logSamples_->setObjectName(QStringLiteral("RadioGroupLogSamples"));
    sampleFormat_->setObjectName(QStringLiteral("RadioGroupRealOrRaw"));
    auto* options = new QHBoxLayout;
    options->addWidget(logSamples_);
    options->addWidget(sampleFormat_);
    options->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    // Filled in by live sampling; takes the room the options leave.
    content_->parentWidget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(content_->parentWidget(), 1);
    retranslateUi();
}

void TFormSample::registerCommandControls(CommandControls& controls) {
    controls.add({logSamples_, sampleFormat_});
}

void TFormSample::applyPreferences(const Preferences& preferences) {
    logSamples_->setIndex(preferences.logSamplesToFile);
    sampleFormat_->setIndex(preferences.logSampleFormat);
}

void TFormSample::storePreferences(Preferences& preferences) const {
    preferences.logSamplesToFile = logSamples_->index();
    preferences.logSampleFormat = sampleFormat_->index();
}

void TFormSample::retranslateUi() {
    logSamples_->setTexts(tr("Log Samples to File"), {tr("Yes"), tr("No")});
    logSamples_->setToolTip(tr("Write every live sample to a sample file"));
    sampleFormat_->setTexts(tr("Sample Values"), {tr("Raw Values"), tr("Real Values")});
    sampleFormat_->setToolTip(tr("Show and log raw counts or calibrated values"));
}

}  // namespace rvxmod::app
