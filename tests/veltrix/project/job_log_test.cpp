#include "veltrix/project/job_log.h"

#include <gtest/gtest.h>

#include "veltrix/data/column.h"
#include "veltrix/project/job_log_find_depth.h"

namespace veltrix {
namespace {

JobLog logWithRows(std::initializer_list<JobLog::Row> rows) {
    JobLog log;
    int row = 0;
    for (const JobLog::Row& cells : rows) {
        if (row > 0) log.addRow();
        for (int column = 0; column < JobLog::columnCount; ++column) {
            log.setCell(row, column, cells[static_cast<std::size_t>(column)]);
        }
        ++row;
    }
    return log;
}

TEST(JobLog, StartsWithOneEmptyRowUnderItsHeaders) {
    const JobLog log;
    ASSERT_EQ(log.rowCount(), 1);
    EXPECT_EQ(log.cell(0, JobLog::TimeColumn), "");
    EXPECT_STREQ(JobLog::headers()[JobLog::CommentsColumn], "C o m m e n t s ");
}

TEST(JobLog, CopyTimeTakesTheCellUpAndToTheLeft) {
    struct Case {
        int row;
        int column;
        std::string expected;
    };
    for (const Case& c :
         {Case{1, JobLog::TimeColumn, "t0"}, Case{1, JobLog::DepthColumn, "t0"},
          Case{1, JobLog::CommentsColumn, "temp0"}, Case{0, JobLog::DepthColumn, "d0"}}) {
        JobLog log =
            logWithRows({{"t0", "d0", "p0", "temp0", "c0"}, {"t1", "d1", "p1", "temp1", "c1"}});
        log.copyTime(c.row, c.column);
        EXPECT_EQ(log.cell(c.row, c.column), c.expected) << c.row << "," << c.column;
    }
}

TEST(JobLog, DeleteRowPullsTheRowsBelowUpAndKeepsTheRowCount) {
    JobLog log = logWithRows({{"a"}, {"b"}, {"c"}});
    log.deleteRow(0);
    ASSERT_EQ(log.rowCount(), 3);
    EXPECT_EQ(log.cell(0, 0), "b");
    EXPECT_EQ(log.cell(1, 0), "c");
    EXPECT_EQ(log.cell(2, 0), "");

    JobLog last = logWithRows({{"a"}, {"b", "1", "2", "3", "note"}});
    last.deleteRow(1);
    ASSERT_EQ(last.rowCount(), 2);
    EXPECT_EQ(last.cell(0, 0), "a");
    for (int column = 0; column < JobLog::columnCount; ++column)
        EXPECT_EQ(last.cell(1, column), "");
}

class FindDepthTest : public ::testing::Test {
protected:
    FindDepthTest() {
        job.data.Depth =
            DataSet(makeColumn({10.0, 10.5, 11.0}), makeColumn({100.0, 150.25, 175.5}));
        job.data.Pressure = DataSet(makeColumn({10.2, 10.6}), makeColumn({1000.0, 2000.125}));
        job.data.Temperature = DataSet(makeColumn({10.2, 10.6}), makeColumn({50.0, 60.0}));
        job.flags.merged = true;
    }
    Job job;
    JobLog log;
};

TEST_F(FindDepthTest, WritesTheFirstPointsNotEarlierThanTheTimeWithTwoDecimals) {
    EXPECT_EQ(findDepth(log, 0, 10.25, job), FindDepthOutcome::Written);
    EXPECT_EQ(log.cell(0, JobLog::DepthColumn), "150.25");
    EXPECT_EQ(log.cell(0, JobLog::PressureColumn), "2000.13");
    EXPECT_EQ(log.cell(0, JobLog::TemperatureColumn), "60.00");

    // Later than every gauge point but within the depth data: the last gauge point.
    EXPECT_EQ(findDepth(log, 0, 10.75, job), FindDepthOutcome::Written);
    EXPECT_EQ(log.cell(0, JobLog::DepthColumn), "175.50");
    EXPECT_EQ(log.cell(0, JobLog::PressureColumn), "2000.13");
}

TEST_F(FindDepthTest, WritesNothingAfterTheDepthDataOrWithoutAMerge) {
    EXPECT_EQ(findDepth(log, 0, 11.5, job), FindDepthOutcome::AfterDepthData);
    EXPECT_EQ(log.cell(0, JobLog::DepthColumn), "");

    job.flags.merged = false;
    EXPECT_EQ(findDepth(log, 0, 10.25, job), FindDepthOutcome::NothingToWrite);
    EXPECT_EQ(log.cell(0, JobLog::DepthColumn), "");
}

}  // namespace
}  // namespace veltrix
