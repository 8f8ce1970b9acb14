#include "rvxmod/download/tool_group_decoder.h"

#include <gtest/gtest.h>

#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/recorded_blocks.h"

namespace rvxmod {
namespace {

using testing::Bytes;

TEST(ToolGroupDecoder, EachToolFillsItsOwnFieldsMostSignificantByteFirst) {
    const Bytes zizor{0xA5, 0x12, 0x34, 0x56, 0x00, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x80, 0x01};
    const auto z = decodeToolGroup(kZizorIrediz, zizor, DecodeUse::Download);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->raw1, 0x123456);
    EXPECT_EQ(z->raw2, 1);
    EXPECT_EQ(z->rtd, 0xFFFFFF);
    EXPECT_EQ(z->spinner, 0x8001);
    EXPECT_EQ(z->ccl, kMissingValue);

    const auto ccl = decodeToolGroup(kCCL, testing::cclGroup(0xABCDEF), DecodeUse::Download);
    ASSERT_TRUE(ccl);
    EXPECT_EQ(ccl->ccl, 0xABCDEF);
    EXPECT_EQ(ccl->raw1, kMissingValue);
    EXPECT_EQ(ccl->rtd, kMissingValue);

    const auto rtd = decodeToolGroup(kRTD, testing::rtdGroup(70000), DecodeUse::Download);
    ASSERT_TRUE(rtd);
    EXPECT_EQ(rtd->rtd, 70000);
    EXPECT_EQ(rtd->ccl, kMissingValue);

    const auto piezo =
        decodeToolGroup(kPiezo, testing::piezoGroup(8'000'000, 12345), DecodeUse::Download);
    ASSERT_TRUE(piezo);
    EXPECT_EQ(piezo->raw1, 8'000'000);
    EXPECT_EQ(piezo->raw2, 12345);
    EXPECT_EQ(piezo->spinner, kMissingValue);
}

TEST(ToolGroupDecoder, RarodIdiruraSpinnerIsSignedAndScaledForTheDownloadOnly) {
    struct Case {
        std::int16_t word;
        double download;
        double live;
    };
    for (const Case c :
         {Case{120, 100.0, 10.0}, Case{-36, -30.0, -3.0}, Case{7, 35.0 / 6, 7 / 12.0}}) {
        const Bytes group = testing::rarodGroup(1, 2, c.word);
        const auto stored = decodeToolGroup(kRarodIdirura, group, DecodeUse::Download);
        const auto shown = decodeToolGroup(kRarodIdirura, group, DecodeUse::LiveSample);
        ASSERT_TRUE(stored && shown);
        EXPECT_DOUBLE_EQ(stored->spinner, c.download) << c.word;
        EXPECT_DOUBLE_EQ(shown->spinner, c.live) << c.word;
        EXPECT_EQ(stored->raw1, 1);
        EXPECT_EQ(stored->raw2, 2);
    }
}

TEST(ToolGroupDecoder, SpinnerCountOverTwelveRoundsHalvesToEven) {
    // 6/12 = 0.5 -> 0, 18/12 = 1.5 -> 2, 30/12 = 2.5 -> 2, 42/12 = 3.5 -> 4, 7/12 -> 1, 65535 ->
    // 5461
    const std::pair<std::uint16_t, double> cases[] = {{6, 0},  {18, 2}, {30, 2},
                                                      {42, 4}, {7, 1},  {65535, 5461}};
    for (const auto& [count, revolutions] : cases) {
        for (const DecodeUse use : {DecodeUse::Download, DecodeUse::LiveSample}) {
            const auto sample = decodeToolGroup(kSpinner, testing::spinnerGroup(count), use);
            ASSERT_TRUE(sample);
            EXPECT_EQ(sample->spinner, revolutions) << count;
        }
    }
}

TEST(ToolGroupDecoder, NoValuesForToolsWithoutDecoderOrShortGroups) {
    const Bytes group(12, 0);
    EXPECT_FALSE(decodeToolGroup(kMemory, group, DecodeUse::Download));
    EXPECT_FALSE(decodeToolGroup(kBatteryCountedTool, group, DecodeUse::Download));
    EXPECT_FALSE(decodeToolGroup(42, group, DecodeUse::LiveSample));
    EXPECT_FALSE(decodeToolGroup(kPiezo, Bytes(6, 0), DecodeUse::LiveSample));
    EXPECT_FALSE(decodeToolGroup(kZizorIrediz, Bytes(11, 0), DecodeUse::Download));
}

}  // namespace
}  // namespace rvxmod
