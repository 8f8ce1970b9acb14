#include <gtest/gtest.h>

#include "rvxmod/shell/sound_list_file.h"
#include "rvxmod/shell/sound_switches.h"

namespace rvxmod {
namespace {

TEST(SoundSwitches, EachItemFollowsItsOwnSwitch) {
    const SoundSwitches effectsOnly{true, false};
    const SoundSwitches voiceOnly{false, true};
    for (const SoundItem item :
         {SoundItem::Click, SoundItem::MessageOpens, SoundItem::OptionsPanelOpens,
          SoundItem::PageSwitch, SoundItem::ToolStringConnected}) {
        EXPECT_TRUE(effectsOnly.allows(static_cast<int>(item)));
        EXPECT_FALSE(voiceOnly.allows(static_cast<int>(item)));
    }
    for (const SoundItem item :
         {SoundItem::SaveCalFilesBegins, SoundItem::EraseJobsBegins, SoundItem::FormatBegins,
          SoundItem::EraseJobsEnded, SoundItem::FormatEnded, SoundItem::CalFilesSaved,
          SoundItem::ProgrammingBegins, SoundItem::ProgrammingEnded}) {
        EXPECT_FALSE(effectsOnly.allows(static_cast<int>(item)));
        EXPECT_TRUE(voiceOnly.allows(static_cast<int>(item)));
    }
}

TEST(SoundSwitches, OnNeedsTheSoundList) {
    struct Case {
        int chosen;
        bool listExists;
        SwitchState expected;
    };
    const Case cases[] = {
        {kSwitchOnIndex, true, {true, kSwitchOnIndex, true}},
        {kSwitchOnIndex, false, {false, kSwitchOffIndex, false}},
        {kSwitchOffIndex, true, {false, kSwitchOffIndex, true}},
        {kSwitchOffIndex, false, {false, kSwitchOffIndex, false}},
    };
    for (const Case& c : cases) {
        const SwitchState state = chooseSoundSwitch(c.chosen, c.listExists);
        EXPECT_EQ(state.on, c.expected.on);
        EXPECT_EQ(state.radioIndex, c.expected.radioIndex);
        EXPECT_EQ(state.groupEnabled, c.expected.groupEnabled);
    }
}

TEST(SoundListFile, LineNumberIsItemAndBlankLinesAreSilent) {
    const auto names = parseSoundList("click.wav\r\n\r\n  sub dir/two.wav \nlast.wav");
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "click.wav");
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(names[2], "sub dir/two.wav");
    EXPECT_EQ(names[3], "last.wav");
    EXPECT_TRUE(parseSoundList("").empty());
}

}  // namespace
}  // namespace rvxmod
