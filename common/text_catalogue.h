#pragma once

#include <functional>
#include <string>

namespace rvx {

// Every text a person sees goes through trText, so one catalogue serves the GUI-free core and the
// windows. The core links no Qt: the application installs the lookup at start-up; without one the
// English source text is returned unchanged. lupdate collects the calls through a function alias.
using TextLookup = std::function<std::string(const char* context, const char* sourceText)>;

void installTextLookup(TextLookup lookup);

std::string trText(const char* context, const char* sourceText);

}  // namespace rvx
