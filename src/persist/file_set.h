#pragma once
// Files that are only right together (the CrewTrac BAW and LIN pair, the published page and its
// CSV files) are written as one: after any failure or kill they are all the old ones or all the
// new ones. Every new file is first written whole beside its target; a small journal beside the
// set then names what is to be renamed, and only after it is safely on disk are the files put in
// place. A set a kill left half renamed is finished from its journal by the next writer or start.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_ops.h"

namespace lw::persist {

struct SetFile {
    std::filesystem::path path;
    std::string bytes;
};

struct SetWriteResult {
    platform::WriteResult result = platform::WriteResult::Ok;
    size_t failedFile = 0;  // the file the failure belongs to
    int errorCode = 0;
    std::string error;
};

// Writes every file of the set (all in one folder) or none. Mends a set left half done first.
SetWriteResult WriteFileSet(const std::vector<SetFile>& files, platform::FileOps& ops = platform::RealFileOps());

// Finishes every set a kill left half written in folder and removes the temporary files of dead
// saves on this computer. Returns how many sets were finished.
int RepairFileSets(const std::filesystem::path& folder);

}  // namespace lw::persist
