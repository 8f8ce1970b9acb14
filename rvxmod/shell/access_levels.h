#pragma once

namespace rvxmod {

// Letter of the Ctrl+Shift+Alt chord that toggles the extra supervisor level, and the marker the
// preferences keep under "Graph" when that level is to be on at the next start.
inline constexpr char kExtraSupervisorLetter = 'S';

// Which maintenance controls the person may see. The supervisor level shows the memory tools;
// the extra level adds the calibration-date writer.
struct AccessLevels {
    bool supervisor = true;
    bool extraSupervisor = false;
    // Switched on by the preferences at start-up; only then does the level survive a restart.
    bool extraFromFile = false;

    // The key chord: flips the extra level and, when it comes on, brings the supervisor level too.
    void toggleExtraByChord();
    // True when the preferences should keep the marker, so the level is on again next time.
    bool keepsMarkerOnSave() const { return extraFromFile && extraSupervisor; }
};

}  // namespace rvxmod
