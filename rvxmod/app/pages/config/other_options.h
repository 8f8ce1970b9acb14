#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "rvxmod/app/interface_language.h"
#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class CommandControls;
class RadioGroup;
class SoundList;

// Other Options: the two sound switches and the interface language.
class OtherOptions : public Retranslated<QWidget> {
    Q_OBJECT
public:
    OtherOptions(SoundList& sounds, QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    // The switches follow the saved items, but only come on when the sound list was found.
    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;

    // Without a sound list both switches go off and their groups are disabled.
    void recheckSoundList();
    void chooseSoundEffects(int item);
    void chooseVoiceNotify(int item);

    void setLanguage(Language language);
    // Spanish has no spoken notifications: "Voice Notify" goes off and is locked.
    void applyLanguageLayout(Language language);

Q_SIGNALS:
    void languageChosen(Language language);

private:
    void retranslateUi() override;

    SoundList& sounds_;
    RadioGroup* soundEffects_;
    RadioGroup* voiceNotify_;
    QComboBox* language_;
    QLabel* languageLabel_;
};

}  // namespace rvxmod::app
