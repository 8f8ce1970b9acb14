#include "rvxmod/shell/sound_switches.h"

namespace rvxmod {
namespace {
bool isVoiceItem(int item) {
    switch (static_cast<SoundItem>(item)) {
        case SoundItem::SaveCalFilesBegins:
        case SoundItem::EraseJobsBegins:
        case SoundItem::FormatBegins:
        case SoundItem::EraseJobsEnded:
        case SoundItem::FormatEnded:
        case SoundItem::CalFilesSaved:
        case SoundItem::ProgrammingBegins:
        case SoundItem::ProgrammingEnded:
            return true;
        default:
            return false;
    }
}
}  // namespace

bool SoundSwitches::allows(int item) const {
    return isVoiceItem(item) ? voiceOn : effectsOn;
}

SwitchState chooseSoundSwitch(int radioIndex, bool soundListExists) {
    if (radioIndex != kSwitchOnIndex) return {false, kSwitchOffIndex, soundListExists};
    if (!soundListExists) return {false, kSwitchOffIndex, false};
    return {true, kSwitchOnIndex, true};
}

}  // namespace rvxmod
