#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "rvxmod/download/block_decoder.h"
#include "rvxmod/download/rvx_writer.h"
#include "rvxmod/model/tool_types.h"
#include "tests/rvxmod/download/linear_converter.h"
#include "tests/rvxmod/download/temp_folder.h"
#include "tests/support/scripted_user_port.h"

namespace rvxmod {
namespace {

// The first and last block of a job recorded by Piezo 123, CCL 7, RTD 5 and Spinner 42; the
// job's tool string also holds RTD 6, which recorded nothing in this block.
std::vector<std::uint8_t> recordedBlock() {
    std::vector<std::uint8_t> block{
        0x37,                                // a recorded block
        0x00, 0x00, 0x00, 0x00,              // time word H = 0
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // bytes 5..15 erased: the first block of a job
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF,        //
        0x05, 0x00, 0x7B,                    // Piezo 123
        0x02, 0x00, 0x07,                    // CCL 7
        0x04, 0x00, 0x05,                    // RTD 5
        0x07, 0x00, 0x2A,                    // Spinner 42
        0xFF,                                // end of the tool entries
    };
    block.resize(64, 0xFF);
    // Records of 3 + 7 + 4 + 4 + 3 = 21 bytes: length - 1 = 0x14, counter, then per tool an
    // uninterpreted byte (0x00) and its values.
    const std::vector<std::vector<std::uint8_t>> records{
        // counter 0: time 0, never written. P 100000, T 25000, CCL 10, RTD 2000, spinner 30
        {0x14, 0x00, 0x00, 0x00, 0x01, 0x86, 0xA0, 0x00, 0x61, 0xA8, 0x00,
         0x00, 0x00, 0x0A, 0x00, 0x00, 0x07, 0xD0, 0x00, 0x00, 0x1E},
        // counter 900 (90 s, 0.02500 h). P 123456, T 30000, CCL 11, RTD 2500, spinner 42
        // (42 / 12 = 3.5 -> 4 rev/s, 240.00 rev/min)
        {0x14, 0x03, 0x84, 0x00, 0x01, 0xE2, 0x40, 0x00, 0x75, 0x30, 0x00,
         0x00, 0x00, 0x0B, 0x00, 0x00, 0x09, 0xC4, 0x00, 0x00, 0x2A},
        // counter 65535 (1.82042 h). P 200000, T 45000, CCL 12, RTD 3000, spinner 66 (5.5 -> 6)
        {0x14, 0xFF, 0xFF, 0x00, 0x03, 0x0D, 0x40, 0x00, 0xAF, 0xC8, 0x00,
         0x00, 0x00, 0x0C, 0x00, 0x00, 0x0B, 0xB8, 0x00, 0x00, 0x42},
        // counter 3 after 65535: wrapped, time 65536 + 3 (1.82053 h). P 150000, T 40000, CCL 13,
        // RTD 2750, spinner 18 (1.5 -> 2)
        {0x14, 0x00, 0x03, 0x00, 0x02, 0x49, 0xF0, 0x00, 0x9C, 0x40, 0x00,
         0x00, 0x00, 0x0D, 0x00, 0x00, 0x0A, 0xBE, 0x00, 0x00, 0x12},
        // counter 7: the job's last sample in its last block, left out of the files
        {0x14, 0x00, 0x07, 0x00, 0x02, 0x49, 0xF1, 0x00, 0x9C, 0x41, 0x00,
         0x00, 0x00, 0x0E, 0x00, 0x00, 0x0A, 0xBF, 0x00, 0x00, 0x06},
    };
    for (const auto& r : records) block.insert(block.end(), r.begin(), r.end());
    block.resize(8192, 0xFF);  // end of data: the rest of the block is erased
    return block;
}

using GoldenFiles = testing::TempFolderTest;

// Expected files worked out by hand: raw counts as recorded; real values with psi = P / 100,
// degrees C = T / 1000, RTD degrees C = count / 100, in BarG (psi * 0.0689476 - 0.99), DegF and
// revolutions per minute. For 123456: 1234.56 psi * 0.0689476 = 85.11995 bar, - 0.99 = 84.130;
// 30 C = 86.000 F; RTD 25 C = 77.000 F.
TEST_F(GoldenFiles, OneBlockDownloadedAsRawCountsAndRealValues) {
    jobObj job;
    job.Tools = {makeJobTool(kPiezo, 123), makeJobTool(kCCL, 7), makeJobTool(kRTD, 5),
                 makeJobTool(kSpinner, 42), makeJobTool(kRTD, 6)};
    job.RecordSize = 21;
    job.DownloadMode = 2;
    job.JobStart = 46095.375;  // 2026/03/14 09:00:00
    MemoryObj memory;
    memory.Code = "RL";
    memory.SerialNumber = 42;
    RvxOutputOptions options;
    options.pressureUnitItem = 5;  // BarG
    options.atmosphere = 0.99;     // 14.30 psi as shown in bar
    options.temperatureUnit = 1;   // DegF
    options.spinnerUnit = 1;       // Revs/Min
    const testing::LinearConverter converter;
    rvx::testing::ScriptedUserPort user;
    const RvxFileContext context{memory, options, converter, user};

    SectorSamples samples;
    ResetDataArrays(job, samples);
    JobBlockDecoder decoder;
    const std::array<int, 4> headerOrder{0, 1, 2, 3};
    ASSERT_EQ(decoder.ProcessResponse_Download(recordedBlock(), headerOrder, job, samples),
              BlockEnd::DataEnded);
    EXPECT_EQ(job.JobSampleCount, 5);

    ASSERT_TRUE(writeSector("golden.rvx", job, samples, true, context));
    const std::string fixtures = RVX_FIXTURES_DIR "/download/";
    EXPECT_EQ(contents("golden_RawCounts.rvx"), contents(fixtures + "golden_RawCounts.rvx"));
    EXPECT_EQ(contents("golden.rvx"), contents(fixtures + "golden.rvx"));
    EXPECT_TRUE(user.events.empty());
}

}  // namespace
}  // namespace rvxmod
