#pragma once
// A file layer that does the real thing, except that one chosen operation goes wrong the way a
// failing disk does: refused outright, a write that takes only part of its bytes, or a disk
// that fills up in the middle of a write.
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace lw::test {

enum class FaultWay {
    Fail,        // the operation is refused with EIO and does nothing
    ShortWrite,  // a write takes half its bytes, as the system may; later writes work
    DiskFull,    // a write takes half its bytes, then every write is refused with ENOSPC
};

inline const char* FaultWayName(FaultWay way) {
    switch (way) {
        case FaultWay::Fail: return "fails";
        case FaultWay::ShortWrite: return "short write";
        case FaultWay::DiskFull: return "disk full";
    }
    return "?";
}

class FailingFileOps : public platform::FileOps {
public:
    // Operation failAt (1-based, counting every call) goes wrong in the given way; 0: none does.
    // ShortWrite and DiskFull apply to writes; any other operation chosen with them just fails.
    explicit FailingFileOps(int failAt = 0, FaultWay way = FaultWay::Fail) : failAt_(failAt), way_(way) {}

    std::vector<platform::FileOp> done;        // every operation asked for, in order
    std::optional<platform::FileOp> firedOn;   // the operation that went wrong, if one did

    int Create(const std::filesystem::path& file, unsigned mode, int& handle) override {
        if (Fires(platform::FileOp::Create)) return EIO;
        return real_.Create(file, mode, handle);
    }

    int Write(int handle, const char* data, size_t size, size_t& taken) override {
        taken = 0;
        if (diskFull_) {
            done.push_back(platform::FileOp::Write);
            return ENOSPC;
        }
        if (Fires(platform::FileOp::Write)) {
            if (way_ == FaultWay::Fail) return EIO;
            diskFull_ = way_ == FaultWay::DiskFull;
            return real_.Write(handle, data, size / 2, taken);
        }
        return real_.Write(handle, data, size, taken);
    }

    int Flush(int handle) override { return Fires(platform::FileOp::Flush) ? EIO : real_.Flush(handle); }
    int Sync(int handle) override { return Fires(platform::FileOp::Sync) ? EIO : real_.Sync(handle); }

    // A failed close has still released the descriptor.
    int Close(int handle) override {
        const bool fires = Fires(platform::FileOp::Close);
        const int result = real_.Close(handle);
        return fires ? EIO : result;
    }

    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return Fires(platform::FileOp::Rename) ? EIO : real_.Rename(from, to);
    }
    int Remove(const std::filesystem::path& file) override {
        return Fires(platform::FileOp::Remove) ? EIO : real_.Remove(file);
    }
    int SyncFolder(const std::filesystem::path& folder) override {
        return Fires(platform::FileOp::SyncFolder) ? EIO : real_.SyncFolder(folder);
    }

private:
    bool Fires(platform::FileOp op) {
        done.push_back(op);
        if (static_cast<int>(done.size()) != failAt_) return false;
        firedOn = op;
        return true;
    }

    platform::FileOps& real_ = platform::RealFileOps();
    int failAt_;
    FaultWay way_;
    bool diskFull_ = false;
};

}  // namespace lw::test
