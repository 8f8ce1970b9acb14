#include "rvxmod/app/pages/config/download_options.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include "rvxmod/app/command_controls.h"
#include "rvxmod/app/widgets/radio_group.h"

namespace rvxmod::app {

DownloadOptions::DownloadOptions(QWidget* parent)
    : Retranslated(parent),
      timeFormat_(new RadioGroup(2, 1, this)),
      fileFormat_(new RadioGroup(3, 1, this)),
      calLocation_(new RadioGroup(2, 1, this)),
      calculationMethod_(new RadioGroup(2, 1, this)),
      filterBox_(new QGroupBox(this)),
      filterNone_(new QCheckBox(filterBox_)),
      filterMins_(new QCheckBox(filterBox_)),
      filterMinutes_(new QSpinBox(filterBox_)) {
    timeFormat_->setObjectName(QStringLiteral("RadioGroupTimeFormat"));
    fileFormat_->setObjectName(QStringLiteral("RadioGroupFileFormat"));
    calLocation_->setObjectName(QStringLiteral("RadioGroupCalLocation"));
    calculationMethod_->setObjectName(QStringLiteral("RadioGroupCalcMethod"));
    filterNone_->setObjectName(QStringLiteral("CheckBoxFilterNone"));
    filterMins_->setObjectName(QStringLiteral("CheckBoxFilterMins"));
    filterMinutes_->setObjectName(QStringLiteral("SpinEditFilterMinutes"));
    filterMinutes_->setRange(1, 60);
    filterNone_->setChecked(true);

    auto* filter = new QHBoxLayout(filterBox_);
    filter->setContentsMargins(6, 2, 6, 2);
    filter->addWidget(filterNone_);
    filter->addWidget(filterMins_);
    filter->addWidget(filterMinutes_);
    filter->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(timeFormat_, 0, 0);
    layout->addWidget(fileFormat_, 0, 1, 2, 1);
    layout->addWidget(calLocation_, 1, 0);
    layout->addWidget(calculationMethod_, 2, 0);
    layout->addWidget(filterBox_, 2, 1);

    connect(filterNone_, &QCheckBox::clicked, this,
            [this](bool checked) { toggleFilter(TimeFilter::None, checked); });
    connect(filterMins_, &QCheckBox::clicked, this,
            [this](bool checked) { toggleFilter(TimeFilter::Mins, checked); });
    retranslateUi();
}

void DownloadOptions::toggleFilter(TimeFilter box, bool checked) {
    filter_ = afterTimeFilterToggle(filter_, box, checked);
    filterNone_->setChecked(filter_ == TimeFilter::None);
    filterMins_->setChecked(filter_ == TimeFilter::Mins);
}

void DownloadOptions::registerCommandControls(CommandControls& controls) {
    controls.add({timeFormat_, fileFormat_, calLocation_, calculationMethod_, filterNone_,
                  filterMins_, filterMinutes_});
}

void DownloadOptions::applyPreferences(const Preferences& preferences) {
    fileFormat_->setIndex(preferences.fileFormat);
    timeFormat_->setIndex(preferences.timePref);
    calLocation_->setIndex(preferences.calibrationFileLocation);
    calculationMethod_->setIndex(preferences.calculationMethod);
    filterMinutes_->setValue(preferences.timeFilterValue);
}

void DownloadOptions::storePreferences(Preferences& preferences) const {
    preferences.fileFormat = fileFormat_->index();
    preferences.timePref = timeFormat_->index();
    preferences.calibrationFileLocation = calLocation_->index();
    preferences.calculationMethod = calculationMethod_->index();
    preferences.timeFilterValue = filterMinutes_->value();
}

void DownloadOptions::retranslateUi() {
    timeFormat_->setTexts(tr("Save Time in"), {tr("Hours"), tr("Real-Time")});
    timeFormat_->setToolTip(tr("Times of the data files in hours from the start or as dates"));
    fileFormat_->setTexts(tr("File Format"), {tr("Raw Counts"), tr("Real Values"), tr("Both")});
    fileFormat_->setToolTip(tr("Which data files a download writes"));
    calLocation_->setTexts(tr("Cal File Location(s)"), {tr("On Tool"), tr("On Computer")});
    calLocation_->setToolTip(tr("Where the calibration files are taken from"));
    calculationMethod_->setTexts(tr("Calculation Method"), {tr("Coefficients"), tr("WaveCal")});
    filterBox_->setTitle(tr("Time Data Filter"));
    filterNone_->setText(tr("None"));
    filterMins_->setText(tr("Mins"));
}

}  // namespace rvxmod::app
