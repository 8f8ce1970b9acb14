#include "common/date_parse.h"

#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "common/fixed_text.h"
#include "common/text_catalogue.h"

namespace rvx {
namespace {

constexpr std::size_t kMostDigits = 4;

struct Number {
    int value;
    std::size_t digits;
};

int windowedYear(int twoDigitYear, int window) {
    const int centuryBase = decodeDateTime(nowDateTime()).year - window;
    int year = twoDigitYear + centuryBase / 100 * 100;
    if (window > 0 && year < centuryBase) year += 100;
    return year;
}

class DateTimeScanner {
public:
    DateTimeScanner(std::string_view text, const FormatSettings& settings)
        : text_(text), settings_(settings) {}

    // Year, month and day of civil; false when the text does not start with a valid date.
    bool scanDate(CivilDateTime& civil);
    // Hour to millisecond of civil; false unless a valid time follows.
    bool scanTime(CivilDateTime& civil);
    bool atEnd() {
        skipBlanks();
        return position_ == text_.size();
    }
    void rewind() { position_ = 0; }

private:
    void skipBlanks() {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t')) {
            ++position_;
        }
    }
    bool scanChar(char c) {
        skipBlanks();
        if (position_ == text_.size() || text_[position_] != c) return false;
        ++position_;
        return true;
    }
    bool scanWord(std::string_view word) {
        skipBlanks();
        const std::string_view rest = text_.substr(position_);
        if (word.empty() || rest.size() < word.size() ||
            !equalsIgnoringCase(rest.substr(0, word.size()), word)) {
            return false;
        }
        position_ += word.size();
        return true;
    }
    std::optional<Number> scanNumber();
    // 0 for a morning marker, 12 for an afternoon one, none without a marker.
    std::optional<int> scanHalfDay();

    std::string_view text_;
    const FormatSettings& settings_;
    std::size_t position_ = 0;
};

std::optional<Number> DateTimeScanner::scanNumber() {
    skipBlanks();
    std::size_t end = position_;
    while (end < text_.size() && end - position_ < kMostDigits &&
           std::isdigit(static_cast<unsigned char>(text_[end]))) {
        ++end;
    }
    if (end == position_) return std::nullopt;
    Number number{0, end - position_};
    std::from_chars(text_.data() + position_, text_.data() + end, number.value);
    position_ = end;
    return number;
}

std::optional<int> DateTimeScanner::scanHalfDay() {
    if (scanWord(settings_.timeAMString) || scanWord("AM")) return 0;
    if (scanWord(settings_.timePMString) || scanWord("PM")) return 12;
    return std::nullopt;
}

bool DateTimeScanner::scanDate(CivilDateTime& civil) {
    const std::optional<Number> first = scanNumber();
    if (!first || !scanChar(settings_.dateSeparator)) return false;
    const std::optional<Number> second = scanNumber();
    if (!second || !scanChar(settings_.dateSeparator)) return false;
    const std::optional<Number> third = scanNumber();
    if (!third) return false;

    Number year{};
    switch (dateOrderOf(settings_.shortDateFormat)) {
        case DateOrder::YearMonthDay:
            year = *first;
            civil.month = second->value;
            civil.day = third->value;
            break;
        case DateOrder::MonthDayYear:
            year = *third;
            civil.month = first->value;
            civil.day = second->value;
            break;
        case DateOrder::DayMonthYear:
            year = *third;
            civil.month = second->value;
            civil.day = first->value;
            break;
    }
    civil.year = year.digits <= 2 ? windowedYear(year.value, settings_.twoDigitYearCenturyWindow)
                                  : year.value;
    return civil.year >= 1 && civil.day >= 1 && civil.day <= daysInMonth(civil.year, civil.month);
}

bool DateTimeScanner::scanTime(CivilDateTime& civil) {
    const std::optional<Number> hour = scanNumber();
    if (!hour) return false;
    std::optional<Number> minute, second, millisecond;
    if (scanChar(settings_.timeSeparator)) {
        minute = scanNumber();
        if (!minute) return false;
        if (scanChar(settings_.timeSeparator)) {
            second = scanNumber();
            if (!second) return false;
            if (scanChar(settings_.decimalSeparator) || scanChar(settings_.timeSeparator)) {
                millisecond = scanNumber();
                if (!millisecond) return false;
            }
        }
    }
    const std::optional<int> halfDay = scanHalfDay();
    if (!minute && !halfDay) return false;
    civil.hour = hour->value;
    if (halfDay) {
        if (civil.hour == 0 || civil.hour > 12) return false;
        civil.hour = civil.hour % 12 + *halfDay;
    }
    civil.minute = minute ? minute->value : 0;
    civil.second = second ? second->value : 0;
    civil.millisecond = millisecond ? millisecond->value : 0;
    return civil.hour < 24 && civil.minute < 60 && civil.second < 60 && civil.millisecond < 1000;
}

Error notValid(std::string_view text, const std::string& complaint) {
    return fail('\'' + std::string(text) + '\'' + complaint);
}

// The text read by one scan that must use all of it.
Result<DateTime> parseWhole(std::string_view text, const FormatSettings& settings,
                            bool (DateTimeScanner::*scan)(CivilDateTime&),
                            const std::string& complaint) {
    DateTimeScanner scanner(text, settings);
    CivilDateTime civil;
    if (!(scanner.*scan)(civil) || !scanner.atEnd()) return notValid(text, complaint);
    return encodeDateTime(civil);
}

}  // namespace

DateOrder dateOrderOf(std::string_view shortDateFormat) {
    for (const char c : shortDateFormat) {
        switch (std::tolower(static_cast<unsigned char>(c))) {
            case 'y':
                return DateOrder::YearMonthDay;
            case 'm':
                return DateOrder::MonthDayYear;
            case 'd':
                return DateOrder::DayMonthYear;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

Result<DateTime> parseDate(std::string_view text, const FormatSettings& settings) {
    return parseWhole(text, settings, &DateTimeScanner::scanDate,
                      trText("DateTimeText", " is not a valid date"));
}

Result<DateTime> parseTime(std::string_view text, const FormatSettings& settings) {
    return parseWhole(text, settings, &DateTimeScanner::scanTime,
                      trText("DateTimeText", " is not a valid time"));
}

Result<DateTime> parseDateTime(std::string_view text, const FormatSettings& settings) {
    DateTimeScanner scanner(text, settings);
    CivilDateTime civil;
    if (scanner.scanDate(civil) &&
        (scanner.atEnd() || (scanner.scanTime(civil) && scanner.atEnd()))) {
        return encodeDateTime(civil);
    }
    scanner.rewind();
    civil = CivilDateTime{};
    if (scanner.scanTime(civil) && scanner.atEnd()) return encodeDateTime(civil);
    return notValid(text, trText("DateTimeText", " is not a valid date and time"));
}

}  // namespace rvx
