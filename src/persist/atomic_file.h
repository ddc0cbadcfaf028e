#pragma once
// Writing a file so that the previous version survives any failure: a temporary file in the
// same folder, every write checked, flushed to disk, renamed over the target, folder flushed.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lw::persist {

// Test seam: makes one step of the write fail as a full disk or a failing device would.
struct WriteFaults {
    // Accept only this many bytes, then fail as a full disk does (ENOSPC).
    size_t failAfterBytes = static_cast<size_t>(-1);
    bool failSync = false;
    bool failRename = false;
};

enum class WriteResult {
    Ok,
    CannotCreate,  // the temporary file could not be made (read-only folder, no such folder)
    WriteFailed,   // a short or failed write, a failed flush or rename
};

// Replaces target with bytes. On failure the target is untouched and no temporary file is left;
// error receives the system's reason.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                std::string* error = nullptr, const WriteFaults& faults = {});

// Reads a whole file. False (with the reason) when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& out, std::string* error = nullptr);

}  // namespace lw::persist
