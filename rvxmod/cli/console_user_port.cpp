#include "rvxmod/cli/console_user_port.h"

#include <iostream>

namespace rvxmod::cli {

namespace {
void say(std::string_view kind, std::string_view text) {
    std::cerr << "rvxmod-cli: " << kind << text << "\n";
}
}  // namespace

void ConsoleUserPort::showError(std::string_view text) {
    say("error: ", text);
}

void ConsoleUserPort::showWarning(std::string_view text) {
    say("warning: ", text);
}

void ConsoleUserPort::showNotice(std::string_view text) {
    say("", text);
}

bool ConsoleUserPort::askYesNo(std::string_view text) {
    say("answered No: ", text);
    return false;
}

bool ConsoleUserPort::askYesCancel(std::string_view text) {
    say("answered Cancel: ", text);
    return false;
}

std::optional<std::string> ConsoleUserPort::chooseOpenFile(const rvx::FileChoice& choice) {
    say("no file chosen: ", choice.title);
    return std::nullopt;
}

std::optional<std::string> ConsoleUserPort::chooseSaveFile(const rvx::FileChoice& choice) {
    say("no file chosen: ", choice.title);
    return std::nullopt;
}

std::optional<std::string> ConsoleUserPort::chooseFolder(const rvx::FileChoice& choice) {
    say("no folder chosen: ", choice.title);
    return std::nullopt;
}

std::optional<rvx::DateTime> ConsoleUserPort::askDateTime(std::string_view prompt, rvx::DateTime) {
    say("no date given: ", prompt);
    return std::nullopt;
}

std::optional<std::string> ConsoleUserPort::askText(std::string_view prompt, std::string_view) {
    say("no text given: ", prompt);
    return std::nullopt;
}

void ConsoleUserPort::setStatus(std::string_view text) {
    if (!text.empty()) say("", text);
}

}  // namespace rvxmod::cli
