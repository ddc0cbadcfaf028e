#pragma once
// The duty rule checker's day arrays for one pilot: which days carry duty, the local night rests,
// the single free days and their runs of five, early, late and night duty, and more than 24 hours
// of duty in 48. Indexed by extended day w = 0..92.
#include <algorithm>
#include <array>
#include <cstdint>

#include "rules/check_support.h"

namespace lw::rules::dutyrule {

using namespace blockcheck;

inline constexpr int kDays = model::kExtendedDays;  // w = 0..92

struct DutyDays {
    std::array<int32_t, kDays> assignStart{};  // -1 none
    std::array<int32_t, kDays> assignLength{};
    std::array<int32_t, kDays> dutyStart{};    // -1 none
    std::array<int32_t, kDays> dutyLength{};
    std::array<int32_t, kDays + 1> dayDuty{};  // one spare day for duty running past w = 92
    std::array<bool, kDays> duty{}, reserve{}, lnr{}, sdfd{}, five{}, over{}, eln{}, fail{};

    DutyDays() {
        assignStart.fill(-1);
        dutyStart.fill(-1);
    }
    bool HasAssign(int w) const { return assignStart[static_cast<size_t>(w)] >= 0; }
    int32_t AssignEnd(int w) const {
        return w * kMinutesPerDay + assignStart[static_cast<size_t>(w)] + assignLength[static_cast<size_t>(w)];
    }
    // A duty period is there when it has a start or a length (a layover day has neither).
    bool HasDuty(int w) const {
        const size_t i = static_cast<size_t>(w);
        return dutyStart[i] >= 0 && (dutyStart[i] > 0 || dutyLength[i] > 0);
    }
    void SetDuty(int w, int32_t start, int32_t length) {
        duty[static_cast<size_t>(w)] = true;
        dutyStart[static_cast<size_t>(w)] = start;
        dutyLength[static_cast<size_t>(w)] = length;
    }
    // Duty minutes of a period to its calendar days, split at midnight; a reserve counts a third.
    void AddDayDuty(int w, int32_t start, int32_t length, bool isReserve) {
        if (w < 0 || w >= kDays || length <= 0) return;
        const int32_t counted = isReserve ? length / 3 : length;
        int32_t before = counted;
        if (start + length > kMinutesPerDay) {
            const int32_t toMidnight = std::clamp(kMinutesPerDay - start, 0, length);
            before = isReserve ? toMidnight / 3 : toMidnight;
        }
        dayDuty[static_cast<size_t>(w)] += before;
        dayDuty[static_cast<size_t>(w + 1)] += counted - before;
    }
};

// From last month's and outside duty (w = 0..59), then from the block.
void ReadOutsideDuty(const Document& doc, const TPilot& p, DutyDays& days);
void ReadBlockDuty(const Document& doc, const TPilot& p, DutyDays& days);
// The member's RuleWindow: each day's duty and its 7- and 28-day totals.
void StoreRollingTotals(TPilot& p, const DutyDays& days);
void FindNightRests(DutyDays& days);
void FindFreeDays(DutyDays& days);
void FindFiveRuns(const Document& doc, DutyDays& days);
void FindEarlyLateNight(const Document& doc, DutyDays& days);
// Sets over[w]; built once a run, when 70/7 first asks for it.
void FindOver24In48(DutyDays& days);

}  // namespace lw::rules::dutyrule
