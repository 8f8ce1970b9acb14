#include "veltrix/readers/depth_data_lines.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "common/fixed_text.h"
#include "common/number_parse.h"
#include "common/text_catalogue.h"
#include "veltrix/readers/date_text.h"

namespace veltrix {
namespace {

constexpr const char* kContext = "DepthFile";

// The fields of one data line, without allocating: a line holds at most a two-token time and
// four values.
struct Fields {
    std::array<std::string_view, 6> items{};
    std::size_t count = 0;

    std::string_view operator[](std::size_t index) const {
        return index < count ? items[index] : std::string_view{};
    }

    // The first two fields with the blanks between them, as they stand in the line.
    std::string_view firstTwo() const {
        if (count < 2) return items[0];
        return {items[0].data(),
                static_cast<std::size_t>(items[1].data() + items[1].size() - items[0].data())};
    }
};

// Blank-separated kinds split at runs of blanks; LineWise lines at every tab.
Fields splitFields(std::string_view line, bool tabSeparated) {
    Fields fields;
    while (!line.empty() && fields.count < fields.items.size()) {
        const std::size_t end = std::min(line.find(tabSeparated ? '\t' : ' '), line.size());
        fields.items[fields.count++] = line.substr(0, end);
        line.remove_prefix(std::min(end + 1, line.size()));
        if (!tabSeparated) line = rvx::trimLeft(line);
    }
    return fields;
}

// How many values follow the time, and where each column is among them.
struct ValueLayout {
    std::size_t count;
    std::size_t depth;
    std::optional<std::size_t> speed;
    std::optional<std::size_t> tension;
};

ValueLayout valueLayoutOf(DepthFileKind kind) {
    switch (kind) {
        case DepthFileKind::Tracker:
            return {.count = 3, .depth = 1, .speed = 2, .tension = 0};
        case DepthFileKind::SurfaceExport:
            return {.count = 2, .depth = 0, .speed = 1, .tension = std::nullopt};
        case DepthFileKind::LineWise:
            return {.count = 3, .depth = 0, .speed = 1, .tension = 2};
        case DepthFileKind::QzDepth:
        case DepthFileKind::Other:
            break;
    }
    return {.count = 1, .depth = 0, .speed = std::nullopt, .tension = std::nullopt};
}

std::string notANumber(std::string_view token) {
    std::string text(1, '\'');
    text.append(token).append("' ").append(rvx::trText(kContext, "is not a valid number"));
    return text;
}

rvx::Result<rvx::DateTime> convertTime(std::string_view text, const TimeBase& time,
                                       char decimalSeparator) {
    switch (time.unit) {
        case TimeUnit::Seconds:
        case TimeUnit::Hours: {
            const std::optional<double> elapsed = rvx::parseDouble(text, decimalSeparator);
            if (!elapsed) return rvx::fail(notANumber(text));
            return time.start + *elapsed / (time.unit == TimeUnit::Seconds ? 86400.0 : 24.0);
        }
        case TimeUnit::RealTime:
            return parseDateTimeText(normaliseDateText(text, time.dateSeparator), time.dateOrder,
                                     time.dateSeparator);
        case TimeUnit::None:
            break;
    }
    return 0.0;
}

std::string timeMessage(DepthFileKind kind, const std::string& parserMessage) {
    const char* const prefix = kind == DepthFileKind::LineWise
                                   ? "Incopatible Time format, it must be hh:mm:ss "
                                   : "Incompatible time format, it must be hh:mm:ss ";
    return rvx::trText(kContext, prefix) + "\n" + parserMessage;
}

std::string lineMessage(std::size_t lineNumber, const std::string& problem) {
    return rvx::trText(kContext, "Line ") + std::to_string(lineNumber) + ": " + problem;
}

std::string valueMessage(std::size_t lineNumber, std::string_view token) {
    const std::string problem =
        token.empty() ? rvx::trText(kContext, "a value is missing") : notANumber(token);
    return lineMessage(lineNumber, problem) + ". " +
           rvx::trText(kContext, "The depth file was read up to the line before.");
}

// Accumulates the columns as plain arrays; they become shared columns once complete.
struct DepthValues {
    std::vector<double> time;
    std::vector<double> depth;
    std::vector<double> speed;
    std::vector<double> tension;

    void reserve(std::size_t count, bool withTension) {
        time.reserve(count);
        depth.reserve(count);
        speed.reserve(count);
        if (withTension) tension.reserve(count);
    }

    // Depth units per minute from the line before; the first two points of a file have 0. Two
    // equal times would divide by zero: that point keeps the speed before it.
    double derivedSpeed(double newTime, double newDepth) const {
        const std::size_t count = time.size();
        if (count < 2) return 0.0;
        const double minutes = (newTime - time.back()) * 24.0 * 60.0;
        if (minutes == 0.0) return speed.back();
        return (newDepth - depth.back()) / minutes;
    }

    void moveInto(DepthColumns& columns) {
        columns.time = makeColumn(std::move(time));
        columns.depth = makeColumn(std::move(depth));
        columns.speed = makeColumn(std::move(speed));
        columns.tension = makeColumn(std::move(tension));
    }
};

}  // namespace

std::optional<ReadStop> readDepthDataLines(LineCursor& lines, std::size_t expectedLines,
                                           DepthFileKind kind, const TimeBase& time,
                                           char decimalSeparator, DepthColumns& columns) {
    const bool tabSeparated = kind == DepthFileKind::LineWise;
    const bool twoTokenTime = time.unit == TimeUnit::RealTime && !tabSeparated;
    const ValueLayout layout = valueLayoutOf(kind);
    DepthValues values;
    values.reserve(expectedLines, layout.tension.has_value());
    std::optional<ReadStop> stop;
    while (!lines.atEnd()) {
        const std::string_view line = rvx::trim(lines.next());
        if (line.empty()) continue;
        const Fields fields = splitFields(line, tabSeparated);
        const std::string_view timeText = twoTokenTime ? fields.firstTwo() : fields[0];
        const rvx::Result<rvx::DateTime> pointTime = convertTime(timeText, time, decimalSeparator);
        if (!pointTime) {
            stop = ReadStop{
                StopCause::Time,
                timeMessage(kind, lineMessage(lines.lineNumber(), pointTime.error().message))};
            break;
        }
        const std::size_t first = twoTokenTime ? 2 : 1;
        std::array<double, 3> parsed{};
        for (std::size_t position = 0; position < layout.count; ++position) {
            const std::string_view token = fields[first + position];
            const std::optional<double> value = rvx::parseDouble(token, decimalSeparator);
            if (!value) {
                stop = ReadStop{StopCause::Value, valueMessage(lines.lineNumber(), token)};
                break;
            }
            parsed[position] = *value;
        }
        if (stop) break;
        const double depth = parsed[layout.depth];
        values.speed.push_back(layout.speed ? parsed[*layout.speed]
                                            : values.derivedSpeed(*pointTime, depth));
        values.time.push_back(*pointTime);
        values.depth.push_back(depth);
        if (layout.tension) values.tension.push_back(parsed[*layout.tension]);
    }
    values.moveInto(columns);
    return stop;
}

}  // namespace veltrix
