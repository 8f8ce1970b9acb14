#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rvxmod::memory {

// The first line of a calibration file: the identity (tool code and five-digit serial) before
// the first ",", the date after it.
struct CalFileIdentity {
    std::string identity;
    std::string date;
};

// Splits the first line of a file's text (up to the first carriage return).
CalFileIdentity ExtractCalDateAndSerial(std::string_view fileText);

// Day number of the identity line's date, read as yyyy/mm/dd with "-", "\" or "/" between.
std::optional<std::int32_t> calDateOf(const CalFileIdentity& identity);

}  // namespace rvxmod::memory
