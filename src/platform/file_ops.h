#pragma once
// The file operations a save is made of, behind one small interface, so that every writer
// (schedule save, timed copy, backup, CrewTrac export, publishing) can be run against a layer
// that fails any one step the way a full disk, a pulled stick or a read-only share does.
// Production code always uses RealFileOps(); a test passes its own layer down explicitly.
// There is no process-wide switch.
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace lw::platform {

// Each step of a save, in the order WriteFileAtomically takes them.
enum class FileOp { Create, Write, Flush, Sync, Close, Rename, Remove, SyncFolder };

std::string_view FileOpName(FileOp op);

// Every call returns 0 or an errno value; Write returns how many bytes it took.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Makes a new file that must not exist yet, open for writing, with the given permissions.
    virtual int Create(const std::filesystem::path& file, unsigned mode, int& handle) = 0;
    // Writes up to size bytes; taken may be less than size (a short write) without an error.
    virtual int Write(int handle, const char* data, size_t size, size_t& taken) = 0;
    // Hands buffered bytes to the system. The POSIX layer writes unbuffered, so it has none.
    virtual int Flush(int handle) = 0;
    // Puts the file's bytes on the disk.
    virtual int Sync(int handle) = 0;
    // Releases the handle, whatever the result.
    virtual int Close(int handle) = 0;
    // Replaces to with from in one step.
    virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual int Remove(const std::filesystem::path& file) = 0;
    // Puts the folder's entries (a rename) on the disk.
    virtual int SyncFolder(const std::filesystem::path& folder) = 0;
};

// The operating system's files. Stateless; one instance serves the whole program.
FileOps& RealFileOps();

}  // namespace lw::platform
