#pragma once
// The fixed sizes of a month's tables. Stored files and outside formats depend on them.
#include <cstddef>
#include <cstdint>

namespace lw::model {

inline constexpr int kPairSlots = 3001;       // the last slot is spare
inline constexpr int kPairLoadLimit = 3000;   // loaders stop at index kPairLoadLimit - 1
inline constexpr int kCrewRows = 1000;        // row 999 is the legality trial's scratch copy
inline constexpr int kActivitySlots = 300;
inline constexpr int kMonthDays = 31;         // per-day pairing arrays, longest month and pairing
inline constexpr int kDayCells = 62;          // crew day cells: the month and up to 31 days after
inline constexpr int kPrevDays = 31;          // days before the month reached by extended indices
inline constexpr int kExtendedDays = 93;      // extended day index w = 31 + d
inline constexpr int kDayValues = 10;         // DayActivity / PrevDayData entries per day
inline constexpr int kDocTexts = 43;
inline constexpr int kDocStrings = 3;
inline constexpr int kDocFlags = 10;
inline constexpr int kViewMarks = 100;
inline constexpr int32_t kMaxPairNumber = 9999;
inline constexpr int32_t kMaxEmployeeNumber = 999999999;

}  // namespace lw::model
