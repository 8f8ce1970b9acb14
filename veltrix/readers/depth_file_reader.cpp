#include "veltrix/readers/depth_file_reader.h"

#include <algorithm>
#include <string>

#include "common/text_catalogue.h"
#include "common/text_file.h"
#include "veltrix/readers/date_text.h"
#include "veltrix/readers/depth_data_lines.h"
#include "veltrix/readers/line_cursor.h"

namespace veltrix {
namespace {

constexpr const char* kContext = "DepthFile";

std::string startDateMessage(const std::string& parserMessage) {
    return rvx::trText(kContext, "Incompatible date format") + "\n" + parserMessage + "\n" +
           rvx::trText(kContext, "Please double check Date Format on Utilities");
}

}  // namespace

DateOrder dateOrderOf(DepthFileKind kind, DateOrder jobOrder) {
    switch (kind) {
        case DepthFileKind::QzDepth:
        case DepthFileKind::Tracker:
        case DepthFileKind::LineWise:
            return DateOrder::YearMonthDay;
        case DepthFileKind::SurfaceExport:
            return DateOrder::MonthDayYear;
        case DepthFileKind::Other:
            break;
    }
    return jobOrder;
}

DepthFileRead readDepthText(std::string_view text, DepthFileKind kind,
                            const DepthReadContext& context) {
    DepthFileRead read;
    read.kind = kind;
    LineCursor lines(text);
    read.header = readDepthHeader(lines, kind, context.currentUnits);
    const DateOrder order = dateOrderOf(kind, context.dateOrder);
    if (kind == DepthFileKind::LineWise) {
        read.start = context.now;
    } else {
        const rvx::Result<rvx::DateTime> start =
            parseDateTimeText(normaliseDateText(read.header.startText, context.dateSeparator),
                              order, context.dateSeparator);
        if (!start) {
            read.stop = ReadStop{StopCause::StartDate, startDateMessage(start.error().message)};
            return read;
        }
        read.start = *start;
    }
    const TimeBase time{.unit = timeUnitOf(read.header.timeUnitToken),
                        .start = read.start,
                        .dateOrder = order,
                        .dateSeparator = context.dateSeparator};
    const auto expectedLines = static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1;
    read.stop = readDepthDataLines(lines, expectedLines, kind, time, context.decimalSeparator,
                                   read.columns);
    return read;
}

rvx::Result<DepthFileRead> readDepthFile(const std::filesystem::path& path,
                                         const DepthReadContext& context) {
    const rvx::Result<std::string> text = rvx::readTextFile(path);
    if (!text) return text.error();
    return readDepthText(*text, depthFileKindOf(path), context);
}

}  // namespace veltrix
