#include "rvxmod/calibration/cal_loading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "rvxmod/calibration/temp_cal_files.h"
#include "rvxmod/calibration/verify_cal_file.h"
#include "rvxmod/model/tool_types.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

using Kind = rvx::testing::ScriptedUserPort::Kind;
namespace fs = std::filesystem;

const std::string kFixtures = RVX_FIXTURES_DIR "/calibration/";

// Files kept in a pretend memory module: block -> fixture copied out on request.
class FakeCalFileSource final : public CalFileSource {
public:
    struct Kept {
        std::uint32_t type;
        std::int32_t serial;
        int block;
        std::string fixture;
    };
    std::vector<Kept> kept;

    int calBlockOf(std::uint32_t type, std::int32_t serial) const override {
        for (const Kept& k : kept)
            if (k.type == type && k.serial == serial) return k.block;
        return -1;
    }
    rvx::Status MakeCalFile(int block, const fs::path& file) override {
        for (const Kept& k : kept)
            if (k.block == block) {
                std::error_code error;
                fs::copy_file(kFixtures + k.fixture, file, fs::copy_options::overwrite_existing,
                              error);
                if (!error) return rvx::ok();
            }
        return rvx::fail("Communications error. Please re-connect");
    }
};

// A start-up directory of its own, removed with everything in it.
class StartupDirectory {
public:
    StartupDirectory()
        : path_(fs::temp_directory_path() /
                ("rvx_cal_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)))) {
        fs::create_directories(path_);
    }
    ~StartupDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

class CalLoading : public ::testing::Test {
protected:
    TToolChain chain{makeJobTool(kPiezo, 201), makeJobTool(kCCL, 5), makeJobTool(kRTD, 12),
                     makeJobTool(kRarodIdirura, 77)};
    StartupDirectory startup;
    FakeCalFileSource source;
    rvx::testing::ScriptedUserPort port;

    CalLoadSettings settings(CalFileLocation location, CalculationMethod method) const {
        return {location, method, startup.path()};
    }
};

TEST_F(CalLoading, OnComputerAsksForEveryCalibratedToolAndAttachesConverters) {
    port.paths = {kFixtures + "gauge_6x5.dat", kFixtures + "rtd.tdat", kFixtures + "gauge_6x5.dat"};
    ASSERT_TRUE(loadCalsToToolChain(
        chain, settings(CalFileLocation::OnComputer, CalculationMethod::WaveCal), source, port));
    EXPECT_EQ(
        port.textsOf(Kind::OpenFile),
        (std::vector<std::string>{"Dat file for Tool PiezoRZ00201", "Dat file for Tool RTDRR00012",
                                  "Dat file for Tool RarodIdiruraRP00077"}));
    EXPECT_NE(chain[0].PressureCal, nullptr);
    EXPECT_EQ(chain[0].PressureCoef, nullptr);
    EXPECT_EQ(chain[1].CalFileName, "");
    EXPECT_NE(chain[2].TemperatureCal, nullptr);
    EXPECT_EQ(chain[2].CalFileName, kFixtures + "rtd.tdat");
    EXPECT_NE(chain[3].PressureCal, nullptr);
}

TEST_F(CalLoading, CancellingTheSecondToolKeepsTheFirstAndStops) {
    port.answers = {true, false};
    port.paths = {kFixtures + "gauge_6x5.dat"};
    EXPECT_FALSE(loadCalsToToolChain(
        chain, settings(CalFileLocation::OnTool, CalculationMethod::Coefficients), source, port));
    EXPECT_EQ(port.textsOf(Kind::YesCancel),
              (std::vector<std::string>{
                  "There is no cal file for tool: PiezoRZ00201. Do you want to load a cal file?",
                  "There is no cal file for tool: RTDRR00012. Do you want to load a cal file?"}));
    EXPECT_EQ(port.textsOf(Kind::OpenFile), std::vector<std::string>{"Piezo RZ00201"});
    EXPECT_EQ(port.textsOf(Kind::Notice), std::vector<std::string>{"Saving raw counts"});
    EXPECT_NE(chain[0].PressureCoef, nullptr);
    EXPECT_NE(chain[0].TemperatureCoef, nullptr);
    EXPECT_EQ(chain[2].TemperatureCal, nullptr);
    EXPECT_EQ(chain[3].PressureCoef, nullptr);
}

TEST_F(CalLoading, FilesKeptInTheToolLoadWithoutAnyDialog) {
    source.kept = {{kPiezo, 201, 2, "gauge_6x5.dat"},
                   {kRTD, 12, 3, "rtd.tdat"},
                   {kRarodIdirura, 77, 4, "gauge_6x5.dat"}};
    ASSERT_TRUE(loadCalsToToolChain(
        chain, settings(CalFileLocation::OnTool, CalculationMethod::Coefficients), source, port));
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(chain[0].CalBlockIndex, 2);
    EXPECT_EQ(fs::path(chain[0].CalFileName),
              startup.path() / "TempCalFiles" / "tempDAT_Block2.dat");
    EXPECT_EQ(fs::path(chain[2].CalFileName),
              startup.path() / "TempCalFiles" / "tempTDAT_Block3.tdat");
    EXPECT_NE(chain[2].TemperatureCal, nullptr);
    EXPECT_TRUE(deleteTempCalfiles(startup.path()));
    EXPECT_FALSE(fs::exists(tempCalFolder(startup.path())));
    EXPECT_FALSE(deleteTempCalfiles(startup.path()));
}

TEST_F(CalLoading, AnInvalidFileStopsWithRawCounts) {
    port.paths = {kFixtures + "gauge_6x5.dat", kFixtures + "not_a_number.dat"};
    EXPECT_FALSE(loadCalsToToolChain(
        chain, settings(CalFileLocation::OnComputer, CalculationMethod::WaveCal), source, port));
    const auto errors = port.textsOf(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with("Invalid dat file! Saving raw counts")) << errors[0];
    EXPECT_NE(chain[0].PressureCal, nullptr);
    EXPECT_EQ(chain[2].CalFileName, "");
    EXPECT_EQ(chain[2].TemperatureCal, nullptr);
}

TEST_F(CalLoading, ReloadingLeavesNoConverterOfAnEarlierLoad) {
    chain = {makeJobTool(kPiezo, 201)};
    const auto load = [&](const std::string& fixture, CalculationMethod method) {
        port.paths = {kFixtures + fixture};
        return loadCalsToToolChain(chain, settings(CalFileLocation::OnComputer, method), source,
                                   port);
    };
    ASSERT_TRUE(load("gauge_6x5.dat", CalculationMethod::WaveCal));
    ASSERT_TRUE(load("gauge_6x5.dat", CalculationMethod::Coefficients));
    EXPECT_EQ(chain[0].PressureCal, nullptr);
    EXPECT_NE(chain[0].PressureCoef, nullptr);
    EXPECT_FALSE(load("not_a_number.dat", CalculationMethod::Coefficients));
    EXPECT_EQ(chain[0].PressureCoef, nullptr);
    EXPECT_EQ(chain[0].TemperatureCoef, nullptr);
}

TEST_F(CalLoading, PoorCoefficientFitIsAttachedWithAWarning) {
    std::ifstream in(kFixtures + "gauge_6x5.dat", std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    const std::string orders = "Pressure Y:4,Pressure X:4";
    text.replace(text.find(orders), orders.size(), "Pressure Y:0,Pressure X:1");
    const fs::path straight = startup.path() / "straight.dat";
    std::ofstream(straight, std::ios::binary) << text;
    chain = {makeJobTool(kPiezo, 201)};
    port.paths = {straight.string()};
    ASSERT_TRUE(loadCalsToToolChain(
        chain, settings(CalFileLocation::OnComputer, CalculationMethod::Coefficients), source,
        port));
    ASSERT_EQ(port.textsOf(Kind::Warning).size(), 1u);
    EXPECT_NE(port.textsOf(Kind::Warning)[0].find("0.05 %"), std::string::npos);
    EXPECT_NE(chain[0].PressureCoef, nullptr);
}

TEST_F(CalLoading, SingleToolFromTheToolGoesToTheStartupDirectory) {
    source.kept = {{kRTD, 12, 5, "rtd.tdat"}};
    EXPECT_TRUE(LoadSingleToolCal(
        2, chain, settings(CalFileLocation::OnTool, CalculationMethod::WaveCal), source, port));
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(fs::path(chain[2].CalFileName), startup.path() / "5.dat");
    EXPECT_NE(chain[2].TemperatureCal, nullptr);
    EXPECT_TRUE(LoadSingleToolCal(
        1, chain, settings(CalFileLocation::OnTool, CalculationMethod::WaveCal), source, port));
    EXPECT_TRUE(port.events.empty());
}

TEST_F(CalLoading, SingleToolWithoutAFileWarnsThenAsks) {
    const auto onTool = settings(CalFileLocation::OnTool, CalculationMethod::WaveCal);
    EXPECT_FALSE(LoadSingleToolCal(0, chain, onTool, source, port));
    EXPECT_EQ(port.textsOf(Kind::Warning),
              std::vector<std::string>{
                  "Tool Piezo201 resurrected mid-job. Press OK to select a Cal file."});
    EXPECT_EQ(port.textsOf(Kind::Notice), std::vector<std::string>{"Saving raw counts"});

    port.events.clear();
    const auto onComputer = settings(CalFileLocation::OnComputer, CalculationMethod::WaveCal);
    EXPECT_FALSE(LoadSingleToolCal(0, chain, onComputer, source, port));
    EXPECT_EQ(port.textsOf(Kind::OpenFile), std::vector<std::string>{"Dat file for Tool Piezo201"});
    EXPECT_TRUE(port.textsOf(Kind::Notice).empty());

    port.paths = {kFixtures + "gauge_6x5.dat"};
    EXPECT_TRUE(LoadSingleToolCal(0, chain, onComputer, source, port));
    EXPECT_NE(chain[0].PressureCal, nullptr);
}

TEST(VerifyCalFile, TrialLoadsByExtension) {
    rvx::testing::ScriptedUserPort port;
    EXPECT_TRUE(VerifyCalFile(kFixtures + "gauge_6x5.dat", port));
    EXPECT_TRUE(VerifyCalFile(kFixtures + "rtd.tdat", port));
    EXPECT_FALSE(VerifyCalFile(kFixtures + "rtd.txt", port));
    EXPECT_TRUE(port.events.empty());
    EXPECT_FALSE(VerifyCalFile(kFixtures + "too_few_points.dat", port));
    EXPECT_EQ(port.textsOf(Kind::Error),
              std::vector<std::string>{"Invalid dat file! " + kFixtures + "too_few_points.dat"});
}

}  // namespace
}  // namespace rvxmod
