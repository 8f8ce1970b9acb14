#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "common/user_port.h"
#include "veltrix/app/yes_no_cancel.h"

namespace veltrix {

// The user port of the office program: modal message boxes with fixed English texts, file
// dialogs, and the busy state and status text forwarded to the main window.
class QtUserPort final : public rvx::UserPort {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void onCommandsEnabled(std::function<void(bool)> sink) { commandsSink_ = std::move(sink); }
    void onStatus(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }

    void showError(std::string_view text) override;
    void showWarning(std::string_view text) override;
    void showNotice(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askYesCancel(std::string_view text) override;
    YesNoCancel askYesNoCancel(std::string_view text);

    std::optional<std::string> chooseOpenFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const rvx::FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const rvx::FileChoice& choice) override;
    std::optional<rvx::DateTime> askDateTime(std::string_view prompt,
                                             rvx::DateTime proposed) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view proposed) override;

    void setStatus(std::string_view text) override;
    // The office program has no progress bar: the busy cursor covers its long operations.
    void setProgress(int, int) override {}
    void playSound(int index) override;
    void setCommandsEnabled(bool enabled) override;

private:
    QPointer<QWidget> parent_;
    std::function<void(bool)> commandsSink_;
    std::function<void(const QString&)> statusSink_;
};

}  // namespace veltrix
