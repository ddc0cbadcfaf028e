// The flight attendants' checks: rest, days on and off, French pairings, fam pairings and
// the grouping of RB days.
#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "rules/check_support.h"
#include "model/rest_rules.h"

namespace lw::rules::blockcheck {

namespace {

using model::kCabinRest;
constexpr int32_t kLateReleaseRelief = 120;

bool WorkedOutside(const TPilot& p, int w) { return PrevDay(p, w)[model::kPrevWorked] == 1; }

// The days of the month and after on which the member works (pairing calendar days and duty
// activities), with worked outside days of the first five days of the month.
std::array<bool, model::kDayCells + 1> CabinWorkDays(const Document& doc, const TPilot& p) {
    std::array<bool, model::kDayCells + 1> work{};
    for (int d = 0; d < 5; ++d)
        if (WorkedOutside(p, d + kMonthOffset)) work[static_cast<size_t>(d)] = true;
    for (int d = 0; d <= kLastDayCell; ++d) {
        if (const TPair* q = PairOn(doc, p, d)) {
            const int days = CalendarDays(q->ReportTime, q->Tafb);
            for (int k = 0; k < days && d + k <= kLastDayCell; ++k) work[static_cast<size_t>(d + k)] = true;
        } else if (IsActivity(p, d) && Activity(p, d)[model::kActContainsDuty] != 0) {
            work[static_cast<size_t>(d)] = true;
        }
    }
    return work;
}

// Where the member stands in seniority: its own row, or for a trial copy the row of the member
// it was taken from (same employee number); -1 when neither is on the roster.
int SeniorityRow(const Document& doc, int crew) {
    if (crew < doc.CrewCount) return crew;
    const int32_t number = doc.Crew[static_cast<size_t>(crew)].EmployeeNumber;
    if (number == 0) return -1;
    for (int row = 0; row < doc.CrewCount; ++row)
        if (doc.Crew[static_cast<size_t>(row)].EmployeeNumber == number) return row;
    return -1;
}

std::vector<int> FindSiblings(const Document& doc, int index) {
    const TPair& pair = doc.Pairings[static_cast<size_t>(index)];
    std::vector<int> siblings;
    const int last = std::min(doc.LastPairIndex, static_cast<int>(doc.Pairings.size()) - 1);
    for (int i = 0; i <= last && static_cast<int>(siblings.size()) < CabinIndex::kMaxSiblings; ++i) {
        if (i == index) continue;
        const TPair& other = doc.Pairings[static_cast<size_t>(i)];
        if (other.PairNumber == pair.PairNumber && other.BaseEqpCode == pair.BaseEqpCode) siblings.push_back(i);
    }
    return siblings;
}

std::vector<int> FindHolders(const Document& doc, int index, int d) {
    std::vector<int> rows;
    for (int row = 0; row < doc.CrewCount; ++row)
        if (doc.Crew[static_cast<size_t>(row)].DayAssignment[static_cast<size_t>(d)] == index) rows.push_back(row);
    return rows;
}

// The French cabin rule for the member's instance of pairing `index` on day d, walking each other
// position's holders in seniority order with the member in its place: true when nobody French
// holds a position, every position is taken (or there is none), and the member is the last one
// walked, the junior.
bool FailsFrenchAsJunior(const Document& doc, int crew, int index, int d, const CabinIndex* cabin) {
    if (cabin && index >= cabin->Slots()) cabin = nullptr;  // a slot past the loaded table
    const std::vector<int> found = cabin ? std::vector<int>() : FindSiblings(doc, index);
    const std::vector<int>& siblings = cabin ? cabin->Siblings(index) : found;
    const int own = SeniorityRow(doc, crew);
    int reference = crew;
    int nonFrenchHolders = 0;
    for (int sibling : siblings) {
        const std::vector<int> holders = cabin ? cabin->Holders(doc, sibling, d) : FindHolders(doc, sibling, d);
        bool ownWalked = own < 0;
        for (int row : holders) {
            if (!ownWalked && own <= row) {
                reference = crew;
                ownWalked = true;
            }
            reference = row;
            if (doc.Crew[static_cast<size_t>(row)].LanguageBits != 0) return false;
            ++nonFrenchHolders;
        }
        if (!ownWalked) reference = crew;
    }
    const bool fails = siblings.empty() || nonFrenchHolders >= static_cast<int>(siblings.size());
    return fails && reference == crew;
}

}  // namespace

void CheckCabinRest(Document& doc, TPilot& p) {
    const int last = std::min(doc.DayCount + 30, kLastDayCell);
    const model::DayValues& lastDay = PrevDay(p, kMonthOffset - 1);
    bool lateRelease = lastDay[model::kPrevPairStart] > 1080 && lastDay[model::kPrevPairTafb] > 480 &&
                       PrevDay(p, kMonthOffset)[4] == 0;
    int32_t earliest = p.LegalCheckIn;
    int32_t previousStart = p.LegalCheckIn;
    std::string days;
    auto flag = [&](int d) {
        if (d >= doc.DayCount) return;
        AppendDay(days, DayOfMonth(doc, d));
        Flag(p.DayIllegal, d);
    };
    for (int d = 0; d <= last; ++d) {
        const int32_t dayStart = d * kMinutesPerDay;
        if (const TPair* q = PairOn(doc, p, d)) {
            const int32_t report = dayStart + q->ReportTime;
            const int32_t start = AdjustForClockChange(doc, previousStart, report);
            if (q->LateRelease) {
                // Two late releases in a row: the second may report two hours inside the rest.
                if (lateRelease) earliest -= kLateReleaseRelief;
                lateRelease = true;
            } else {
                lateRelease = false;
            }
            if (start < earliest) flag(d);
            earliest = report + q->Tafb + kCabinRest;
            previousStart = report;
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            const bool reserve = a[model::kActReserve] != 0;
            const int32_t begin = dayStart + a[model::kActStart];
            const int32_t end = begin + a[model::kActDuration];
            lateRelease = false;
            if (a[model::kActContainsDuty] != 0) {
                if (AdjustForClockChange(doc, previousStart, begin) < earliest && !reserve) flag(d);
                earliest = end + kCabinRest;
            } else {
                if (begin + kCabinRest < earliest && !reserve) flag(d);
                earliest = end;
            }
            previousStart = begin;
        }
    }
    if (!days.empty()) p.IllegalText += " Rest " + days;
}

void CheckCabinDaysOnOff(Document& doc, TPilot& p) {
    const auto work = CabinWorkDays(doc, p);
    const bool reserveHolder = p.BidsReserve || p.ReserveLine != 0;
    int run = 0;
    for (int w = kMonthOffset - 1; w >= kMonthOffset - 6 && WorkedOutside(p, w); --w) ++run;
    int freeRun = WorkedOutside(p, kMonthOffset - 1) ? 0 : (WorkedOutside(p, kMonthOffset - 2) ? 1 : 2);
    bool passedSix = false;
    DayFlags warned{};
    for (int d = 0; d <= kLastDayCell; ++d) {
        const size_t i = static_cast<size_t>(d);
        if (work[i]) {
            if (freeRun == 1 && reserveHolder) warned[i] = true;
            freeRun = 0;
            ++run;
            if (run > (reserveHolder ? 5 : 6)) {
                warned[i] = true;
                run = 0;
                if (!reserveHolder) passedSix = true;
            }
        } else {
            // After a long run, one day off between two working days is not enough.
            if (passedSix && work[i + 1]) warned[i] = true;
            passedSix = false;
            run = 0;
            ++freeRun;
        }
    }
    std::string days;
    for (int d = 0; d <= kLastDayCell; ++d) {
        if (!warned[static_cast<size_t>(d)]) continue;
        Flag(p.DayWarning, d);
        if (d >= doc.DayCount) {
            days += " C/Out.";
            break;
        }
        AppendDay(days, DayOfMonth(doc, d));
    }
    if (!days.empty()) p.WarningText += "Con Days On/Off" + days;
}

CabinIndex::CabinIndex(const Document& doc) : days_(std::clamp(doc.DayCount, 0, model::kMonthDays)) {
    const int slots = std::max(0, std::min(doc.LastPairIndex + 1, static_cast<int>(doc.Pairings.size())));
    slots_ = slots;
    // Positions of one trip: same number and base code, in table order.
    std::vector<int> order(static_cast<size_t>(slots));
    for (int i = 0; i < slots; ++i) order[static_cast<size_t>(i)] = i;
    auto key = [&doc](int i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        return std::tie(q.PairNumber, q.BaseEqpCode);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    siblings_.assign(doc.Pairings.size(), {});
    for (size_t from = 0; from < order.size();) {
        size_t to = from + 1;
        while (to < order.size() && key(order[to]) == key(order[from])) ++to;
        for (size_t i = from; i < to && to - from > 1; ++i) {
            std::vector<int>& list = siblings_[static_cast<size_t>(order[i])];
            for (size_t j = from; j < to && static_cast<int>(list.size()) < kMaxSiblings; ++j)
                if (j != i) list.push_back(order[j]);
        }
        from = to;
    }
    firstHolder_.assign(doc.Pairings.size() * static_cast<size_t>(days_), -1);
    sharedInstance_.assign(firstHolder_.size(), false);
    for (int row = 0; row < doc.CrewCount; ++row) {
        const TPilot& m = doc.Crew[static_cast<size_t>(row)];
        for (int d = 0; d < days_; ++d) {
            const int32_t index = m.DayAssignment[static_cast<size_t>(d)];
            if (index < 0 || static_cast<size_t>(index) >= doc.Pairings.size()) continue;
            const size_t at = static_cast<size_t>(index) * static_cast<size_t>(days_) + static_cast<size_t>(d);
            if (firstHolder_[at] < 0)
                firstHolder_[at] = row;
            else
                sharedInstance_[at] = true;
        }
    }
}

std::vector<int> CabinIndex::Holders(const Document& doc, int index, int d) const {
    if (d < 0 || d >= days_) return FindHolders(doc, index, d);
    const size_t at = static_cast<size_t>(index) * static_cast<size_t>(days_) + static_cast<size_t>(d);
    if (sharedInstance_[at]) return FindHolders(doc, index, d);
    if (firstHolder_[at] < 0) return {};
    return {firstHolder_[at]};
}

void CheckFrenchCabin(Document& doc, int crew, const CabinIndex* index) {
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (p.LanguageBits != 0) return;
    std::string days;
    for (int d = 0; d < doc.DayCount; ++d) {
        const TPair* q = PairOn(doc, p, d);
        if (!q || !q->IsFrenchPairing()) continue;
        if (!FailsFrenchAsJunior(doc, crew, p.DayAssignment[static_cast<size_t>(d)], d, index)) continue;
        AppendDay(days, DayOfMonth(doc, d));
        Flag(p.DayIllegal, d);
    }
    if (!days.empty()) p.IllegalText += " French Pair " + days;
}

void CheckFamPairings(Document& doc, TPilot& p) {
    std::string days;
    for (int d = 0; d < doc.DayCount; ++d) {
        const TPair* q = PairOn(doc, p, d);
        if (!q || q->PairText.find("EXTRA FA ON") == std::string::npos) continue;
        AppendDay(days, DayOfMonth(doc, d));
        Flag(p.DayWarning, d);
    }
    if (!days.empty()) p.WarningText += "Fam Pairing in Block on" + days;
}

void CheckReducedBlockReserve(Document& doc, TPilot& p) {
    ExtendedFlags rb{}, worked{};
    auto set = [](ExtendedFlags& f, int w) {
        if (w >= 0 && w <= kLastExtendedDay) f[static_cast<size_t>(w)] = true;
    };
    bool anyRb = false;
    for (int w = 0; w < kMonthOffset; ++w) {
        const std::string& code = p.DayText[static_cast<size_t>(w)];
        if (StartsWith(code, "RB ") || StartsWith(code, "RSB")) {
            set(rb, w);
            set(worked, w + 1);  // the overnight reserve ends the next morning
            anyRb = true;
        }
    }
    for (int w = 0; w <= 35; ++w)
        if (WorkedOutside(p, w)) set(worked, w);
    for (int d = 0; d <= kLastDayCell; ++d) {
        const int w = d + kMonthOffset;
        if (const TPair* q = PairOn(doc, p, d)) {
            const int days = CalendarDays(q->ReportTime, q->Tafb);
            for (int k = 0; k < days; ++k) set(worked, w + k);
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            if (d < doc.DayCount && StartsWith(p.DayExtractCode[static_cast<size_t>(d)], "RB")) {
                set(rb, w);
                anyRb = true;
            }
            if (a[model::kActContainsDuty] != 0) {
                set(worked, w);
                if (a[model::kActStart] + a[model::kActDuration] > 1560) set(worked, w + 1);
            }
        }
    }
    if (!anyRb) return;
    auto isRb = [&rb](int w) { return w >= 0 && w <= kLastExtendedDay && rb[static_cast<size_t>(w)]; };
    auto isWorked = [&worked](int w) { return w >= 0 && w <= kLastExtendedDay && worked[static_cast<size_t>(w)]; };
    const int last = doc.DayCount + kMonthOffset - 1;
    const int monthEnd = doc.DayCount + kMonthOffset;

    if (p.MaxBlock > 0 && p.MaxBlock <= 4200) {
        std::string days;
        int run = 0;
        for (int w = 20; w <= last; ++w) {
            if (isRb(w)) {
                ++run;
                continue;
            }
            if (run == 1 && w >= kMonthOffset && w < monthEnd) {
                AppendDay(days, DayOfMonth(doc, w - kMonthOffset));
                Flag(p.DayIllegal, w - kMonthOffset);
            }
            run = 0;
        }
        if (!days.empty()) p.IllegalText += " RB Days Must be Grouped in 2s for Reduced Block on " + days;
        return;
    }

    // A lone RB day needs two days off on each side before other work.
    auto oneDayOffThenWork = [&](int from, int step) {
        int free = 0;
        for (int x = from; x >= 0 && x <= kLastExtendedDay; x += step) {
            if (isWorked(x)) return free == 1;
            if (++free == 2) return false;
        }
        return false;
    };
    std::string days;
    bool lastMonth = false;
    for (int w = 15; w <= last; ++w) {
        if (!isRb(w) || isRb(w - 1) || isRb(w + 1)) continue;
        if (!oneDayOffThenWork(w - 1, -1) && !oneDayOffThenWork(w + 1, 1)) continue;
        if (w < kMonthOffset) {
            lastMonth = true;
        } else {
            AppendDay(days, DayOfMonth(doc, w - kMonthOffset));
            Flag(p.DayIllegal, w - kMonthOffset);
        }
    }
    if (lastMonth || !days.empty())
        p.IllegalText += std::string(" Must Have 2 Days Off before and after RB periods on") + (lastMonth ? " Last Month" : "") + days;
}

}  // namespace lw::rules::blockcheck
