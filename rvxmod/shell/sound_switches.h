#pragma once

namespace rvxmod {

// Items of the sound list, by the moment they are played.
enum class SoundItem : int {
    Click = 0,
    SaveCalFilesBegins = 3,
    EraseJobsBegins = 4,
    FormatBegins = 5,
    MessageOpens = 6,
    OptionsPanelOpens = 7,
    EraseJobsEnded = 9,
    FormatEnded = 10,
    CalFilesSaved = 11,
    PageSwitch = 12,
    ToolStringConnected = 13,
    ProgrammingBegins = 14,
    ProgrammingEnded = 15,
};

// Radio items of the "Sound Effects" and "Voice Notify" groups.
inline constexpr int kSwitchOnIndex = 0;
inline constexpr int kSwitchOffIndex = 1;

// The two switches: short effects, and spoken notifications of long operations.
struct SoundSwitches {
    bool effectsOn = false;
    bool voiceOn = false;

    // True when the switch that governs this item is on.
    bool allows(int item) const;
};

// What a radio group of one switch becomes after the person chooses an item.
struct SwitchState {
    bool on = false;
    int radioIndex = kSwitchOffIndex;
    bool groupEnabled = true;
};

// Choosing "On" only works when the sound list was found; otherwise the group falls back to
// "Off" and is disabled.
SwitchState chooseSoundSwitch(int radioIndex, bool soundListExists);

}  // namespace rvxmod
