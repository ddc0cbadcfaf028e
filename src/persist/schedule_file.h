#pragma once
// The schedule file: one whole month (pairings, crew and blocks, activities, history,
// settings and notes) in the object stream encoding. One writer makes the working file
// and the three viewer kinds; one reader takes every version back to "2".
#include <filesystem>
#include <string>
#include <string_view>

#include "model/document.h"
#include "platform/atomic_file.h"

namespace lw::platform { class Interaction; }

namespace lw::persist {

inline constexpr std::string_view kFileVersion = "29";
inline constexpr int kPairClassVersion = 5;
inline constexpr int kPilotClassVersion = 3;

// The kind word of a header for a file variant (0 working .. 3 final viewer); "" otherwise.
std::string_view KindWord(int fileVariant);

// The whole file's bytes for a document. Recomputes each pairing's credit class first.
std::string EncodeSchedule(model::Document& doc, int kind);

enum class LoadStatus {
    Ok,
    NoEndMarker,  // everything read, but the end marker is missing or wrong
    NotSchedule,  // the header names no kind of schedule file
    Damaged,      // a record, count or text that does not fit: nothing taken
    Truncated,    // the file ends before the month does: nothing taken
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    std::string version;  // the file version text of the header
    std::string detail;   // why a damaged file was refused
};

// Decodes a whole file into doc. doc must be freshly cleared; on Damaged, Truncated and
// NotSchedule it may hold part of the file and must be thrown away.
LoadResult DecodeSchedule(std::string_view bytes, model::Document& doc);

// Writes the document safely (the previous file survives any failure). On success the
// Modified mark is cleared; on failure the user is told the cause and the mark stays.
// attributesFrom: the file whose owner, group and mode a copy takes (the month a .BAK copies).
bool SaveSchedule(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file, int kind,
                  platform::FileOps& ops = platform::RealFileOps(), const std::filesystem::path& attributesFrom = {});

// The message a failed save shows: the read-only text when the file or folder may not be
// written, the full-disk text when the disk is full, else the real cause.
std::string SaveFailureText(platform::WriteResult result, int errorCode);

// Opens a schedule file into doc. The file is read into a fresh document first, so a file
// that cannot be read, is not a schedule or is damaged leaves doc exactly as it was. A file
// whose end marker is missing is taken, but as an untitled document, so that Save cannot
// overwrite the file with what may be a partial month.
// Only a regular file is read, and only one no larger than a month can be; identity receives
// what was read, for the check before saving over it.
bool LoadSchedule(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                  platform::FileIdentity* identity = nullptr);

// The largest month: 1000 crew and 3001 pairings with every text filled take far less.
inline constexpr size_t kMaxScheduleBytes = size_t{256} << 20;

}  // namespace lw::persist
