#include "rvxmod/app/pages/config/other_options.h"

#include <QEvent>
#include <QGridLayout>
#include <QSignalBlocker>

#include "rvxmod/app/command_controls.h"
#include "rvxmod/app/sound_list.h"
#include "rvxmod/app/widgets/radio_group.h"

namespace rvxmod::app {

OtherOptions::OtherOptions(SoundList& sounds, QWidget* parent)
    : Retranslated(parent),
      sounds_(sounds),
      soundEffects_(new RadioGroup(2, 2, this)),
      voiceNotify_(new RadioGroup(2, 2, this)),
      language_(new QComboBox(this)),
      languageLabel_(new QLabel(this)) {
    soundEffects_->setObjectName(QStringLiteral("RadioGroupSoundFX"));
    voiceNotify_->setObjectName(QStringLiteral("RadioGroupVoiceNotify"));
    language_->setObjectName(QStringLiteral("ComboBoxLanguage"));
    language_->addItems({QString(), QString()});

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(soundEffects_, 0, 0);
    layout->addWidget(voiceNotify_, 0, 1);
    layout->addWidget(languageLabel_, 1, 0, Qt::AlignRight);
    layout->addWidget(language_, 1, 1);

    connect(soundEffects_, &RadioGroup::chosen, this, &OtherOptions::chooseSoundEffects);
    connect(voiceNotify_, &RadioGroup::chosen, this, &OtherOptions::chooseVoiceNotify);
    connect(language_, &QComboBox::activated, this,
            [this](int index) { Q_EMIT languageChosen(static_cast<Language>(index)); });
    retranslateUi();
}

void OtherOptions::registerCommandControls(CommandControls& controls) {
    controls.add({language_});
}

void OtherOptions::applyPreferences(const Preferences& preferences) {
    const bool listFound = sounds_.isLoaded();
    soundEffects_->setIndex(preferences.soundFX);
    voiceNotify_->setIndex(preferences.voiceNotify);
    soundEffects_->setEnabled(listFound);
    voiceNotify_->setEnabled(listFound);
    sounds_.setSwitches({listFound && preferences.soundFX == kSwitchOnIndex,
                         listFound && preferences.voiceNotify == kSwitchOnIndex});
    setLanguage(static_cast<Language>(preferences.language));
}

void OtherOptions::storePreferences(Preferences& preferences) const {
    preferences.soundFX = soundEffects_->index();
    preferences.voiceNotify = voiceNotify_->index();
    preferences.language = language_->currentIndex();
}

void OtherOptions::recheckSoundList() {
    if (sounds_.isLoaded()) return;
    chooseSoundEffects(kSwitchOffIndex);
    chooseVoiceNotify(kSwitchOffIndex);
}

void OtherOptions::chooseSoundEffects(int item) {
    const SwitchState state = chooseSoundSwitch(item, sounds_.isLoaded());
    soundEffects_->setIndex(state.radioIndex);
    soundEffects_->setEnabled(state.groupEnabled);
    sounds_.setSwitches({state.on, sounds_.switches().voiceOn});
}

void OtherOptions::chooseVoiceNotify(int item) {
    const SwitchState state = chooseSoundSwitch(item, sounds_.isLoaded());
    voiceNotify_->setIndex(state.radioIndex);
    voiceNotify_->setEnabled(state.groupEnabled);
    sounds_.setSwitches({sounds_.switches().effectsOn, state.on});
}

void OtherOptions::setLanguage(Language language) {
    const QSignalBlocker quiet(language_);
    language_->setCurrentIndex(static_cast<int>(language));
}

void OtherOptions::applyLanguageLayout(Language language) {
    if (language == Language::Spanish) {
        chooseVoiceNotify(kSwitchOffIndex);
        voiceNotify_->setEnabled(false);
    } else {
        chooseVoiceNotify(kSwitchOnIndex);
    }
}

void OtherOptions::retranslateUi() {
    soundEffects_->setTexts(tr("Sound Effects"), {tr("On"), tr("Off")});
    soundEffects_->setToolTip(tr("Short sounds on clicks, pages and messages"));
    voiceNotify_->setTexts(tr("Voice Notify"), {tr("On"), tr("Off")});
    voiceNotify_->setToolTip(tr("Spoken notices when long tool operations begin and end"));
    languageLabel_->setText(tr("Language:"));
    language_->setItemText(0, tr("English"));
    language_->setItemText(1, tr("Spanish"));
}

}  // namespace rvxmod::app
