#pragma once
// Rest a crew member must have between duties, by crew group.
#include <cstdint>

namespace lw::model {

inline constexpr int32_t kPilotRest = 660;             // 11:00 after every pilot duty
inline constexpr int32_t kPilotLongRest = 780;         // 13:00 after crossing three or more time zones
inline constexpr int32_t kCabinRest = 720;             // 12:00 after every cabin duty
inline constexpr int32_t kCabinHardMinimumRest = 600;  // 10:00: less than this is never allowed
inline constexpr int32_t kComfortableRest = 720;       // below 12:00 the planner is asked first

// The rest the rules require after a duty.
constexpr int32_t MinimumRest(bool cabin) { return cabin ? kCabinRest : kPilotRest; }
// The least rest the planner may accept when asked.
constexpr int32_t HardMinimumRest(bool cabin) { return cabin ? kCabinHardMinimumRest : kPilotRest; }

}  // namespace lw::model
