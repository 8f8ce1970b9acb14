#pragma once

#include "common/user_port.h"

namespace rvxmod::cli {

// The user port of the command-line tools: messages go to stderr, questions are answered No and
// choices cancelled, since nobody is there to answer them.
class ConsoleUserPort final : public rvx::UserPort {
public:
    void showError(std::string_view text) override;
    void showWarning(std::string_view text) override;
    void showNotice(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askYesCancel(std::string_view text) override;
    std::optional<std::string> chooseOpenFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const rvx::FileChoice& choice) override;
    std::optional<rvx::DateTime> askDateTime(std::string_view prompt,
                                             rvx::DateTime proposed) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view proposed) override;
    void setStatus(std::string_view text) override;
    void setProgress(int, int) override {}
    void playSound(int) override {}
    void setCommandsEnabled(bool) override {}
};

}  // namespace rvxmod::cli
