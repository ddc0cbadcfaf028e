#pragma once
// The month's blocking rules as the "Setup Month" dialog edits them, and the shared notes kept
// in the month file for every planner who opens it.
#include <cstdint>
#include <string>
#include <string_view>

namespace lw::model { class Document; }

namespace lw::rules {

// Block times in minutes, days off in days.
struct MonthSettings {
    int32_t avgBlock = 0, maxBlock = 0, minBlock = 0, checkPilotMax = 0;
    int32_t daysOffBlockHolder = 0, daysOffReserve = 0;
    int32_t reducedMax = 0, reducedMin = 0, reducedMinDaysOff = 0;
    bool operator==(const MonthSettings&) const = default;
};

// What the dialog's scroll bars reach: block hours up to 150:00, days off up to a month.
inline constexpr int32_t kMonthSettingMaxMinutes = 150 * 60;
inline constexpr int32_t kMonthSettingMaxDays = 31;

MonthSettings ReadMonthSettings(const model::Document& doc);
// Puts the settings in the month (each clamped to its range); true, and the month modified,
// when one changed.
bool ApplyMonthSettings(model::Document& doc, const MonthSettings& settings);

// The notes text holds at most this many characters.
inline constexpr size_t kSharedNotesLimit = 31999;
const std::string& SharedNotes(const model::Document& doc);
// Replaces the notes (cut to the limit); true, and the month modified, when they changed.
bool SetSharedNotes(model::Document& doc, std::string_view notes);

}  // namespace lw::rules
