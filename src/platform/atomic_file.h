#pragma once
// Writing a file so that the previous version survives any failure: a temporary file in the
// same folder, every write checked, flushed to disk, renamed over the target, folder flushed.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_ops.h"

namespace lw::platform {

enum class WriteResult {
    Ok,
    CannotCreate,  // the temporary file could not be made (read-only folder, no such folder)
    WriteFailed,   // a short or failed write, a failed flush or rename
};

// Replaces target with bytes. On failure the target is untouched and no temporary file is left;
// error receives the system's reason. A failure to flush the folder after the rename is not a
// failure: the new file is already whole in place, only a power cut could still undo the rename.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                std::string* error = nullptr, FileOps& ops = RealFileOps());

// Whether the reason a write gave is a full disk (the planner is told to try another place).
bool IsDiskFull(const std::string& error);

// Reads a whole file. False (with the reason) when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& out, std::string* error = nullptr);

}  // namespace lw::platform
