#include "rvxmod/app/pages/config_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "rvxmod/app/pages/config/download_options.h"
#include "rvxmod/app/pages/config/memory_tools.h"
#include "rvxmod/app/pages/config/other_options.h"
#include "rvxmod/app/pages/config/unit_options.h"
#include "rvxmod/app/sound_list.h"
#include "rvxmod/app/widgets/fold_panel.h"

namespace rvxmod::app {

TFormConfig::TFormConfig(SoundList& sounds, QWidget* parent)
    : Retranslated(parent),
      sounds_(sounds),
      download_(new DownloadOptions(this)),
      units_(new UnitOptions(this)),
      other_(new OtherOptions(sounds, this)),
      memoryTools_(new MemoryTools(this)),
      panels_{new FoldPanel(download_, this), new FoldPanel(units_, this),
              new FoldPanel(other_, this)} {
    panels_[0]->setObjectName(QStringLiteral("PanelDownloadOptions"));
    panels_[1]->setObjectName(QStringLiteral("PanelUnitsOptions"));
    panels_[2]->setObjectName(QStringLiteral("PanelOtherOptions"));

    auto* options = new QVBoxLayout;
    options->setSpacing(4);
    for (FoldPanel* panel : panels_) {
        options->addWidget(panel);
        connect(panel, &FoldPanel::captionClicked, this, [this, panel] { captionClicked(panel); });
    }
    options->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options, 1);
    layout->addWidget(memoryTools_);

    connect(other_, &OtherOptions::languageChosen, this, &TFormConfig::languageChosen);
    retranslateUi();
}

void TFormConfig::captionClicked(FoldPanel* panel) {
    if (panel->isOpen()) {
        panel->setOpen(false);
        return;
    }
    for (FoldPanel* other : panels_) other->setOpen(other == panel);
    sounds_.play(SoundItem::OptionsPanelOpens);
}

void TFormConfig::foldPanels() {
    for (FoldPanel* panel : panels_) panel->setOpen(false);
}

void TFormConfig::registerCommandControls(CommandControls& controls) {
    memoryTools_->registerCommandControls(controls);
    download_->registerCommandControls(controls);
    units_->registerCommandControls(controls);
    other_->registerCommandControls(controls);
}

void TFormConfig::applyPreferences(const Preferences& preferences) {
    download_->applyPreferences(preferences);
    units_->applyPreferences(preferences);
    other_->applyPreferences(preferences);
}

void TFormConfig::storePreferences(Preferences& preferences) const {
    download_->storePreferences(preferences);
    units_->storePreferences(preferences);
    other_->storePreferences(preferences);
}

void TFormConfig::applyAccessLevels(const AccessLevels& levels) {
    memoryTools_->applyAccessLevels(levels);
}

void TFormConfig::retranslateUi() {
    panels_[0]->setTitle(tr("Download Options"));
    panels_[1]->setTitle(tr("Units Options"));
    panels_[2]->setTitle(tr("Other Options"));
}

}  // namespace rvxmod::app
