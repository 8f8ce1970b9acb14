#include "rvxmod/shell/access_levels.h"

#include <gtest/gtest.h>

namespace rvxmod {
namespace {

TEST(AccessLevels, ChordTogglesExtraLevelAndBringsSupervisorAlong) {
    AccessLevels levels;
    levels.supervisor = false;
    levels.toggleExtraByChord();
    EXPECT_TRUE(levels.extraSupervisor);
    EXPECT_TRUE(levels.supervisor);

    levels.toggleExtraByChord();
    EXPECT_FALSE(levels.extraSupervisor);
    EXPECT_TRUE(levels.supervisor) << "switching the extra level off keeps the supervisor level";
}

TEST(AccessLevels, OnlyALevelSwitchedOnByTheFileSurvivesARestart) {
    AccessLevels byChord;
    byChord.toggleExtraByChord();
    EXPECT_FALSE(byChord.keepsMarkerOnSave());

    AccessLevels byFile;
    byFile.extraSupervisor = byFile.extraFromFile = true;
    EXPECT_TRUE(byFile.keepsMarkerOnSave());
    byFile.toggleExtraByChord();
    EXPECT_FALSE(byFile.keepsMarkerOnSave()) << "switched off before closing";
}

}  // namespace
}  // namespace rvxmod
