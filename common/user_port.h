#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"

namespace rvx {

// A file dialog request: the title, the proposed folder or file, and filters such as
// "Calibration files (*.dat *.tdat)".
struct FileChoice {
    std::string title;
    std::string initialPath;
    std::vector<std::string> filters;
};

// How core operations talk to the person. They never open windows themselves: the Qt programs
// answer with dialogs, the command-line tools with flags and plain text, tests with a script.
class UserPort {
public:
    virtual ~UserPort() = default;

    virtual void showError(std::string_view text) = 0;
    virtual void showWarning(std::string_view text) = 0;
    virtual void showNotice(std::string_view text) = 0;
    // Questions answer true only for Yes; closing the question any other way is No.
    virtual bool askYesNo(std::string_view text) = 0;
    virtual bool askYesCancel(std::string_view text) = 0;

    virtual std::optional<std::string> chooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseSaveFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseFolder(const FileChoice& choice) = 0;
    virtual std::optional<DateTime> askDateTime(std::string_view prompt, DateTime proposed) = 0;
    virtual std::optional<std::string> askText(std::string_view prompt, std::string_view proposed) = 0;

    // Status text of a long operation; an empty text clears it.
    virtual void setStatus(std::string_view text) = 0;
    virtual void setProgress(int value, int maximum) = 0;
    virtual void playSound(int index) = 0;
    // Enables or disables every command control, with the busy cursor while disabled.
    virtual void setCommandsEnabled(bool enabled) = 0;
};

// Disables the commands for the lifetime of a long operation and re-enables them on every path.
class CommandsDisabled {
public:
    explicit CommandsDisabled(UserPort& port) : port_(port) { port_.setCommandsEnabled(false); }
    ~CommandsDisabled() { port_.setCommandsEnabled(true); }
    CommandsDisabled(const CommandsDisabled&) = delete;
    CommandsDisabled& operator=(const CommandsDisabled&) = delete;

private:
    UserPort& port_;
};

}  // namespace rvx
