#pragma once

#include <QVBoxLayout>
#include <QWidget>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class CommandControls;
class RadioGroup;

// The Sample page: whether and how live samples are logged. The sampling controls and the
// per-tool displays are added to content() by live sampling.
class TFormSample : public Retranslated<QWidget> {
    Q_OBJECT
public:
    explicit TFormSample(QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;

    QVBoxLayout* content() const { return content_; }

private:
    void retranslateUi() override;

    RadioGroup* logSamples_;
    RadioGroup* sampleFormat_;
    QVBoxLayout* content_;
};

}  // namespace rvxmod::app
