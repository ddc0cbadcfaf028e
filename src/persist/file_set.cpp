#include "persist/file_set.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>

namespace lw::persist {

namespace {

constexpr const char* kJournalSuffix = ".lwset";

struct Entry {
    std::string target, temp, old;  // names inside the folder; old empty when there was no file
};

std::filesystem::path FolderOf(const std::filesystem::path& p) {
    return p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
}

std::string Journal(const std::vector<Entry>& entries) {
    std::string text = "LWSET1\n";
    for (const Entry& e : entries) text += e.target + "\t" + e.temp + "\t" + e.old + "\n";
    return text + "END\n";
}

// Only a journal that reached its end line was ever acted on.
bool ParseJournal(const std::string& text, std::vector<Entry>& entries) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "LWSET1") return false;
    while (std::getline(in, line)) {
        if (line == "END") return true;
        const size_t a = line.find('\t'), b = a == std::string::npos ? a : line.find('\t', a + 1);
        if (b == std::string::npos) return false;
        Entry e{line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)};
        // Names only: a journal must never send a rename outside its folder.
        for (const std::string* name : {&e.target, &e.temp, &e.old})
            if (name->find('/') != std::string::npos || *name == "." || *name == "..") return false;
        if (e.target.empty() || e.temp.empty()) return false;
        entries.push_back(e);
    }
    return false;
}

bool Exists(const std::filesystem::path& p) {
    struct stat st{};
    return ::lstat(p.c_str(), &st) == 0;
}

void RemoveAll(const std::filesystem::path& folder, const std::vector<Entry>& entries, bool temps, bool olds) {
    for (const Entry& e : entries) {
        if (temps) ::unlink((folder / e.temp).c_str());
        if (olds && !e.old.empty()) ::unlink((folder / e.old).c_str());
    }
}

}  // namespace

int RepairFileSets(const std::filesystem::path& folder) {
    std::vector<std::string> journals;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            const size_t n = std::strlen(kJournalSuffix);
            if (name.size() > n && name.compare(name.size() - n, n, kJournalSuffix) == 0) journals.push_back(name);
        }
        ::closedir(dir);
    }
    int finished = 0;
    for (const std::string& name : journals) {
        std::string text;
        if (platform::ReadRegularFile(folder / name, 1 << 20, text) != platform::ReadStatus::Ok) continue;
        std::vector<Entry> entries;
        if (ParseJournal(text, entries)) {
            // Every new file was whole before the journal was written: put the rest in place.
            for (const Entry& e : entries)
                if (Exists(folder / e.temp)) ::rename((folder / e.temp).c_str(), (folder / e.target).c_str());
            platform::RealFileOps().SyncFolder(folder);
            RemoveAll(folder, entries, false, true);
            ++finished;
        }
        ::unlink((folder / name).c_str());
    }
    platform::RemoveStaleTempFiles(folder);
    return finished;
}

SetWriteResult WriteFileSet(const std::vector<SetFile>& files, platform::FileOps& ops) {
    SetWriteResult r;
    if (files.empty()) return r;
    const std::filesystem::path folder = FolderOf(platform::RealTarget(files[0].path));
    RepairFileSets(folder);

    std::vector<Entry> entries;
    std::vector<std::filesystem::path> targets;
    auto fail = [&](size_t i, platform::WriteResult result, int code, const std::string& error) {
        RemoveAll(folder, entries, true, true);
        r.result = result;
        r.failedFile = i;
        r.errorCode = code;
        r.error = error;
        return r;
    };
    std::random_device rd;
    const std::string pid = std::to_string(static_cast<long>(::getpid()));

    // Each new file whole beside its target, with the target's attributes; no target touched yet.
    for (size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path target = platform::RealTarget(files[i].path);
        Entry e;
        e.target = target.filename().string();
        e.temp = platform::TempPrefix(target) + pid + "-" + std::to_string(rd() % 1000000);
        struct stat st{};
        const bool exists = ::stat(target.c_str(), &st) == 0;
        if (exists && S_ISREG(st.st_mode) && (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0))
            return fail(i, platform::WriteResult::ReadOnly, EACCES, "cannot write " + target.string());
        if (exists && S_ISDIR(st.st_mode)) return fail(i, platform::WriteResult::CannotCreate, EISDIR, target.string());
        int handle = -1;
        if (const int err = ops.Create(folder / e.temp, exists ? 0600 : 0666, handle); err != 0)
            return fail(i, platform::WriteResult::CannotCreate, err, "cannot create " + e.temp + ": " + std::strerror(err));
        entries.push_back(e);
        if (exists) platform::CopyFileAttributes(handle, target);
        int err = 0;
        const std::string& bytes = files[i].bytes;
        size_t written = 0;
        while (err == 0 && written < bytes.size()) {
            size_t taken = 0;
            err = ops.Write(handle, bytes.data() + written, std::min<size_t>(bytes.size() - written, 1 << 20), taken);
            if (err == 0 && taken == 0) err = ENOSPC;
            written += taken;
        }
        if (err == 0) err = ops.Flush(handle);
        if (err == 0) err = ops.Sync(handle);
        const int closed = ops.Close(handle);
        if (err == 0) err = closed;
        if (err != 0) return fail(i, platform::WriteResult::WriteFailed, err, e.temp + ": " + std::strerror(err));
        // The old file stays reachable under a second name until the whole set is in place.
        if (exists) {
            entries.back().old = platform::TempPrefix(target) + pid + "-old" + std::to_string(i);
            if (::link(target.c_str(), (folder / entries.back().old).c_str()) != 0) entries.back().old.clear();
        }
        targets.push_back(target);
    }

    const std::filesystem::path journal = platform::SideFileName(folder / entries[0].target, kJournalSuffix);
    int code = 0;
    platform::WriteOptions options;
    options.errorCode = &code;
    std::string error;
    if (const platform::WriteResult j = platform::WriteFileAtomically(journal, Journal(entries), &error, ops, options); j != platform::WriteResult::Ok)
        return fail(files.size() - 1, j == platform::WriteResult::CannotCreate ? j : platform::WriteResult::WriteFailed, code, error);

    for (size_t i = 0; i < entries.size(); ++i) {
        if (const int err = ops.Rename(folder / entries[i].temp, targets[i]); err != 0) {
            // Put back the ones already replaced: all old again.
            for (size_t j = 0; j < i; ++j) {
                if (!entries[j].old.empty()) ::rename((folder / entries[j].old).c_str(), targets[j].c_str());
                else ::unlink(targets[j].c_str());
            }
            ::unlink(journal.c_str());
            return fail(i, platform::WriteResult::WriteFailed, err, "rename to " + targets[i].string() + ": " + std::strerror(err));
        }
    }
    ops.SyncFolder(folder);
    ::unlink(journal.c_str());
    RemoveAll(folder, entries, false, true);
    return r;
}

}  // namespace lw::persist
