#include "common/date_format.h"

#include <cctype>
#include <charconv>
#include <chrono>
#include <utility>

#include "common/fixed_text.h"

namespace rvx {
namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

int dayOfWeek(const CivilDateTime& civil) {
    using namespace std::chrono;
    const sys_days date = year(civil.year) / month(static_cast<unsigned>(civil.month)) /
                          day(static_cast<unsigned>(civil.day));
    return static_cast<int>(weekday(date).c_encoding());
}

// Whether hours written at the start of rest belong to a 12-hour clock: the first "a" that
// follows (outside quotes, before the next hour letter) starts an AM/PM marker.
bool usesTwelveHourClock(std::string_view rest) {
    bool quoted = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"' || c == '\'') quoted = !quoted;
        if (quoted) continue;
        if (c == 'h' || c == 'H') return false;
        if (c == 'a' || c == 'A') {
            const std::string_view marker = rest.substr(i);
            return startsWithIgnoringCase(marker, "AM/PM") ||
                   startsWithIgnoringCase(marker, "A/P") || startsWithIgnoringCase(marker, "AMPM");
        }
    }
    return false;
}

class DateTimeWriter {
public:
    DateTimeWriter(const CivilDateTime& civil, const FormatSettings& settings)
        : civil_(civil), settings_(settings) {}

    void append(std::string_view pattern);
    std::string takeText() { return std::move(text_); }

private:
    void appendNumber(int value, std::size_t minimumDigits);
    // Handles the letter run pattern[0..count); returns how much of the pattern it used.
    std::size_t appendLetters(std::string_view pattern, std::size_t count);
    std::size_t appendDayPart(std::size_t count);
    std::size_t appendMarker(std::string_view pattern);
    bool isMidnight() const {
        return civil_.hour == 0 && civil_.minute == 0 && civil_.second == 0 &&
               civil_.millisecond == 0;
    }

    const CivilDateTime& civil_;
    const FormatSettings& settings_;
    // The pattern and the formats it names ("c", "ddddd", "t", "tt"), but not theirs in turn.
    static constexpr int kMostNesting = 2;

    std::string text_;
    char lastLetter_ = ' ';
    int nesting_ = 0;
};

void DateTimeWriter::appendNumber(int value, std::size_t minimumDigits) {
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < minimumDigits) text_.append(minimumDigits - length, '0');
    text_.append(digits, length);
}

void DateTimeWriter::append(std::string_view pattern) {
    // Settings may come from files: a short date format of "c" must not recurse without end.
    if (nesting_ == kMostNesting) return;
    ++nesting_;
    // Each (nested) pattern starts afresh: "m" after an hour of the enclosing pattern stays a
    // month.
    const char enclosingLetter = std::exchange(lastLetter_, ' ');
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            text_.append(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            std::size_t count = 1;
            while (i + count < pattern.size() && pattern[i + count] == c) ++count;
            i += appendLetters(pattern.substr(i), count);
        } else {
            text_ += c == '/' ? settings_.dateSeparator : c == ':' ? settings_.timeSeparator : c;
            ++i;
        }
    }
    lastLetter_ = enclosingLetter;
    --nesting_;
}

std::size_t DateTimeWriter::appendLetters(std::string_view pattern, std::size_t count) {
    char letter = upper(pattern[0]);
    if (letter == 'M' && lastLetter_ == 'H') letter = 'N';
    lastLetter_ = letter;
    const std::size_t twoAtMost = std::min<std::size_t>(count, 2);
    switch (letter) {
        case 'Y':
            if (count <= 2) {
                appendNumber(civil_.year % 100, 2);
            } else {
                appendNumber(civil_.year, 4);
            }
            return count;
        case 'M':
            if (count <= 2) {
                appendNumber(civil_.month, count);
            } else {
                const auto& names =
                    count == 3 ? settings_.shortMonthNames : settings_.longMonthNames;
                text_ += names[static_cast<std::size_t>(civil_.month - 1)];
            }
            return count;
        case 'D':
            return appendDayPart(count);
        case 'H': {
            int hour = civil_.hour;
            if (usesTwelveHourClock(pattern.substr(count))) hour = hour % 12 == 0 ? 12 : hour % 12;
            appendNumber(hour, twoAtMost);
            return count;
        }
        case 'N':
            appendNumber(civil_.minute, twoAtMost);
            return count;
        case 'S':
            appendNumber(civil_.second, twoAtMost);
            return count;
        case 'Z':
            appendNumber(civil_.millisecond, std::min<std::size_t>(count, 3));
            return count;
        case 'T':
            append(count == 1 ? settings_.shortTimeFormat : settings_.longTimeFormat);
            return count;
        case 'C':
            append(settings_.shortDateFormat);
            if (!isMidnight()) {
                text_ += ' ';
                append(settings_.longTimeFormat);
            }
            return count;
        case 'A':
            return appendMarker(pattern);
        default:
            text_ += pattern[0];
            return 1;
    }
}

std::size_t DateTimeWriter::appendDayPart(std::size_t count) {
    if (count <= 2) {
        appendNumber(civil_.day, count);
    } else if (count <= 4) {
        const auto& names = count == 3 ? settings_.shortDayNames : settings_.longDayNames;
        text_ += names[static_cast<std::size_t>(dayOfWeek(civil_))];
    } else {
        append(settings_.shortDateFormat);
    }
    return count;
}

std::size_t DateTimeWriter::appendMarker(std::string_view pattern) {
    const bool afternoon = civil_.hour >= 12;
    if (startsWithIgnoringCase(pattern, "AM/PM")) {
        text_.append(pattern.substr(afternoon ? 3 : 0, 2));  // keeps the pattern's letter case
        return 5;
    }
    if (startsWithIgnoringCase(pattern, "A/P")) {
        text_ += pattern[afternoon ? 2 : 0];
        return 3;
    }
    if (startsWithIgnoringCase(pattern, "AMPM")) {
        text_ += afternoon ? settings_.timePMString : settings_.timeAMString;
        return 4;
    }
    text_ += pattern[0];
    return 1;
}

}  // namespace

std::string formatDateTime(std::string_view pattern, DateTime value,
                           const FormatSettings& settings) {
    const CivilDateTime civil = decodeDateTime(value);
    DateTimeWriter writer(civil, settings);
    writer.append(pattern.empty() ? std::string_view("c") : pattern);
    return writer.takeText();
}

}  // namespace rvx
