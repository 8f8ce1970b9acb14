#include "rvxmod/cli/answering_user_port.h"

namespace rvxmod::cli {

bool AnsweringUserPort::askYesNo(std::string_view text) {
    return yes_ || console_.askYesNo(text);
}

bool AnsweringUserPort::askYesCancel(std::string_view text) {
    return yes_ || console_.askYesCancel(text);
}

std::optional<std::string> AnsweringUserPort::nextPath(const rvx::FileChoice& choice) {
    if (paths_.empty()) return console_.chooseOpenFile(choice);
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> AnsweringUserPort::chooseOpenFile(const rvx::FileChoice& choice) {
    return nextPath(choice);
}

std::optional<std::string> AnsweringUserPort::chooseSaveFile(const rvx::FileChoice& choice) {
    return nextPath(choice);
}

std::optional<std::string> AnsweringUserPort::chooseFolder(const rvx::FileChoice& choice) {
    return nextPath(choice);
}

}  // namespace rvxmod::cli
