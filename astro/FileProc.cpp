#include "astro/FileProc.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace FileProc {

bool IsSpecialFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::u8path(path), ec);
    if (ec || status.type() == std::filesystem::file_type::not_found)
        return false;
    return status.type() != std::filesystem::file_type::regular;
}

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) == 1;
}

long ProcessId() {
    return static_cast<long>(getpid());
}

bool ProcessRunning(long pid) {
    if (pid <= 0)
        return false;
    // Signal 0 only asks whether the process exists; EPERM means it does, as another user's.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0 || fsync(fileno(file)) != 0)
        return errno;
    return 0;
}

int SyncHandle(int handle) {
    if (handle < 0)
        return EBADF;
    return fsync(handle) == 0 ? 0 : errno;
}

int SyncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    int error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    // Some file systems cannot sync a folder; their entries are then as safe as they get.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    return error;
}

}  // namespace FileProc
