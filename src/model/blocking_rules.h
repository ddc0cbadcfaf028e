#pragma once
// Block-hour settings a new month starts from, and the fixed range of a check pilot.
#include <cstdint>

namespace lw::model::blocking {

inline constexpr int32_t kStartSetting = 1;
inline constexpr int32_t kAvgBlock = 4650;           // 77:30
inline constexpr int32_t kMaxBlock = 4800;           // 80:00
inline constexpr int32_t kMinBlock = 4500;           // 75:00
inline constexpr int32_t kReducedMax = 3420;         // 57:00
inline constexpr int32_t kReducedMin = 2820;         // 47:00
inline constexpr int32_t kReducedMinDaysOff = 12;
inline constexpr int32_t kCheckPilotMax = 5400;      // 90:00, the month's ceiling for check pilots

// A check pilot's own block, unless reduced.
inline constexpr int32_t kCheckPilotMemberMin = 4800;  // 80:00
inline constexpr int32_t kCheckPilotMemberMax = 5100;  // 85:00

}  // namespace lw::model::blocking
