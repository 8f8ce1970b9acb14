#include "rvxmod/download/rvx_file_names.h"

#include <gtest/gtest.h>

namespace rvxmod {
namespace {

TEST(RvxFileNames, ProposedNamesCarryTheMemoryModuleAndJobNumber) {
    MemoryObj memory;
    memory.Code = "RL";
    memory.SerialNumber = 77;
    EXPECT_EQ(proposedRvxFileName(memory, 3, false), "RVX-RL00077_Job3.rvx");
    EXPECT_EQ(proposedRvxFileName(memory, 12, true), "RVX-RL00077_Job12_RawCounts.rvx");
    memory.SerialNumber = 123456;
    EXPECT_EQ(memoryIdentity(memory), "RL123456");
    memory.SerialNumber = -1;
    EXPECT_EQ(memoryIdentity(memory), "");
}

TEST(RvxFileNames, RawCountsFileOfADownloadOfBothKinds) {
    const std::pair<const char*, const char*> cases[] = {
        {"job.rvx", "job_RawCounts.rvx"},
        {"/data/run.2/job.rvx", "/data/run.2/job_RawCounts.rvx"},
        {"/data/run.2/job", "/data/run.2/job_RawCounts.rvx"},
        {"C:\\data\\job.txt", "C:\\data\\job_RawCounts.rvx"},
        // never the chosen file itself, which holds the real values
        {"job_RawCounts.rvx", "job_RawCounts_RawCounts.rvx"},
    };
    for (const auto& [chosen, raw] : cases) EXPECT_EQ(rawCountsFileName(chosen), raw) << chosen;
}

}  // namespace
}  // namespace rvxmod
