#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace rvx {

// A settings file in the classic profile format: "[Section]" header lines and "Key=Value" lines.
// Sections and keys keep the order they were read or first written in; lookups ignore case.
// Keys and values are read without surrounding blanks; lines starting with ';' are comments.
// A key repeated within a section (or a section header repeated) reads its first occurrence.
class IniFile {
public:
    static IniFile parse(std::string_view text);
    // A missing or unreadable file reads as an empty one, as the profile functions behave.
    static IniFile load(const std::filesystem::path& path);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string valueOr(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
    // An existing key keeps its place and its spelling; a new one goes after the section's last.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void eraseSection(std::string_view section);

    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    // "[Section]\r\nKey=Value\r\n" per section, a blank line between sections.
    std::string toText() const;
    Status save(const std::filesystem::path& path) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* findSection(std::string_view name) const;
    Section& sectionFor(std::string_view name);
    static void setEntry(Section& section, std::string_view key, std::string_view value);

    std::vector<Section> sections_;
};

}  // namespace rvx
