#include "veltrix/data/job.h"

#include "common/text_catalogue.h"

namespace veltrix {

bool Job::holdsDataOf(DataKind kind) const {
    switch (kind) {
        case DataKind::Depth:
            return !data.Depth.empty();
        case DataKind::Pressure:
            return !data.Pressure.empty() || !data.Temperature.empty();
        case DataKind::Ccl:
            return !data.CCL.empty() || !data.BHT.empty();
        case DataKind::Spinner:
            return !data.Spinner.empty();
        case DataKind::Rvx:
            return holdsDataOf(DataKind::Pressure) || holdsDataOf(DataKind::Ccl) ||
                   holdsDataOf(DataKind::Spinner);
    }
    return false;
}

std::string datePattern(DateOrder order, char dateSeparator) {
    const std::string sep(1, dateSeparator);
    switch (order) {
        case DateOrder::YearMonthDay:
            return "yyyy" + sep + "mm" + sep + "dd";
        case DateOrder::MonthDayYear:
            return "mm" + sep + "dd" + sep + "yyyy";
        case DateOrder::DayMonthYear:
            return "dd" + sep + "mm" + sep + "yyyy";
    }
    return {};
}

std::string Job::dateFormatPattern() const {
    return datePattern(dateOrder, locale.dateSeparator);
}

JobUnits unitTexts(DepthUnitSystem system) {
    JobUnits units;
    if (system == DepthUnitSystem::Meters) {
        units.depth = " m";
        units.speed = "m/min";
        units.tension = "lb/m";
    }
    return units;
}

void Job::setDepthUnits(DepthUnitSystem system) {
    const JobUnits texts = unitTexts(system);
    units.depth = texts.depth;
    units.speed = texts.speed;
    units.tension = texts.tension;
}

void Job::clear() {
    data = {};
    counts = {};
    starts = {};
    files = {};
    units.pressure.clear();
    units.temperature.clear();
    units.spinner.clear();
    trackerSerial.clear();
    depthTiePoint = 0;
    cclTiePoint = 0;
    const bool rvxLoaded = flags.rvxLoaded;
    flags = {};
    flags.rvxLoaded = rvxLoaded;
}

bool admitLoad(const Job& job, DataKind kind, rvx::UserPort& port) {
    if (!job.holdsDataOf(kind)) return true;
    port.showWarning(
        rvx::trText("Job", "You must Clear all previously opened files before opening a new one."));
    return false;
}

bool clearJob(Job& job, rvx::UserPort& port) {
    if (!port.askYesNo(rvx::trText("Job", "Do you really want to Close all open Graphs?"))) {
        return false;
    }
    job.clear();
    return true;
}

}  // namespace veltrix
