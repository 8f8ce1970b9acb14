#pragma once

#include <QCheckBox>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class RadioGroup;

// The Tool Info page: how to find the tool string's port, and (supervisor) Quick Connect. The
// connection, tool grid and job list are added to content() by the tool link.
class TFormToolInfo : public Retranslated<QWidget> {
    Q_OBJECT
public:
    explicit TFormToolInfo(QWidget* parent);

    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;
    void setSupervisorLevel(bool on);

    QVBoxLayout* content() const { return content_; }

private:
    void retranslateUi() override;

    RadioGroup* comFind_;
    QSpinBox* comNumber_;
    QCheckBox* quickConnect_;
    QVBoxLayout* content_;
};

}  // namespace rvxmod::app
