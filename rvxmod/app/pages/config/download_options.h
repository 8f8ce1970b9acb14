#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QWidget>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/preferences.h"
#include "rvxmod/shell/time_filter.h"

namespace rvxmod::app {

class CommandControls;
class RadioGroup;

// Download Options: time and file format of the data files, where calibration files come from,
// the calculation method and the time data filter.
class DownloadOptions : public Retranslated<QWidget> {
    Q_OBJECT
public:
    explicit DownloadOptions(QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;
    TimeFilter timeFilter() const { return filter_; }
    int timeFilterMinutes() const { return filterMinutes_->value(); }

private:
    void toggleFilter(TimeFilter box, bool checked);
    void retranslateUi() override;

    RadioGroup* timeFormat_;
    RadioGroup* fileFormat_;
    RadioGroup* calLocation_;
    RadioGroup* calculationMethod_;
    QGroupBox* filterBox_;
    QCheckBox* filterNone_;
    QCheckBox* filterMins_;
    QSpinBox* filterMinutes_;
    TimeFilter filter_ = TimeFilter::None;
};

}  // namespace rvxmod::app
