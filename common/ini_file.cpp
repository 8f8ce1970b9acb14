#include "common/ini_file.h"

#include <algorithm>
#include <functional>

#include "common/fixed_text.h"
#include "common/text_file.h"

namespace rvx {
namespace {

std::optional<std::string_view> sectionHeader(std::string_view line) {
    if (!line.starts_with('[')) return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

// The first item whose name (given by the projection) matches, ignoring case.
template <class Range, class Projection>
auto findNamed(Range& range, std::string_view name, Projection projection) {
    return std::ranges::find_if(range, [&](const auto& item) {
        return equalsIgnoringCase(std::invoke(projection, item), name);
    });
}

}  // namespace

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    const auto found = findNamed(sections_, name, &Section::name);
    return found == sections_.end() ? nullptr : &*found;
}

IniFile::Section& IniFile::sectionFor(std::string_view name) {
    const auto found = findNamed(sections_, name, &Section::name);
    if (found != sections_.end()) return *found;
    return sections_.emplace_back(Section{std::string(name), {}});
}

void IniFile::setEntry(Section& section, std::string_view key, std::string_view value) {
    const auto found = findNamed(section.entries, key, &Entry::key);
    if (found != section.entries.end()) {
        found->value = std::string(value);
    } else {
        section.entries.push_back(Entry{std::string(key), std::string(value)});
    }
}

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    Section* current = nullptr;
    for (const std::string_view rawLine : splitLines(text)) {
        const std::string_view line = trim(rawLine);
        if (line.empty() || line.starts_with(';')) continue;
        if (const auto header = sectionHeader(line)) {
            current = &file.sectionFor(*header);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        const std::string_view key = trim(line.substr(0, equals));
        // The profile functions read the first of repeated keys; keep that one.
        if (findNamed(current->entries, key, &Entry::key) == current->entries.end()) {
            current->entries.push_back(
                Entry{std::string(key), std::string(trim(line.substr(equals + 1)))});
        }
    }
    return file;
}

IniFile IniFile::load(const std::filesystem::path& path) {
    const Result<std::string> text = readTextFile(path);
    return text ? parse(*text) : IniFile{};
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::nullopt;
    const auto entry = findNamed(found->entries, key, &Entry::key);
    if (entry == found->entries.end()) return std::nullopt;
    return entry->value;
}

std::string IniFile::valueOr(std::string_view section, std::string_view key,
                             std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    setEntry(sectionFor(section), key, value);
}

void IniFile::eraseSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& candidate) {
        return equalsIgnoringCase(candidate.name, section);
    });
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) names.push_back(section.name);
    return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = findSection(section)) {
        for (const Entry& entry : found->entries) names.push_back(entry.key);
    }
    return names;
}

std::string IniFile::toText() const {
    std::string text;
    for (const Section& section : sections_) {
        if (!text.empty()) text += "\r\n";
        text += '[' + section.name + "]\r\n";
        for (const Entry& entry : section.entries) text += entry.key + '=' + entry.value + "\r\n";
    }
    return text;
}

Status IniFile::save(const std::filesystem::path& path) const {
    return writeFileAtomically(path, toText());
}

}  // namespace rvx
