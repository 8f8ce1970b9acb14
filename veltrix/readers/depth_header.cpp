#include "veltrix/readers/depth_header.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "common/fixed_text.h"

namespace veltrix {
namespace {

// A piece of a fixed-layout line; positions past the end give what is left (or nothing).
std::string_view field(std::string_view line, std::size_t position, std::size_t length) {
    return position < line.size() ? line.substr(position, length) : std::string_view{};
}

// The text after the first ":" (the whole line when there is none).
std::string_view afterColon(std::string_view line) {
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? line : line.substr(colon + 1);
}

// The start date-time of a start line: the 22 characters after the first ":".
std::string startAfterColon(std::string_view line) {
    return std::string(field(afterColon(line), 0, 22));
}

std::string lastCharacters(std::string_view line, std::size_t count) {
    return std::string(line.substr(line.size() - std::min(count, line.size())));
}

// The first blank-separated token and the trimmed rest of the text.
std::pair<std::string_view, std::string_view> firstToken(std::string_view text) {
    text = rvx::trim(text);
    const std::size_t end = std::min(text.find(' '), text.size());
    return {text.substr(0, end), rvx::trim(text.substr(end))};
}

std::string withoutParentheses(std::string_view text) {
    std::string result;
    std::ranges::copy_if(text, std::back_inserter(result),
                         [](char c) { return c != '(' && c != ')'; });
    return result;
}

void removeParentheses(DepthUnitTexts& units) {
    units.depth = withoutParentheses(units.depth);
    units.speed = withoutParentheses(units.speed);
    units.tension = withoutParentheses(units.tension);
}

// Reads the units line of a blank-separated kind into the header.
void readUnitsLine(std::string_view line, DepthFileKind kind, DepthHeader& header) {
    auto [token, rest] = firstToken(line);
    header.timeUnitToken = std::string(token);
    DepthUnitTexts& units = header.units;
    switch (kind) {
        case DepthFileKind::QzDepth:
            units.depth = std::string(rest);
            units.tension = "lb/" + units.depth;
            units.speed = units.depth + "/min";
            break;
        case DepthFileKind::Tracker: {
            const auto [tension, afterTension] = firstToken(rest);
            const auto [depth, speed] = firstToken(afterTension);
            units = {std::string(depth), std::string(speed), std::string(tension)};
            break;
        }
        case DepthFileKind::SurfaceExport:
            units.depth = std::string(firstToken(rest).first);
            break;
        case DepthFileKind::LineWise:
        case DepthFileKind::Other:
            return;  // units are not read: the current ones stay
    }
    removeParentheses(units);
}

// Line 2 of a LineWise file is a column header of fixed layout; its units only title the axes.
void readLineWiseColumnHeader(std::string_view line, DepthHeader& header) {
    header.timeUnitToken = std::string(rvx::trim(field(line, 8, 7)));
    const std::size_t tab = line.find('\t');
    std::size_t position = (tab == std::string_view::npos ? 0 : tab + 1) + 6;
    header.units.depth = std::string(rvx::trim(field(line, position, 3)));
    position += 3 + 7;
    header.units.speed = std::string(rvx::trim(field(line, position, 7)));
    position += 7 + 9;
    header.units.tension = std::string(rvx::trim(field(line, position, 5)));
}

void skipLines(LineCursor& lines, int count) {
    for (int i = 0; i < count; ++i) lines.next();
}

}  // namespace

DepthHeader readDepthHeader(LineCursor& lines, DepthFileKind kind, const DepthUnitTexts& current) {
    DepthHeader header;
    header.units = current;
    switch (kind) {
        case DepthFileKind::QzDepth:
        case DepthFileKind::Other:
            skipLines(lines, 1);
            header.startText = startAfterColon(lines.next());
            skipLines(lines, 3);
            readUnitsLine(lines.next(), kind, header);
            break;
        case DepthFileKind::Tracker:
            header.startText = startAfterColon(lines.next());
            skipLines(lines, 1);
            header.trackerSerial = std::string(rvx::trim(afterColon(lines.next())));
            skipLines(lines, 2);
            readUnitsLine(lines.next(), kind, header);
            break;
        case DepthFileKind::SurfaceExport:
            header.startText = lastCharacters(lines.next(), 22);
            skipLines(lines, 2);
            readUnitsLine(lines.next(), kind, header);
            break;
        case DepthFileKind::LineWise:
            skipLines(lines, 1);
            readLineWiseColumnHeader(lines.next(), header);
            break;
    }
    return header;
}

}  // namespace veltrix
