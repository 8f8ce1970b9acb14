#include "tests/support/scripted_user_port.h"

namespace rvx::testing {

void ScriptedUserPort::showError(std::string_view text) { events.push_back({Kind::Error, std::string(text)}); }
void ScriptedUserPort::showWarning(std::string_view text) {
    events.push_back({Kind::Warning, std::string(text)});
}
void ScriptedUserPort::showNotice(std::string_view text) { events.push_back({Kind::Notice, std::string(text)}); }

bool ScriptedUserPort::nextAnswer(Kind kind, std::string_view text) {
    events.push_back({kind, std::string(text)});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedUserPort::askYesNo(std::string_view text) { return nextAnswer(Kind::YesNo, text); }
bool ScriptedUserPort::askYesCancel(std::string_view text) { return nextAnswer(Kind::YesCancel, text); }

std::optional<std::string> ScriptedUserPort::nextPath(Kind kind, const FileChoice& choice) {
    events.push_back({kind, choice.title});
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
}

std::optional<std::string> ScriptedUserPort::chooseOpenFile(const FileChoice& choice) {
    return nextPath(Kind::OpenFile, choice);
}
std::optional<std::string> ScriptedUserPort::chooseSaveFile(const FileChoice& choice) {
    return nextPath(Kind::SaveFile, choice);
}
std::optional<std::string> ScriptedUserPort::chooseFolder(const FileChoice& choice) {
    return nextPath(Kind::Folder, choice);
}

std::optional<DateTime> ScriptedUserPort::askDateTime(std::string_view prompt, DateTime) {
    events.push_back({Kind::DateTimeEntry, std::string(prompt)});
    if (dateTimes.empty()) return std::nullopt;
    auto value = dateTimes.front();
    dateTimes.pop_front();
    return value;
}

std::optional<std::string> ScriptedUserPort::askText(std::string_view prompt, std::string_view) {
    events.push_back({Kind::TextEntry, std::string(prompt)});
    if (texts.empty()) return std::nullopt;
    auto value = texts.front();
    texts.pop_front();
    return value;
}

void ScriptedUserPort::setStatus(std::string_view text) { events.push_back({Kind::Status, std::string(text)}); }
void ScriptedUserPort::setProgress(int value, int maximum) {
    events.push_back({Kind::Progress, std::to_string(value) + "/" + std::to_string(maximum)});
}
void ScriptedUserPort::playSound(int index) { events.push_back({Kind::Sound, std::to_string(index)}); }
void ScriptedUserPort::setCommandsEnabled(bool enabled) {
    events.push_back({enabled ? Kind::CommandsEnabled : Kind::CommandsDisabled, {}});
}

std::vector<std::string> ScriptedUserPort::textsOf(Kind kind) const {
    std::vector<std::string> result;
    for (const Event& event : events)
        if (event.kind == kind) result.push_back(event.text);
    return result;
}

bool ScriptedUserPort::commandsBalanced() const {
    int depth = 0;
    for (const Event& event : events) {
        if (event.kind == Kind::CommandsDisabled) ++depth;
        if (event.kind == Kind::CommandsEnabled && depth > 0) --depth;
    }
    return depth == 0;
}

}  // namespace rvx::testing
