#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace rvx::testing {

// A user port for tests: records everything the core says or asks, and answers questions and
// choices from queues prepared by the test. An unscripted question answers No / cancelled.
class ScriptedUserPort final : public UserPort {
public:
    enum class Kind {
        Error,
        Warning,
        Notice,
        YesNo,
        YesCancel,
        OpenFile,
        SaveFile,
        Folder,
        DateTimeEntry,
        TextEntry,
        Status,
        Progress,
        Sound,
        CommandsEnabled,
        CommandsDisabled
    };
    struct Event {
        Kind kind;
        std::string text;
    };

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> paths;
    std::deque<std::optional<DateTime>> dateTimes;
    std::deque<std::optional<std::string>> texts;
    std::vector<Event> events;

    void showError(std::string_view text) override;
    void showWarning(std::string_view text) override;
    void showNotice(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askYesCancel(std::string_view text) override;
    std::optional<std::string> chooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const FileChoice& choice) override;
    std::optional<DateTime> askDateTime(std::string_view prompt, DateTime proposed) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view proposed) override;
    void setStatus(std::string_view text) override;
    void setProgress(int value, int maximum) override;
    void playSound(int index) override;
    void setCommandsEnabled(bool enabled) override;

    // Texts of the recorded events of one kind, in order.
    std::vector<std::string> textsOf(Kind kind) const;
    // True when every disable was followed by an enable (commands end up usable).
    bool commandsBalanced() const;

private:
    bool nextAnswer(Kind kind, std::string_view text);
    std::optional<std::string> nextPath(Kind kind, const FileChoice& choice);
};

}  // namespace rvx::testing
