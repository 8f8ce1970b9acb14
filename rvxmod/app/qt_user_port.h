#pragma once

#include "common/user_port.h"

namespace rvxmod::app {

class TForm1;

// The user port of the windows: messages through the message window, file and date-time
// dialogs, the status line, the progress bar, the sound list and EnableButtons. Safe to call
// from a worker thread: the call then runs on the user-interface thread and waits for it.
class QtUserPort final : public rvx::UserPort {
public:
    explicit QtUserPort(TForm1& window) : window_(window) {}

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
    void setProgress(int value, int maximum) override;
    void playSound(int index) override;
    void setCommandsEnabled(bool enabled) override;

private:
    TForm1& window_;
};

}  // namespace rvxmod::app
