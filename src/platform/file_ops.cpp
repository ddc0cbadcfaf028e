#include "platform/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lw::platform {

namespace {

class PosixFileOps : public FileOps {
public:
    int Create(const std::filesystem::path& file, unsigned mode, int& handle) override {
        handle = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        return handle < 0 ? errno : 0;
    }

    int Write(int handle, const char* data, size_t size, size_t& taken) override {
        taken = 0;
        for (;;) {
            const ssize_t n = ::write(handle, data, size);
            if (n >= 0) {
                taken = static_cast<size_t>(n);
                return 0;
            }
            if (errno != EINTR) return errno;
        }
    }

    int Flush(int) override { return 0; }

    int Sync(int handle) override { return ::fsync(handle) == 0 ? 0 : errno; }

    // A close interrupted by a signal has still released the descriptor on Linux: never retry it.
    int Close(int handle) override { return ::close(handle) == 0 ? 0 : errno; }

    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    }

    int Remove(const std::filesystem::path& file) override { return ::unlink(file.c_str()) == 0 ? 0 : errno; }

    int SyncFolder(const std::filesystem::path& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return errno;
        const int result = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        return result;
    }
};

}  // namespace

std::string_view FileOpName(FileOp op) {
    switch (op) {
        case FileOp::Create: return "create";
        case FileOp::Write: return "write";
        case FileOp::Flush: return "flush";
        case FileOp::Sync: return "sync";
        case FileOp::Close: return "close";
        case FileOp::Rename: return "rename";
        case FileOp::Remove: return "remove";
        case FileOp::SyncFolder: return "sync folder";
    }
    return "?";
}

FileOps& RealFileOps() {
    static PosixFileOps ops;
    return ops;
}

}  // namespace lw::platform
