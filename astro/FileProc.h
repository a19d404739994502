#pragma once
// File operations shared by the readers and writers of the core: the one rule for what a
// reader may open, and the calls that only POSIX has (process ids, syncing files and
// folders), each behind a small function of its own so that a port changes this file only.

#include <cstdio>
#include <string>

namespace FileProc {

// Returns true when something other than a regular file stands at path (UTF-8): a folder, a
// FIFO, a device or a socket, symbolic links followed. A reader refuses such a path before
// it opens it, since opening or reading it could block for ever or never end. false for a
// regular file, and for a path where nothing stands or that cannot be examined (opening it
// then tells why).
bool IsSpecialFile(const std::string& path);

// The reason a writer gives when something other than a regular file stands at its target.
extern const char* const strNotARegularFile;

// Returns whether stream is a terminal.
bool IsTerminal(std::FILE* stream);

// Returns the id of this process.
long ProcessId();

// Returns whether a process with id pid is running, also one of another user.
bool ProcessRunning(long pid);

// Writes what file holds to the disk (its buffers, then the system's). Returns 0, or the
// errno of the failure.
int SyncFile(std::FILE* file);

// Writes the entries of folder (UTF-8) to the disk, so that a file renamed in it keeps its
// new name through a power cut. Returns 0, also where the file system cannot sync a
// folder; otherwise the errno of the failure.
int SyncFolder(const std::string& folder);

// Writes bytes to path (UTF-8) whole or not at all: into "<path>.<pid>.tmp" beside it,
// synced, then renamed over path, and the folder synced; leftovers of earlier saves of
// path by processes no longer running are removed. A folder, FIFO, device or socket at
// path is refused ("Cannot replace PATH: " strNotARegularFile). Returns "" or the reason
// it failed ("Cannot create|write|replace PATH: ..."); on failure path is as it was and no
// temporary file stays.
std::string WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace FileProc
