#include "platform/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <utility>

namespace lw::platform {

namespace {

void SetError(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
}

std::string TempSuffix() {
    std::random_device rd;
    return ".lwtmp" + std::to_string(static_cast<unsigned>(::getpid())) + "-" + std::to_string(rd() % 1000000);
}

// The temporary file while it is being written: closed and removed unless it was renamed.
class TempFile {
public:
    TempFile(FileOps& ops, std::filesystem::path path) : ops_(ops), path_(std::move(path)) {}
    ~TempFile() {
        Close();
        if (!nothingToRemove_) ops_.Remove(path_);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Create(unsigned mode) {
        const int err = ops_.Create(path_, mode, handle_);
        if (err != 0) {
            handle_ = -1;
            nothingToRemove_ = true;
        }
        return err;
    }
    int Close() {
        if (handle_ < 0) return 0;
        const int handle = handle_;
        handle_ = -1;
        return ops_.Close(handle);
    }
    int Handle() const { return handle_; }
    const std::filesystem::path& Path() const { return path_; }
    void Renamed() { nothingToRemove_ = true; }

private:
    FileOps& ops_;
    std::filesystem::path path_;
    int handle_ = -1;
    bool nothingToRemove_ = false;
};

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, std::string* error,
                                FileOps& ops) {
    namespace fs = std::filesystem;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    TempFile temp(ops, folder / (target.filename().string() + TempSuffix()));

    // Keep the permissions of the file being replaced.
    unsigned mode = 0644;
    struct stat st{};
    if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    if (const int err = temp.Create(mode); err != 0) {
        SetError(error, "cannot create " + temp.Path().string(), err);
        return WriteResult::CannotCreate;
    }
    auto fail = [&](const std::string& what, int err) {
        SetError(error, what + " " + temp.Path().string(), err);
        return WriteResult::WriteFailed;
    };

    size_t written = 0;
    while (written < bytes.size()) {
        const size_t chunk = std::min<size_t>(bytes.size() - written, 1 << 20);
        size_t taken = 0;
        if (const int err = ops.Write(temp.Handle(), bytes.data() + written, chunk, taken); err != 0)
            return fail("write", err);
        // Nothing taken and no reason given: the disk is full.
        if (taken == 0) return fail("write", ENOSPC);
        written += std::min(taken, chunk);
    }
    if (const int err = ops.Flush(temp.Handle()); err != 0) return fail("flush", err);
    if (const int err = ops.Sync(temp.Handle()); err != 0) return fail("flush", err);
    // Some network file systems report a failed write only at close.
    if (const int err = temp.Close(); err != 0) return fail("close", err);
    if (const int err = ops.Rename(temp.Path(), target); err != 0) {
        SetError(error, "rename to " + target.string(), err);
        return WriteResult::WriteFailed;
    }
    temp.Renamed();
    ops.SyncFolder(folder);
    return WriteResult::Ok;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& out, std::string* error) {
    out.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        SetError(error, "cannot open " + path.string(), EISDIR);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SetError(error, "cannot open " + path.string(), errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) {
        SetError(error, "cannot read " + path.string(), errno);
        return false;
    }
    out.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(out.data(), size)) {
        SetError(error, "cannot read " + path.string(), errno);
        out.clear();
        return false;
    }
    return true;
}

bool IsDiskFull(const std::string& error) { return error.find(std::strerror(ENOSPC)) != std::string::npos; }

}  // namespace lw::platform
