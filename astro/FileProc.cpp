#include "astro/FileProc.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace FileProc {

namespace {

namespace fs = std::filesystem;

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

// The temporary file a save of path by process pid writes first: "<path>.<pid>.tmp".
std::string TemporaryName(const std::string& path, long pid) {
    return path + "." + std::to_string(pid) + ".tmp";
}

// Removes the temporary files that saves of path by processes no longer running have left
// beside it, "<name>.<pid>.tmp"; the files of other targets stay.
void RemoveStaleTemporaries(const std::string& path) {
    const fs::path target = fs::u8path(path);
    const std::string prefix = target.filename().u8string() + ".";
    const std::string suffix = ".tmp";
    std::error_code ec;
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().u8string();
        if (name.size() <= prefix.size() + suffix.size() ||
            name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string digits =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(digits);
        std::error_code ignored;
        if (!ProcessRunning(pid) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

}  // namespace

std::string WriteWholeFile(const std::string& path, const std::string& bytes) {
    // The rename would put the file in place of a FIFO, a device, a socket or a symbolic
    // link to one; a folder would make it fail.
    if (IsSpecialFile(path))
        return "Cannot replace " + path + ": " + strNotARegularFile;
    // The temporary name carries the process id, so that a leftover of an earlier process
    // with the same id is the only file it can meet.
    const std::string temporary = TemporaryName(path, ProcessId());
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (file == nullptr && errno == EEXIST) {
        std::remove(temporary.c_str());
        file = std::fopen(temporary.c_str(), "wbx");
    }
    if (file == nullptr)
        return "Cannot create " + path + ": " + ErrorText(errno);
    int error = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() ? SyncFile(file)
                                                                               : errno;
    if (std::fclose(file) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        std::remove(temporary.c_str());
        return "Cannot write " + path + ": " + ErrorText(error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = ErrorText(errno);
        std::remove(temporary.c_str());
        return "Cannot replace " + path + ": " + reason;
    }
    const std::string folder = fs::u8path(path).parent_path().u8string();
    error = SyncFolder(folder);
    if (error != 0)
        return "Cannot write " + path + ": " + ErrorText(error);
    RemoveStaleTemporaries(path);
    return std::string();
}

const char* const strNotARegularFile =
    "not a regular file (a folder, FIFO, device or socket); it is left as it is";

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
