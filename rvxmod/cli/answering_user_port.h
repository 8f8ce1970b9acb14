#pragma once

#include <deque>
#include <string>

#include "common/user_port.h"

namespace rvxmod::cli {

// Gives a command line's answers to the core: questions answered Yes when the user said --yes,
// file choices taken in turn from the paths named on the command line. Everything else goes to
// the console port.
class AnsweringUserPort final : public rvx::UserPort {
public:
    AnsweringUserPort(rvx::UserPort& console, bool yes, std::deque<std::string> paths = {})
        : console_(console), yes_(yes), paths_(std::move(paths)) {}

    void showError(std::string_view text) override { console_.showError(text); }
    void showWarning(std::string_view text) override { console_.showWarning(text); }
    void showNotice(std::string_view text) override { console_.showNotice(text); }
    bool askYesNo(std::string_view text) override;
    bool askYesCancel(std::string_view text) override;
    std::optional<std::string> chooseOpenFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const rvx::FileChoice& choice) override;
    std::optional<rvx::DateTime> askDateTime(std::string_view prompt,
                                             rvx::DateTime proposed) override {
        return console_.askDateTime(prompt, proposed);
    }
    std::optional<std::string> askText(std::string_view prompt,
                                       std::string_view proposed) override {
        return console_.askText(prompt, proposed);
    }
    void setStatus(std::string_view text) override { console_.setStatus(text); }
    void setProgress(int value, int maximum) override { console_.setProgress(value, maximum); }
    void playSound(int index) override { console_.playSound(index); }
    void setCommandsEnabled(bool enabled) override { console_.setCommandsEnabled(enabled); }

private:
    std::optional<std::string> nextPath(const rvx::FileChoice& choice);

    rvx::UserPort& console_;
    bool yes_;
    std::deque<std::string> paths_;
};

}  // namespace rvxmod::cli
