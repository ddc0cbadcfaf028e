#pragma once
// The recent-files list of the File menu: at most four schedule paths, most recent first, kept
// in section "MRU" of the preference file as "File1".."File4". Entries are kept even when their
// file has gone; choosing such an entry is reported by the open that follows.
#include <string>
#include <vector>

#include "platform/profile.h"

namespace lw::platform {

inline constexpr size_t kRecentFilesMax = 4;

// The stored list in order; empty values and repeats of an earlier entry are skipped.
std::vector<std::string> ReadRecentFiles(const Profile& profile);

// The list with path in front: an earlier copy of it is removed and the list is cut to four.
// An empty path leaves the list as it is.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);

// Puts path in front of the stored list and writes all four keys (unused ones empty). Returns
// the new list; ok, when given, tells whether every key was written.
std::vector<std::string> AddRecentFile(Profile& profile, const std::string& path, bool* ok = nullptr);

}  // namespace lw::platform
