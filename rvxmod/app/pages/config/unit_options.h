#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/preferences.h"
#include "rvxmod/shell/pressure_units.h"

namespace rvxmod::app {

class CommandControls;

// Units Options: pressure, temperature and spinner units and the atmospheric pressure, which the
// edit shows in the chosen pressure unit while it is kept in psi.
class UnitOptions : public Retranslated<QWidget> {
    Q_OBJECT
public:
    explicit UnitOptions(QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;
    const UnitState& units() const { return units_; }

    // Carries the atmosphere over to the chosen units and updates the unit state.
    void ChangeUnits();

private:
    void retranslateUi() override;

    QComboBox* pressure_;
    QComboBox* temperature_;
    QComboBox* spinner_;
    QLineEdit* atmosphere_;
    QLabel* pressureLabel_;
    QLabel* temperatureLabel_;
    QLabel* spinnerLabel_;
    QLabel* atmosphereLabel_;
    UnitState units_;
};

}  // namespace rvxmod::app
