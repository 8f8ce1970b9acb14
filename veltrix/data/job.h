#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "common/date_parse.h"
#include "common/date_time.h"
#include "common/format_settings.h"
#include "common/user_port.h"
#include "veltrix/data/job_data_sets.h"

namespace veltrix {

// The kinds of input a job can be loaded from; each may be loaded once until Clear.
enum class DataKind { Depth, Pressure, Ccl, Spinner, Rvx };

// Order of the date parts when dates are parsed.
using DateOrder = rvx::DateOrder;

// The date format pattern of an order, e.g. "yyyy/mm/dd" for year-month-day and "/".
std::string datePattern(DateOrder order, char dateSeparator);

enum class DepthUnitSystem { Feet, Meters };

inline constexpr double kDefaultCclGain = 0.05;
inline constexpr double kDefaultDepthInterval = 0.1;

// Full paths each data kind was read from; empty when not loaded.
struct JobFileNames {
    std::string depth;
    std::string pressure;
    std::string ccl;
    std::string spinner;
    std::string rvx;
};

// Start read from each file and the start its clock is aligned to (0 when not loaded).
struct JobStartTimes {
    rvx::DateTime depthFile = 0;
    rvx::DateTime depthCurrent = 0;
    rvx::DateTime pressureFile = 0;
    rvx::DateTime pressureCurrent = 0;
    rvx::DateTime ccl = 0;
    rvx::DateTime spinner = 0;
};

struct JobUnits {
    std::string depth = " ft";
    std::string speed = "ft/min";
    std::string tension = "lb/ft";
    std::string pressure;
    std::string temperature;
    std::string spinner;
};

struct PointCounts {
    std::size_t depth = 0;
    std::size_t pressure = 0;
    std::size_t ccl = 0;
    std::size_t bht = 0;
    std::size_t spinner = 0;
    // The largest count loaded so far: the bound of the merge loop.
    std::size_t largest = 0;

    void raiseLargest(std::size_t count) { largest = std::max(largest, count); }
};

struct JobFlags {
    bool emptyJob = true;
    bool dataLoaded = false;
    bool projectLoading = false;
    bool merged = false;
    // The gauge data came from one RVX data file with one clock; lowered only at start-up.
    bool rvxLoaded = false;
};

// One job: the data sets and the fields every reader, the clock alignment and the merge share.
struct Job {
    JobDataSets data;
    JobFileNames files;
    std::string dataFolder;
    JobStartTimes starts;
    JobUnits units;
    std::string trackerSerial;
    DateOrder dateOrder = DateOrder::YearMonthDay;
    // The user's separators for reading and writing numbers and dates.
    rvx::FormatSettings locale;
    PointCounts counts;
    double cclGain = kDefaultCclGain;
    double depthInterval = kDefaultDepthInterval;
    int runDirection = 1;
    JobFlags flags;
    // Point indices marked for the recommended time; 0 = none.
    std::size_t depthTiePoint = 0;
    std::size_t cclTiePoint = 0;

    // True when the data sets of the kind already hold points: a second load must be refused.
    bool holdsDataOf(DataKind kind) const;

    // The date format pattern, e.g. "yyyy/mm/dd" with the locale date separator.
    std::string dateFormatPattern() const;

    // Relabels only: the texts change, no loaded value is converted.
    void setDepthUnits(DepthUnitSystem system);

    // Back to the empty job: data sets, point counts, start times, file names, the units and
    // serial read from files, tie points and the flags except RVX-loaded. Depth units, CCL gain,
    // depth interval, date order and data folder are the user's and survive.
    void clear();
};

JobUnits unitTexts(DepthUnitSystem system);

// The load-once rule: shows "You must Clear all previously opened files before opening a new
// one." and answers false when the kind is already loaded.
bool admitLoad(const Job& job, DataKind kind, rvx::UserPort& port);

// Clear: asks "Do you really want to Close all open Graphs?"; only Yes empties the job.
// Answers whether the job was cleared.
bool clearJob(Job& job, rvx::UserPort& port);

// Every data command runs busy: user commands disabled, restored on every exit path.
using BusyState = rvx::CommandsDisabled;

}  // namespace veltrix
