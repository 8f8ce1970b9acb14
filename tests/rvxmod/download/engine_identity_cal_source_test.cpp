// Cal files named on the command line by identity, before the files kept in the tool.
#include "rvxmod/download/identity_cal_source.h"

#include <gtest/gtest.h>

#include <fstream>

#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/temp_folder.h"

namespace rvxmod::testing {
namespace {

namespace fs = std::filesystem;

// The tool's own files: one, for the RTD with serial 5, in block 3.
class KeptInTool final : public CalFileSource {
public:
    int calBlockOf(std::uint32_t type, std::int32_t serial) const override {
        return type == kRTD && serial == 5 ? 3 : -1;
    }
    rvx::Status MakeCalFile(int block, const fs::path& file) override {
        std::ofstream(file) << "kept in block " << block;
        return rvx::ok();
    }
};

class IdentityCalSourceTest : public TempFolderTest {
protected:
    IdentityCalSourceTest() {
        std::ofstream("gauge.dat") << "gauge";
        std::ofstream("codeless.dat") << "codeless";
    }
    KeptInTool tool;
    IdentityCalSource source{{{"RP00201", "gauge.dat"}, {"00077", "codeless.dat"}}, &tool};
};

TEST_F(IdentityCalSourceTest, NamedFilesComeFirstAndTheToolsFilesFillIn) {
    struct Case {
        std::uint32_t type;
        std::int32_t serial;
        const char* contents;  // what the extracted file holds; empty: no file for the tool
    };
    const Case cases[] = {
        {kRarodIdirura, 201, "gauge"},
        {kZizorIrediz, 77, "codeless"},  // a tool without a code is named by its serial alone
        {kRTD, 77, ""},                  // "RR00077" was not named, and the tool keeps none
        {kRTD, 5, "kept in block 3"},
    };
    for (const Case& c : cases) {
        const int block = source.calBlockOf(c.type, c.serial);
        ASSERT_EQ(block >= 0, *c.contents != '\0') << c.type << " " << c.serial;
        if (block < 0) continue;
        ASSERT_TRUE(source.MakeCalFile(block, "extracted.dat"));
        EXPECT_EQ(contents("extracted.dat"), c.contents);
    }
}

TEST_F(IdentityCalSourceTest, AMissingNamedFileFails) {
    IdentityCalSource missing({{"RP00201", "absent.dat"}}, nullptr);
    const int block = missing.calBlockOf(kRarodIdirura, 201);
    ASSERT_GE(block, 0);
    EXPECT_FALSE(missing.MakeCalFile(block, "extracted.dat"));
    EXPECT_EQ(missing.calBlockOf(kRTD, 5), -1);
}

}  // namespace
}  // namespace rvxmod::testing
