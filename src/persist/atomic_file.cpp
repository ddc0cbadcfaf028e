#include "persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace lw::persist {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

void SetError(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
}

std::string TempSuffix() {
    std::random_device rd;
    return ".lwtmp" + std::to_string(static_cast<unsigned>(::getpid())) + "-" + std::to_string(rd() % 1000000);
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, std::string* error,
                                const WriteFaults& faults) {
    namespace fs = std::filesystem;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path temp = folder / (target.filename().string() + TempSuffix());

    // Keep the permissions of the file being replaced.
    mode_t mode = 0644;
    struct stat st{};
    if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.get() < 0) {
        SetError(error, "cannot create " + temp.string(), errno);
        return WriteResult::CannotCreate;
    }
    auto fail = [&](const std::string& what, int err) {
        SetError(error, what, err);
        fd.Close();
        ::unlink(temp.c_str());
        return WriteResult::WriteFailed;
    };

    size_t written = 0;
    while (written < bytes.size()) {
        size_t chunk = std::min<size_t>(bytes.size() - written, 1 << 20);
        if (written >= faults.failAfterBytes) return fail("write " + temp.string(), ENOSPC);
        chunk = std::min(chunk, faults.failAfterBytes - written);
        const ssize_t n = ::write(fd.get(), bytes.data() + written, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("write " + temp.string(), errno);
        }
        if (n == 0) return fail("write " + temp.string(), ENOSPC);
        written += static_cast<size_t>(n);
    }
    if (faults.failSync || ::fsync(fd.get()) != 0) return fail("flush " + temp.string(), faults.failSync ? EIO : errno);
    if (!fd.Close()) return fail("close " + temp.string(), errno);
    if (faults.failRename || ::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = faults.failRename ? EIO : errno;
        ::unlink(temp.c_str());
        SetError(error, "rename to " + target.string(), err);
        return WriteResult::WriteFailed;
    }
    // Make the rename itself durable.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
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

}  // namespace lw::persist
