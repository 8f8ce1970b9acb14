#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/text_file.h"
#include "rvxmod/memory/cal_slots.h"
#include "rvxmod/memory/save_cal_files.h"
#include "tests/rvxmod/memory/flash_patterns.h"
#include "tests/rvxmod/memory/memory_line.h"

namespace rvxmod::testing {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;
namespace fs = std::filesystem;

constexpr std::size_t kGaugeRow = 0;  // RarodIdirura RP00201, slot block 2
constexpr std::size_t kRtdRow = 1;    // RTD RR00077, slot block 3
const std::string kGaugeFixture =
    std::string(RVX_FIXTURES_DIR) + "/memory/RarodIdirura_RP00201.dat";
const std::string kRtdFixture = std::string(RVX_FIXTURES_DIR) + "/memory/RTD_RR00077.tdat";

// An RTD calibration file of exactly `size` bytes: identity line, description (padded to the
// size), a line of its own, the column headings and as many points as fit.
std::string tdatText(const std::string& identity, const std::string& date, std::size_t size) {
    const std::string head = identity + "," + date + "\r\n";
    const std::string tail = "\r\nbath\r\nTemperature(C),Counts\r\n";
    std::string points;
    for (int point = 0;; ++point) {
        const std::string row =
            std::to_string(point) + ".50," + std::to_string(20000 + point * 40) + "\r\n";
        if (head.size() + tail.size() + points.size() + row.size() + 16 > size) break;
        points += row;
    }
    std::string description = "RTD calibration";
    description.resize(size - head.size() - tail.size() - points.size(), ' ');
    return head + description + tail + points;
}

class CalStorageTest : public ::testing::Test {
protected:
    CalStorageTest() {
        folder_ = fs::temp_directory_path() /
                  ("h8_cals_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fillReservedGroup(line_.flash());
        memory::LoadCalsFromMemoryTool(*line_.link, line_.toolString, line_.user);
        grid_ = memory::fillSaveCalsGrid(line_.toolString);
    }
    ~CalStorageTest() override { fs::remove_all(folder_); }

    std::string writeFile(const std::string& name, const std::string& contents) {
        const fs::path path = folder_ / name;
        EXPECT_TRUE(rvx::writeFileAtomically(path, contents).ok());
        return path.string();
    }

    void save(std::size_t row, const std::string& path) {
        std::array<bool, 6> checked{};
        checked[row] = true;
        line_.user.paths.push_back(path);
        memory::CalStorage storage{*line_.link, line_.toolString, line_.user, line_.buffers.backup,
                                   line_.buffers.keepErased};
        memory::saveCalFiles(storage, grid_, checked);
    }

    Bytes storedFile(int block) { return memory::storedCalFile(line_.block(0, 0, block)); }

    MemoryLine line_;
    memory::SaveCalsGrid grid_;
    fs::path folder_;
};

struct SizeCase {
    std::size_t size;
    bool saved;
};

class CalFileSize : public CalStorageTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(CalFileSize, LargestFileFillsTheSlotAndOneByteMoreIsRefused) {
    const std::string contents = tdatText("RR00077", "2025/05/20", GetParam().size);
    ASSERT_EQ(contents.size(), GetParam().size);
    const std::string path = writeFile("rtd.tdat", contents);
    const std::vector<Bytes> before{line_.block(0, 0, 0), line_.block(0, 0, 3)};
    int lineWrites = 0;
    line_.lossy->lose = [&](std::uint8_t code) {
        lineWrites += code == link::kSetLine ? 1 : 0;
        return false;
    };
    save(kRtdRow, path);
    if (GetParam().saved) {
        // 7 neighbours written back, then the file: 16 + 8160 bytes in 128 lines.
        EXPECT_EQ(lineWrites, 7 * 128 + 128);
        EXPECT_EQ(storedFile(3), Bytes(contents.begin(), contents.end()));
        EXPECT_EQ(grid_.rows[kRtdRow].calFileName, "rtd.tdat");
        EXPECT_EQ(grid_.rows[kRtdRow].statusText, "Valid");
    } else {
        EXPECT_EQ(line_.user.textsOf(Kind::Error),
                  std::vector<std::string>{"Cal file: " + path +
                                           " exceeds cal block size limit. Cannot save this file"});
        EXPECT_EQ(lineWrites, 0);
        EXPECT_EQ(line_.block(0, 0, 3), before[1]);
    }
    EXPECT_EQ(line_.block(0, 0, 0), before[0]);
    EXPECT_TRUE(line_.user.commandsBalanced());
}

INSTANTIATE_TEST_SUITE_P(Sizes, CalFileSize,
                         ::testing::Values(SizeCase{8160, true}, SizeCase{8161, false}));

TEST_F(CalStorageTest, SavingOneRowKeepsEveryOtherBlockOfTheGroup) {
    std::vector<Bytes> before;
    for (int b = 0; b < 8; ++b) before.push_back(line_.block(0, 0, b));
    const std::string path = kRtdFixture;
    save(kRtdRow, path);
    for (int b = 0; b < 8; ++b) {
        if (b != 3) {
            EXPECT_EQ(line_.block(0, 0, b), before[static_cast<std::size_t>(b)]) << b;
        }
    }
    const auto contents = rvx::readTextFile(path);
    EXPECT_EQ(storedFile(3), Bytes(contents->begin(), contents->end()));

    // The file comes back byte for byte.
    const fs::path copy = folder_ / "copy.tdat";
    ASSERT_TRUE(memory::MakeCalFile(*line_.link, line_.user, 3, copy));
    EXPECT_EQ(*rvx::readTextFile(copy), *contents);
}

TEST_F(CalStorageTest, FileOfAnotherSensorIsSavedOnlyAfterYes) {
    const std::string path = writeFile("other.tdat", tdatText("RR00999", "2025/05/20", 500));
    line_.user.answers = {false};
    save(kRtdRow, path);
    EXPECT_EQ(line_.user.textsOf(Kind::Warning),
              std::vector<std::string>{"You have not selected to save any cal files."});
    EXPECT_EQ(line_.user.textsOf(Kind::YesCancel),
              std::vector<std::string>{"WARNING: The cal file other.tdat does not belong to the "
                                       "sensor you have selected to save this dat file for. Use "
                                       "file anyway?"});
    EXPECT_NE(storedFile(3).size(), 500U);

    line_.user.answers = {true};
    save(kRtdRow, path);
    EXPECT_EQ(storedFile(3).size(), 500U);
}

struct StatusCase {
    const char* fileDate;
    const char* status;
    std::uint32_t colour;
};

class CalFileStatus : public CalStorageTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CalFileStatus, ComparesTheStoredDateWithTheSensors) {
    line_.toolString.ToolChain[kRtdRow].CalDate = 42064;  // 2015/03/01
    save(kRtdRow, writeFile("rtd.tdat", tdatText("RR00077", GetParam().fileDate, 300)));
    EXPECT_EQ(grid_.rows[kRtdRow].statusText, GetParam().status);
    EXPECT_EQ(memory::saveCalsStatusColour(grid_.rows[kRtdRow].status), GetParam().colour);
    EXPECT_EQ(line_.toolString.ToolChain[kRtdRow].CalBlockIndex, 3);
}

INSTANTIATE_TEST_SUITE_P(Dates, CalFileStatus,
                         ::testing::Values(StatusCase{"2015/01/10", "Expired", 4534781},
                                           StatusCase{"2015-03-01", "Valid", 910337},
                                           StatusCase{"2015\\04\\01", "Error ", 4534781}));

TEST_F(CalStorageTest, DeleteAllCalsKeepsBlocksZeroAndOne) {
    const Bytes block0 = line_.block(0, 0, 0);
    const Bytes block1 = line_.block(0, 0, 1);
    line_.user.answers = {true};
    memory::CalStorage storage{*line_.link, line_.toolString, line_.user, line_.buffers.backup,
                               line_.buffers.keepErased};
    memory::deleteAllCals(storage, grid_);
    EXPECT_EQ(line_.block(0, 0, 0), block0);
    EXPECT_EQ(line_.block(0, 0, 1), block1);
    for (int b = 2; b < 8; ++b) EXPECT_EQ(line_.block(0, 0, b), Bytes(8192, 0xFF));
    EXPECT_TRUE(line_.toolString.Memory.StoredFiles.empty());
    EXPECT_EQ(grid_.rows[kGaugeRow].statusText, "Not present");
}

TEST_F(CalStorageTest, RetrieveCalsWritesEveryStoredFileIntoANewFolder) {
    save(kGaugeRow, kGaugeFixture);
    save(kRtdRow, kRtdFixture);
    const fs::path target = folder_ / "Cal Files";
    line_.user.paths.push_back(target.string());
    memory::CalStorage storage{*line_.link, line_.toolString, line_.user, line_.buffers.backup,
                               line_.buffers.keepErased};
    memory::retrieveCals(storage);
    EXPECT_EQ(*rvx::readTextFile(target / "RarodIdirura_RP00201.dat"),
              *rvx::readTextFile(kGaugeFixture));
    EXPECT_EQ(*rvx::readTextFile(target / "RTD_RR00077.tdat"), *rvx::readTextFile(kRtdFixture));
}

TEST_F(CalStorageTest, StoredFileTableMatchesTheTools) {
    save(kGaugeRow, kGaugeFixture);
    EXPECT_EQ(memory::getToolsCalBlock(line_.toolString.Memory, kRarodIdirura, 201), 2);
    EXPECT_EQ(memory::getToolsCalBlock(line_.toolString.Memory, kRarodIdirura, 202), -1);
    line_.lossy->lose = [](std::uint8_t code) { return code == link::kReadLine; };
    memory::LoadCalsFromMemoryTool(*line_.link, line_.toolString, line_.user);
    EXPECT_EQ(line_.user.textsOf(Kind::Error).size(), 6U);
    EXPECT_EQ(line_.user.textsOf(Kind::Error).front(), "Error reading cal file block 2");
    EXPECT_EQ(line_.toolString.ToolChain[kGaugeRow].CalBlockIndex, -1);
}

}  // namespace
}  // namespace rvxmod::testing
