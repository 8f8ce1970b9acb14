#pragma once

#include <QWidget>
#include <array>

#include "rvxmod/app/interface_language.h"
#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/access_levels.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class CommandControls;
class DownloadOptions;
class FoldPanel;
class MemoryTools;
class OtherOptions;
class SoundList;
class UnitOptions;

// The Config page: three fold-out option panels beside the supervisor memory tools.
class TFormConfig : public Retranslated<QWidget> {
    Q_OBJECT
public:
    TFormConfig(SoundList& sounds, QWidget* parent);

    void registerCommandControls(CommandControls& controls);
    void applyPreferences(const Preferences& preferences);
    void storePreferences(Preferences& preferences) const;
    void applyAccessLevels(const AccessLevels& levels);
    // Folds every panel, as in a fresh start.
    void foldPanels();

    DownloadOptions& downloadOptions() const { return *download_; }
    UnitOptions& unitOptions() const { return *units_; }
    OtherOptions& otherOptions() const { return *other_; }

Q_SIGNALS:
    void languageChosen(Language language);

private:
    void captionClicked(FoldPanel* panel);
    void retranslateUi() override;

    SoundList& sounds_;
    DownloadOptions* download_;
    UnitOptions* units_;
    OtherOptions* other_;
    MemoryTools* memoryTools_;
    std::array<FoldPanel*, 3> panels_;
};

}  // namespace rvxmod::app
