#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/user_port.h"

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

// Decides whether a file may be kept in the tool; shows its own error for a file it refuses.
using CalFileVerifier = std::function<bool(const std::string& path, rvx::UserPort& user)>;

// The check used until a full calibration reader is wired in: a ".dat" or ".tdat" file (other
// extensions are refused silently) that can be read and starts with an identity line; otherwise
// "Invalid dat file! " + path.
bool checkCalFileShape(const std::string& path, rvx::UserPort& user);

}  // namespace rvxmod::memory
