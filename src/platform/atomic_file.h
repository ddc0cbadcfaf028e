#pragma once
// Writing a file so that the previous version survives any failure: a temporary file in the
// same folder, every write checked, flushed to disk, renamed over the target, folder flushed.
// On a shared folder the file stays the team's: owner, group, mode and access list are kept,
// a symlinked month is written where the link points, and a file the planner may not write
// is refused rather than replaced.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_ops.h"

namespace lw::platform {

enum class WriteResult {
    Ok,
    CannotCreate,  // the temporary file could not be made (read-only folder, no such folder)
    WriteFailed,   // a short or failed write, a failed flush or rename
    ReadOnly,      // the file is marked read-only or the planner may not write it: left alone
};

struct WriteOptions {
    // When set, the new file takes this file's owner, group, mode and access list instead of
    // the replaced file's (a .BAK or backup copy is as private as the month it copies).
    std::filesystem::path attributesFrom;
    int* errorCode = nullptr;  // receives the errno of a failure
};

// Replaces target with bytes. On failure the target is untouched and no temporary file is left;
// error receives the system's reason. A failure to flush the folder after the rename is not a
// failure: the new file is already whole in place, only a power cut could still undo the rename.
// Temporary files a killed save of the same file left behind on this computer are removed.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                std::string* error = nullptr, FileOps& ops = RealFileOps(),
                                const WriteOptions& options = {});

// The file a save of target writes: the final target of a symlink, else target itself.
std::filesystem::path RealTarget(const std::filesystem::path& target);

// A name beside target for a file of the program's own (temporary, lock, journal): target's name
// with suffix, the name cut short so that the whole stays within the folder's name limit.
std::filesystem::path SideFileName(const std::filesystem::path& target, std::string_view suffix);

// The prefix of every temporary file a save of target makes on this computer.
std::string TempPrefix(const std::filesystem::path& target);

// Removes the temporary files in folder left by dead processes on this computer; how many.
// Nothing while a set journal waits there to be finished.
int RemoveStaleTempFiles(const std::filesystem::path& folder);

// Keeps the file at from's owner (when allowed), group, mode and access list on the open file.
void CopyFileAttributes(int handle, const std::filesystem::path& from);

// Whether the reason a write gave is a full disk (the planner is told to try another place).
bool IsDiskFull(int errorCode);

// Reads a whole file. False (with the reason) when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& out, std::string* error = nullptr);

// What identifies one version of a file on disk: a save replaces the inode, an edit in place
// changes the time or size.
struct FileIdentity {
    bool exists = false;
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity IdentityOf(const std::filesystem::path& path);

enum class ReadStatus { Ok, CannotOpen, NotRegular, TooLarge, ReadFailed };

// Reads a regular file of at most maxBytes; a FIFO, device or folder is refused without waiting
// on it, a larger file without reading it. identity receives what was read.
ReadStatus ReadRegularFile(const std::filesystem::path& path, size_t maxBytes, std::string& out,
                           std::string* error = nullptr, FileIdentity* identity = nullptr);

// Reads at most the first maxBytes of a regular file.
ReadStatus ReadFileHead(const std::filesystem::path& path, size_t maxBytes, std::string& out);

// Reads at most the last maxBytes of a regular file (a long run log from its end).
ReadStatus ReadFileTail(const std::filesystem::path& path, size_t maxBytes, std::string& out);

}  // namespace lw::platform
