#include "rvxmod/app/pages/config/unit_options.h"

#include <QEvent>
#include <QFormLayout>
#include <QSignalBlocker>

#include "rvxmod/app/command_controls.h"

namespace rvxmod::app {
namespace {
// Replaces the items of a box, keeping its selection.
void setItems(QComboBox* box, const QStringList& items) {
    const QSignalBlocker quiet(box);
    const int index = box->currentIndex();
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(index);
}
}  // namespace

UnitOptions::UnitOptions(QWidget* parent)
    : Retranslated(parent),
      pressure_(new QComboBox(this)),
      temperature_(new QComboBox(this)),
      spinner_(new QComboBox(this)),
      atmosphere_(new QLineEdit(this)),
      pressureLabel_(new QLabel(this)),
      temperatureLabel_(new QLabel(this)),
      spinnerLabel_(new QLabel(this)),
      atmosphereLabel_(new QLabel(this)) {
    pressure_->setObjectName(QStringLiteral("ComboBoxPressUnits"));
    temperature_->setObjectName(QStringLiteral("ComboBoxTempUnits"));
    spinner_->setObjectName(QStringLiteral("ComboBoxSpinUnits"));
    atmosphere_->setObjectName(QStringLiteral("EditAtmosphere"));
    atmosphere_->setMaximumWidth(90);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->addRow(pressureLabel_, pressure_);
    layout->addRow(temperatureLabel_, temperature_);
    layout->addRow(spinnerLabel_, spinner_);
    layout->addRow(atmosphereLabel_, atmosphere_);

    for (QComboBox* box : {pressure_, temperature_, spinner_})
        connect(box, &QComboBox::activated, this, &UnitOptions::ChangeUnits);
    retranslateUi();
    ChangeUnits();
}

void UnitOptions::registerCommandControls(CommandControls& controls) {
    controls.add({pressure_, temperature_, spinner_, atmosphere_});
}

void UnitOptions::applyPreferences(const Preferences& preferences) {
    temperature_->setCurrentIndex(preferences.tUnits);
    pressure_->setCurrentIndex(preferences.pUnits);
    spinner_->setCurrentIndex(preferences.sUnits);
    atmosphere_->setText(QString::number(preferences.atmospherePsi, 'g', 15));
    units_.pressureFactor = 1.0;  // the file keeps psi
    ChangeUnits();
}

void UnitOptions::storePreferences(Preferences& preferences) const {
    preferences.tUnits = temperature_->currentIndex();
    preferences.pUnits = pressure_->currentIndex();
    preferences.sUnits = spinner_->currentIndex();
    const auto shown = parseDecimalText(atmosphere_->text().toStdString());
    preferences.atmospherePsi = shown ? *shown / units_.pressureFactor : kDefaultAtmospherePsi;
}

void UnitOptions::ChangeUnits() {
    const UnitChange change = rvxmod::ChangeUnits(
        atmosphere_->text().toStdString(), units_,
        {pressure_->currentIndex(), temperature_->currentIndex(), spinner_->currentIndex()});
    pressure_->setCurrentIndex(change.items.pressure);
    temperature_->setCurrentIndex(change.items.temperature);
    spinner_->setCurrentIndex(change.items.spinner);
    units_ = change.units;
    atmosphere_->setText(QString::fromStdString(change.atmosphereText));
}

void UnitOptions::retranslateUi() {
    pressureLabel_->setText(tr("Press. Units:"));
    temperatureLabel_->setText(tr("Temp. Units:"));
    spinnerLabel_->setText(tr("Rev. Units:"));
    atmosphereLabel_->setText(tr("Atmospheric:"));
    setItems(pressure_, {tr("psiA"), tr("psiG"), tr("kPaA"), tr("kPaG"), tr("BarA"), tr("BarG"),
                         tr("MPaA"), tr("MPaG"), tr("kg/cm2_A"), tr("kg/cm2_G")});
    setItems(temperature_, {tr("DegC"), tr("DegF"), tr("Kelvin")});
    setItems(spinner_, {tr("Revs/Sec"), tr("Revs/Min")});
}

}  // namespace rvxmod::app
