#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

namespace lw::platform {

namespace {

constexpr const char* kAclName = "system.posix_acl_access";

void SetError(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
}

// A short tag of this computer's name: a temporary file on a shared folder may belong to a
// save still running on another computer, whose process numbers mean nothing here.
std::string HostTag() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    uint32_t hash = 2166136261u;
    for (const char* c = host; *c; ++c) hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
    char tag[16];
    std::snprintf(tag, sizeof tag, "%06x", hash & 0xffffffu);
    return tag;
}

size_t NameLimit(const std::filesystem::path& folder) {
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 16 ? static_cast<size_t>(limit) : 255;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

bool ProcessAlive(long pid) { return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

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

std::filesystem::path RealTarget(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    fs::path path = target;
    // Follow a chain of links the way the system does, but give up on a loop.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return path;
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    return path;
}

std::filesystem::path SideFileName(const std::filesystem::path& target, std::string_view suffix) {
    const std::filesystem::path folder = FolderOf(target);
    std::string name = target.filename().string();
    const size_t limit = NameLimit(folder);
    if (name.size() + suffix.size() > limit) name.resize(limit > suffix.size() ? limit - suffix.size() : 0);
    return folder / (name + std::string(suffix));
}

std::string TempPrefix(const std::filesystem::path& target) {
    // Room for the process number and the random part after the prefix.
    const std::string full = SideFileName(target, ".lwtmp-" + HostTag() + "-" + std::string(24, 'x')).filename().string();
    return full.substr(0, full.size() - 24);
}

int RemoveStaleTempFiles(const std::filesystem::path& folder) {
    const std::string marker = ".lwtmp-" + HostTag() + "-";
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    std::vector<std::string> stale;
    bool setJournal = false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 6 && name.compare(name.size() - 6, 6, ".lwset") == 0) setJournal = true;
        const size_t at = name.find(marker);
        if (at == std::string::npos) continue;
        const long pid = std::strtol(name.c_str() + at + marker.size(), nullptr, 10);
        if (!ProcessAlive(pid)) stale.push_back(name);
    }
    ::closedir(dir);
    // A half-renamed set still needs its new files: its journal's repair comes first.
    if (setJournal) return 0;
    int removed = 0;
    for (const std::string& name : stale)
        if (::unlink((folder / name).c_str()) == 0) ++removed;
    return removed;
}

void CopyFileAttributes(int handle, const std::filesystem::path& from) {
    struct stat st{};
    if (::stat(from.c_str(), &st) != 0) return;
    // Only root may give a file away; anyone may keep a group they belong to. The mode and the
    // access list still let the colleagues open it when the owner cannot be kept.
    if (::fchown(handle, st.st_uid, st.st_gid) != 0) (void)!::fchown(handle, static_cast<uid_t>(-1), st.st_gid);
    ::fchmod(handle, st.st_mode & 07777);
    std::vector<char> acl(4096);
    const ssize_t n = ::getxattr(from.c_str(), kAclName, acl.data(), acl.size());
    if (n > 0) ::fsetxattr(handle, kAclName, acl.data(), static_cast<size_t>(n), 0);
}

WriteResult WriteFileAtomically(const std::filesystem::path& requested, std::string_view bytes, std::string* error,
                                FileOps& ops, const WriteOptions& options) {
    const std::filesystem::path target = RealTarget(requested);
    const std::filesystem::path folder = FolderOf(target);
    auto code = [&](int err) {
        if (options.errorCode) *options.errorCode = err;
        return err;
    };

    struct stat st{};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISREG(st.st_mode) && (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)) {
        SetError(error, "cannot write " + target.string(), code(EACCES));
        return WriteResult::ReadOnly;
    }
    RemoveStaleTempFiles(folder);

    std::random_device rd;
    TempFile temp(ops, folder / (TempPrefix(target) + std::to_string(static_cast<long>(::getpid())) + "-" +
                                 std::to_string(rd() % 1000000)));
    // Private until the attributes are in place, so a colleague never sees a half-made file
    // with the wrong access; a new file takes the planner's usual permissions.
    const bool copied = exists || !options.attributesFrom.empty();
    if (const int err = temp.Create(copied ? 0600 : 0666); err != 0) {
        SetError(error, "cannot create " + temp.Path().string(), code(err));
        return WriteResult::CannotCreate;
    }
    if (!options.attributesFrom.empty()) CopyFileAttributes(temp.Handle(), options.attributesFrom);
    else if (exists) CopyFileAttributes(temp.Handle(), target);

    auto fail = [&](const std::string& what, int err) {
        SetError(error, what + " " + temp.Path().string(), code(err));
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
        SetError(error, "rename to " + target.string(), code(err));
        return WriteResult::WriteFailed;
    }
    temp.Renamed();
    ops.SyncFolder(folder);
    return WriteResult::Ok;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& out, std::string* error) {
    return ReadRegularFile(path, static_cast<size_t>(1) << 30, out, error) == ReadStatus::Ok;
}

FileIdentity IdentityOf(const std::filesystem::path& path) {
    FileIdentity id;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

namespace {

// Opens without waiting on a FIFO or device, then insists on a regular file.
ReadStatus OpenRegular(const std::filesystem::path& path, int& fd, struct stat& st, std::string* error) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        SetError(error, "cannot open " + path.string(), errno);
        return ReadStatus::CannotOpen;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        SetError(error, "cannot open " + path.string(), S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        return ReadStatus::NotRegular;
    }
    return ReadStatus::Ok;
}

bool ReadFully(int fd, char* data, size_t size, off_t at) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, size - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ReadStatus ReadRegularFile(const std::filesystem::path& path, size_t maxBytes, std::string& out, std::string* error,
                           FileIdentity* identity) {
    out.clear();
    int fd = -1;
    struct stat st{};
    if (const ReadStatus s = OpenRegular(path, fd, st, error); s != ReadStatus::Ok) return s;
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        SetError(error, "cannot read " + path.string(), EFBIG);
        ::close(fd);
        return ReadStatus::TooLarge;
    }
    out.resize(static_cast<size_t>(st.st_size));
    const bool ok = ReadFully(fd, out.data(), out.size(), 0);
    const int err = errno;
    ::close(fd);
    if (!ok) {
        SetError(error, "cannot read " + path.string(), err ? err : EIO);
        out.clear();
        return ReadStatus::ReadFailed;
    }
    if (identity) {
        identity->exists = true;
        identity->device = st.st_dev;
        identity->inode = st.st_ino;
        identity->size = st.st_size;
        identity->modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return ReadStatus::Ok;
}

ReadStatus ReadFileHead(const std::filesystem::path& path, size_t maxBytes, std::string& out) {
    out.clear();
    int fd = -1;
    struct stat st{};
    if (const ReadStatus s = OpenRegular(path, fd, st, nullptr); s != ReadStatus::Ok) return s;
    out.resize(std::min(static_cast<size_t>(st.st_size), maxBytes));
    const bool ok = ReadFully(fd, out.data(), out.size(), 0);
    ::close(fd);
    if (!ok) out.clear();
    return ok ? ReadStatus::Ok : ReadStatus::ReadFailed;
}

ReadStatus ReadFileTail(const std::filesystem::path& path, size_t maxBytes, std::string& out) {
    out.clear();
    int fd = -1;
    struct stat st{};
    if (const ReadStatus s = OpenRegular(path, fd, st, nullptr); s != ReadStatus::Ok) return s;
    const size_t size = static_cast<size_t>(st.st_size);
    const size_t take = std::min(size, maxBytes);
    out.resize(take);
    const bool ok = ReadFully(fd, out.data(), take, static_cast<off_t>(size - take));
    ::close(fd);
    if (!ok) out.clear();
    return ok ? ReadStatus::Ok : ReadStatus::ReadFailed;
}

bool IsDiskFull(int errorCode) { return errorCode == ENOSPC || errorCode == EDQUOT; }

}  // namespace lw::platform
