#include "platform/recent_files.h"

#include <algorithm>

namespace lw::platform {

namespace {

constexpr std::string_view kSection = "MRU";

std::string KeyOf(size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> ReadRecentFiles(const Profile& profile) {
    std::vector<std::string> list;
    for (size_t i = 0; i < kRecentFilesMax; ++i) {
        std::string value = profile.GetString(kSection, KeyOf(i), "");
        if (value.empty() || std::find(list.begin(), list.end(), value) != list.end()) continue;
        list.push_back(std::move(value));
    }
    return list;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
    if (path.empty()) return list;
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > kRecentFilesMax) list.resize(kRecentFilesMax);
    return list;
}

std::vector<std::string> AddRecentFile(Profile& profile, const std::string& path, bool* ok) {
    std::vector<std::string> list = WithRecentFile(ReadRecentFiles(profile), path);
    bool written = true;
    for (size_t i = 0; i < kRecentFilesMax; ++i)
        written = profile.WriteString(kSection, KeyOf(i), i < list.size() ? list[i] : std::string()) && written;
    if (ok) *ok = written;
    return list;
}

}  // namespace lw::platform
