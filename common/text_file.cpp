#include "common/text_file.h"

#include <fstream>
#include <system_error>

#include "common/text_catalogue.h"

namespace rvx {
namespace {

Error fileError(const std::string& complaint, const std::filesystem::path& path) {
    return fail(complaint + path.string());
}

std::filesystem::path temporarySibling(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp~";
    return temp;
}

}  // namespace

Result<std::string> readTextFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) return fileError(trText("TextFile", "Unable to open file "), path);
    // istream::read turns a failing read into a state flag, where a stream iterator would throw.
    std::string text(size, '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return fileError(trText("TextFile", "Unable to read file "), path);
    }
    return text;
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    const std::filesystem::path temp = temporarySibling(path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return fileError(trText("TextFile", "Unable to write file "), path);
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return fileError(trText("TextFile", "Unable to write file "), path);
    }
    return ok();
}

Status backupExisting(const std::filesystem::path& path) {
    const Error backupFailed = fail(trText("TextFile", "Unable to create backup file."));
    std::error_code error;
    const bool present = std::filesystem::exists(path, error);
    if (error) return backupFailed;
    if (!present) return ok();
    std::filesystem::path backup = path;
    backup.replace_extension(".BAK");
    // rename() would silently replace an older backup; the behaviour wants that to fail.
    const bool backupTaken = std::filesystem::exists(backup, error);
    if (error || backupTaken) return backupFailed;
    std::filesystem::rename(path, backup, error);
    if (error) return backupFailed;
    return ok();
}

}  // namespace rvx
