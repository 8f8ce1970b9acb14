#include "common/text_catalogue.h"

#include <utility>

namespace rvx {
namespace {
TextLookup& currentLookup() {
    static TextLookup lookup;
    return lookup;
}
}  // namespace

void installTextLookup(TextLookup lookup) { currentLookup() = std::move(lookup); }

std::string trText(const char* context, const char* sourceText) {
    const TextLookup& lookup = currentLookup();
    return lookup ? lookup(context, sourceText) : std::string(sourceText);
}

}  // namespace rvx
