#include "rvxmod/shell/status_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/text_catalogue.h"

namespace rvxmod {
namespace {

TEST(StatusTexts, EveryTextFollowsTheInterfaceLanguage) {
    rvx::installTextLookup([](const char* context, const char* source) {
        return std::string(context) + ":" + source;
    });
    std::set<std::string> seen;
    for (int i = 0; i < kStatusTextCount; ++i) {
        const std::string text = statusText(static_cast<StatusText>(i));
        EXPECT_EQ(text.rfind("Status:", 0), 0u) << text;
        seen.insert(text);
    }
    rvx::installTextLookup(nullptr);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kStatusTextCount));
    EXPECT_EQ(statusText(StatusText::Connecting), "Connecting to tool...");
}

}  // namespace
}  // namespace rvxmod
