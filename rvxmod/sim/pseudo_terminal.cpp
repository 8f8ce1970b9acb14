#include "rvxmod/sim/pseudo_terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "rvxmod/link/port.h"

namespace rvxmod::sim {

namespace {
rvx::Error systemError(const std::string& what) {
    return rvx::fail(what + ": " + std::strerror(errno));
}
}  // namespace

rvx::Result<std::unique_ptr<PseudoTerminal>> PseudoTerminal::create(
    const std::filesystem::path& link) {
    std::unique_ptr<PseudoTerminal> pty(new PseudoTerminal());
    pty->master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty->master_ < 0) return systemError("posix_openpt");
    if (grantpt(pty->master_) != 0 || unlockpt(pty->master_) != 0) return systemError("grantpt");
    const char* name = ptsname(pty->master_);
    if (name == nullptr) return systemError("ptsname");
    pty->slaveName_ = name;
    pty->heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty->heldSlave_ < 0) return systemError(pty->slaveName_);
    termios settings{};
    if (tcgetattr(pty->heldSlave_, &settings) != 0) return systemError("tcgetattr");
    cfmakeraw(&settings);
    if (tcsetattr(pty->heldSlave_, TCSANOW, &settings) != 0) return systemError("tcsetattr");
    if (fcntl(pty->master_, F_SETFL, O_NONBLOCK) != 0) return systemError("fcntl");

    std::error_code error;
    if (std::filesystem::is_symlink(link, error)) std::filesystem::remove(link, error);
    std::filesystem::create_symlink(pty->slaveName_, link, error);
    if (error) return rvx::fail(link.string() + ": " + error.message());
    pty->link_ = link;
    return pty;
}

PseudoTerminal::~PseudoTerminal() {
    if (!link_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(link_, ignored);
    }
    if (heldSlave_ >= 0) ::close(heldSlave_);
    if (master_ >= 0) ::close(master_);
}

int PseudoTerminal::baud() const {
    termios settings{};
    if (tcgetattr(heldSlave_, &settings) == 0 && cfgetospeed(&settings) == B19200) {
        return link::kFallbackBaud;
    }
    return link::kUserBaud;
}

}  // namespace rvxmod::sim
