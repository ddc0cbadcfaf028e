#include "rules/assignment.h"

#include <cstdio>
#include <cstdlib>

#include "rules/block_checks.h"
#include "model/rest_rules.h"
#include "base/time_text.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using model::TPilot;

using base::kMinutesPerDay;
constexpr int32_t kNoNextWork = model::kDayCells * kMinutesPerDay;  // 62 days: nothing after
using model::kComfortableRest;
constexpr int kMaxCabinSiblings = 10;

bool ValidCrew(const Document& doc, int crew) { return crew >= 0 && crew < doc.CrewCount && crew < model::kCrewRows; }
bool ValidPair(const Document& doc, int pair) {
    return pair >= 0 && pair <= doc.LastPairIndex && pair < model::kPairSlots;
}
bool ValidCell(int day) { return day >= 0 && day < model::kDayCells; }

// The pairing a day cell names, or null when the cell holds something else or a stale index.
const TPair* PairingAt(const Document& doc, int32_t index) {
    return ValidPair(doc, index) ? &doc.Pairings[static_cast<size_t>(index)] : nullptr;
}

int32_t HardMinimumRest(const Document& doc) { return model::HardMinimumRest(doc.IsFlightAttendants()); }

int DayOfMonth(const Document& doc, int day) { return ValidCell(day) ? doc.DayDate[static_cast<size_t>(day)].day : 0; }

struct RestFinding {
    bool tooShort = false;
    bool shortBefore = false;
    bool shortAfter = false;
    std::string before;  // " %d:%02d Crew Rest Before " when short of comfortable
    std::string after;   // " %d:%02d Crew Rest After "
};

std::string RestText(int32_t rest, const char* which) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " %d:%02d Crew Rest %s ", rest / 60, rest % 60, which);
    return buf;
}

// Rest before and after the pairing if it were put on the day.
RestFinding JudgeRest(const Document& doc, const TPilot& p, const TPair& q, int day) {
    const bool cabin = doc.IsFlightAttendants();
    const int32_t minimum = HardMinimumRest(doc);

    // Work before: the nearest day that is not free. Without any, last month's check-in decides.
    int32_t release = p.LegalCheckIn - model::MinimumRest(cabin);
    int32_t previousStart = 0;
    bool warnBefore = true;
    for (int i = day - 1; i >= 0; --i) {
        const int32_t cell = p.DayAssignment[static_cast<size_t>(i)];
        if (const TPair* r = cell >= 0 ? PairingAt(doc, cell) : nullptr) {
            previousStart = i * kMinutesPerDay + r->ReportTime;
            release = previousStart + r->Tafb;
            break;
        }
        if (cell == model::kDayActivity) {
            const model::DayValues& v = p.DayActivity[static_cast<size_t>(i)];
            previousStart = i * kMinutesPerDay + v[model::kActStart];
            if (v[model::kActContainsDuty]) {
                release = previousStart + v[model::kActDuration];
            } else {
                // A day off before the trip: its rest is not the planner's worry.
                release = previousStart;
                warnBefore = false;
            }
            break;
        }
    }

    // Work after: the nearest day that is not free, into next month.
    int32_t nextStart = kNoNextWork;
    for (int i = day + 1; i < doc.DayCount + 31 && i < model::kDayCells; ++i) {
        const int32_t cell = p.DayAssignment[static_cast<size_t>(i)];
        if (const TPair* r = cell >= 0 ? PairingAt(doc, cell) : nullptr) {
            nextStart = i * kMinutesPerDay + r->ReportTime;
            break;
        }
        if (cell == model::kDayActivity) {
            const model::DayValues& v = p.DayActivity[static_cast<size_t>(i)];
            nextStart = i * kMinutesPerDay + v[model::kActStart];
            if (!v[model::kActContainsDuty]) nextStart += model::MinimumRest(cabin);
            break;
        }
    }

    int32_t start = day * kMinutesPerDay + q.ReportTime;
    int32_t end = start + q.Tafb;
    if (doc.DstShift != 0) {
        if (previousStart < doc.DstChangeTime && start >= doc.DstChangeTime) {
            start -= doc.DstShift;
        } else if (start < doc.DstChangeTime && nextStart >= doc.DstChangeTime) {
            end += doc.DstShift;
        }
    }

    RestFinding f;
    f.shortBefore = start < release + minimum;
    f.shortAfter = nextStart < end + minimum;
    if (f.shortBefore || f.shortAfter) {
        f.tooShort = true;
        return f;
    }
    if (start - release < kComfortableRest && warnBefore) f.before = RestText(start - release, "Before");
    if (nextStart - end < kComfortableRest) f.after = RestText(nextStart - end, "After");
    return f;
}

// The other cabin positions of the same trip: same number, same base and equipment.
std::vector<int> CabinSiblings(const Document& doc, int pair) {
    std::vector<int> siblings;
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    for (int i = 0; i <= doc.LastPairIndex && static_cast<int>(siblings.size()) < kMaxCabinSiblings; ++i) {
        if (i == pair) continue;
        const TPair& s = doc.Pairings[static_cast<size_t>(i)];
        if (s.PairNumber == q.PairNumber && s.BaseEqpCode == q.BaseEqpCode) siblings.push_back(i);
    }
    return siblings;
}

// Holders of the other cabin positions of a French trip must be judged again.
void MarkCabinHoldersStale(Document& doc, int pair, int day) {
    if (!doc.IsFlightAttendants() || !doc.Pairings[static_cast<size_t>(pair)].IsFrenchPairing()) return;
    for (int c : CabinSiblingHolders(doc, pair, day)) doc.Crew[static_cast<size_t>(c)].RulesChecked = 0;
}

int CutoffFromPool(Document& doc, int32_t pool) {
    int reserveRun = 0;
    int stop = doc.CrewCount;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.BidsReserve) {
            ++reserveRun;
            continue;
        }
        const int32_t credit = p.CreditTotal();
        const int32_t low = doc.EffectiveMinBlock(p);
        const int32_t high = doc.EffectiveMaxBlock(p);
        const int32_t average = (p.MinBlock != 0 || p.MaxBlock != 0) ? (low + high) / 2 : doc.AvgBlock;
        if (credit > high) {
            pool += credit - average;
        } else if (credit < low) {
            // Open time can no longer fill this block: from here on the lines are reserves.
            if (pool < low - credit) {
                stop = c;
                break;
            }
            pool += credit - average;
        }
        reserveRun = 0;
    }
    const int cutoff = stop - reserveRun - 1;
    for (int c = 0; c < doc.CrewCount; ++c) doc.Crew[static_cast<size_t>(c)].ReserveLine = c > cutoff ? 1 : 0;
    return cutoff;
}

int CountIllegalDays(const Document& doc, const TPilot& p) {
    int n = 0;
    for (int d = 0; d <= doc.DayCount + 5 && d < model::kDayCells; ++d)
        if (p.DayIllegal[static_cast<size_t>(d)]) ++n;
    return n;
}

// The rest walk of the trial: every piece of work must start after the rest of the one before.
bool TrialRestHolds(const Document& doc, const TPilot& p, int pair, int day) {
    const int32_t rest = model::MinimumRest(doc.IsFlightAttendants());
    int32_t earliest = p.LegalCheckIn;
    for (int i = 0; i < model::kDayCells; ++i) {
        const int32_t cell = i == day ? pair : p.DayAssignment[static_cast<size_t>(i)];
        if (const TPair* r = cell >= 0 ? PairingAt(doc, cell) : nullptr) {
            const int32_t report = i * kMinutesPerDay + r->ReportTime;
            if (report < earliest) return false;
            earliest = report + r->Tafb + rest;
        } else if (cell == model::kDayActivity) {
            const model::DayValues& v = p.DayActivity[static_cast<size_t>(i)];
            if (v[model::kActContainsDuty]) {
                const int32_t start = i * kMinutesPerDay + v[model::kActStart];
                if (start < earliest) return false;
                earliest = start + v[model::kActDuration] + rest;
            } else if (i * kMinutesPerDay < earliest - rest) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::string_view AssignResultMessage(int result) {
    switch (result) {
        case kAssignDayTaken: return "Can't Assign. Previous Assignment that day";
        case kAssignNotOperating: return "Can't Assign. Pairing not Operating that day";
        case kAssignAlreadyTaken: return "Can't Assign. Pairing allready Assigned";
        case kAssignCrewOutOfRange: return "Can't Assign. Employee out of Range";
        case kAssignPairOutOfRange: return "Can't Assign. Pairing out of Range";
        default: return "";
    }
}

RestJudgement JudgeAssignRest(const Document& doc, int crew, int pair, int day) {
    RestJudgement j;
    if (!ValidCrew(doc, crew) || !ValidPair(doc, pair) || !ValidCell(day)) return j;
    const RestFinding f =
        JudgeRest(doc, doc.Crew[static_cast<size_t>(crew)], doc.Pairings[static_cast<size_t>(pair)], day);
    j.shortBefore = f.shortBefore;
    j.shortAfter = f.shortAfter;
    j.before = f.before;
    j.after = f.after;
    return j;
}

bool TrialRestWalkHolds(const Document& doc, int crew, int pair, int day) {
    if (!ValidCrew(doc, crew) || !ValidPair(doc, pair) || !ValidCell(day)) return false;
    return TrialRestHolds(doc, doc.Crew[static_cast<size_t>(crew)], pair, day);
}

int CountFlaggedDays(const Document& doc, const TPilot& p) { return CountIllegalDays(doc, p); }

int32_t PairOnDay(const Document& doc, int crew, int day) {
    if (!ValidCrew(doc, crew) || !ValidCell(day)) return -1;
    const int32_t cell = doc.Crew[static_cast<size_t>(crew)].DayAssignment[static_cast<size_t>(day)];
    return cell >= 0 ? cell : -1;
}

int AssignPair(Document& doc, Board& board, platform::Interaction& ui, int crew, int pair, int day, bool skipChecks,
               bool* declined) {
    if (declined) *declined = false;
    if (!ValidCrew(doc, crew)) return kAssignCrewOutOfRange;
    if (!ValidPair(doc, pair)) return kAssignPairOutOfRange;
    if (!ValidCell(day)) return kAssignNotOperating;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    if (p.DayAssignment[static_cast<size_t>(day)] != model::kDayEmpty) return kAssignDayTaken;
    if (day >= doc.DayCount || !q.Operates(day)) return kAssignNotOperating;
    if (q.IsTaken(day)) return kAssignAlreadyTaken;

    if (p.BidsReserve &&
        ui.Ask("Employee Bidding Reserve. Do you want to assign this pairing anyways", "", platform::Buttons::YesNo,
               platform::Icon::None) != platform::Answer::Yes) {
        if (declined) *declined = true;
        return kAssignReserveDeclined;
    }

    char line[200];
    std::snprintf(line, sizeof line, "AssignPair %d to %s on %d\n", q.PairNumber, p.Name.c_str(), DayOfMonth(doc, day));
    doc.Log(line);

    if (!skipChecks) {
        const RestFinding rest = JudgeRest(doc, p, q, day);
        if (rest.tooShort) return kAssignDayTaken;
        if (doc.IsFlightAttendants()) {
            const FrenchCabinCheck french = JudgeFrenchCabin(doc, crew, pair, day);
            if (!french.passes &&
                ui.Ask(FrenchCabinQuestion(doc, crew, french), "Linewright") != platform::Answer::Yes) {
                if (declined) *declined = true;
                return kAssignDayTaken;
            }
        }
        if (p.EmployeeNumber > 0 && !(rest.before.empty() && rest.after.empty())) {
            const std::string question =
                "This Assignment Provides Only " + rest.before + rest.after + ".  Do You want to Assign It Anyway";
            if (ui.Ask(question, "Linewright") != platform::Answer::Yes) {
                if (declined) *declined = true;
                return kAssignDayTaken;
            }
        }
    }

    p.DayAssignment[static_cast<size_t>(day)] = pair;
    q.TakeInstance(day);
    doc.History.Record(crew, pair, day, model::History::kAssigned);
    MarkCabinHoldersStale(doc, pair, day);
    RecheckAfterChange(doc, board, crew);
    if (board.Selected.pair == pair) {
        board.LastAssigned = board.Selected;
        board.Selected = {};
    }
    doc.Modified = true;
    return kAssignDone;
}

int RemovePair(Document& doc, Board& board, int crew, int pair, int day, RemoveHow how) {
    if (!ValidCrew(doc, crew)) return kAssignCrewOutOfRange;
    TPair* q = ValidPair(doc, pair) ? &doc.Pairings[static_cast<size_t>(pair)] : nullptr;
    if (!q && !how.rightClick) return kAssignPairOutOfRange;
    // Only the pairing that really starts on the day can leave it.
    if (PairOnDay(doc, crew, day) != pair) return kAssignDayTaken;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (!how.rightClick) {
        if (!q->Operates(day)) return kAssignNotOperating;
        if (q->IsOpen(day)) return kAssignAlreadyTaken;
    }

    char line[200];
    if (how.rightClick)
        std::snprintf(line, sizeof line, "RemovePair %d %s %d RC\n", q ? q->PairNumber : 0, p.Name.c_str(),
                      DayOfMonth(doc, day));
    else
        std::snprintf(line, sizeof line, "Remove Pair %d from %s on %d\n", q->PairNumber, p.Name.c_str(),
                      DayOfMonth(doc, day));
    doc.Log(line);

    p.DayAssignment[static_cast<size_t>(day)] = model::kDayEmpty;
    // The lock belongs to the pairing; left behind it would lock in the next one put there.
    p.DayLocked[static_cast<size_t>(day)] = 0;
    if (q) {
        q->ReleaseInstance(day);
        doc.History.Record(crew, pair, day, model::History::kRemoved);
        MarkCabinHoldersStale(doc, pair, day);
    }
    RecheckAfterChange(doc, board, crew);
    if (!how.rightClick) {
        const bool wasSelected = board.Selected.pair == pair && board.Selected.day == day;
        board.LastAssigned = {pair, day, wasSelected ? board.Selected.row : -1};
        board.Selected = {};
    }
    doc.Modified = true;
    return kAssignDone;
}

void PutBackPair(Document& doc, Board& board, int crew, int pair, int day) {
    if (!ValidCrew(doc, crew) || !ValidPair(doc, pair) || !ValidCell(day)) return;
    doc.Crew[static_cast<size_t>(crew)].DayAssignment[static_cast<size_t>(day)] = pair;
    doc.Pairings[static_cast<size_t>(pair)].TakeInstance(day);
    MarkCabinHoldersStale(doc, pair, day);
    RecheckAfterChange(doc, board, crew);
}

int TrialAssign(Document& doc, int crew, int pair, int day) {
    if (!ValidCrew(doc, crew) || !ValidPair(doc, pair) || day < 0 || day >= doc.DayCount) return kTrialRefused;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    // Whether the instance is still open is Assign's question: the list shows who could fly it.
    if (p.DayAssignment[static_cast<size_t>(day)] != model::kDayEmpty || p.BidsReserve) return kTrialRefused;
    if (!TrialRestHolds(doc, p, pair, day)) return kTrialRefused;

    const int before = CountIllegalDays(doc, p);
    // Judge the block with the pairing in it on the member's own row, at the member's own
    // seniority, then put everything back as it was.
    std::array<int8_t, model::kCrewRows> checked{};
    for (int c = 0; c < doc.CrewCount; ++c) checked[static_cast<size_t>(c)] = doc.Crew[static_cast<size_t>(c)].RulesChecked;
    TPilot saved = p;
    const int32_t status = q.DayStatus[static_cast<size_t>(day)];
    p.DayAssignment[static_cast<size_t>(day)] = pair;
    q.TakeInstance(day);
    CheckBlock(doc, crew);
    const int after = CountIllegalDays(doc, p);
    doc.Crew[static_cast<size_t>(crew)] = std::move(saved);
    q.DayStatus[static_cast<size_t>(day)] = status;
    for (int c = 0; c < doc.CrewCount; ++c) doc.Crew[static_cast<size_t>(c)].RulesChecked = checked[static_cast<size_t>(c)];
    return after > before ? kTrialException : kTrialLegal;
}

std::vector<int> CabinSiblingHolders(const Document& doc, int pair, int day) {
    std::vector<int> holders;
    if (!ValidPair(doc, pair) || !ValidCell(day)) return holders;
    for (int s : CabinSiblings(doc, pair))
        for (int c = 0; c < doc.CrewCount; ++c)
            if (doc.Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(day)] == s) holders.push_back(c);
    return holders;
}

FrenchCabinCheck JudgeFrenchCabin(const Document& doc, int crew, int pair, int day) {
    FrenchCabinCheck check;
    check.reference = crew;
    if (!ValidCrew(doc, crew) || !ValidPair(doc, pair) || !ValidCell(day)) return check;
    if (!doc.Pairings[static_cast<size_t>(pair)].IsFrenchPairing() || doc.Crew[static_cast<size_t>(crew)].LanguageBits != 0)
        return check;
    const std::vector<int> siblings = CabinSiblings(doc, pair);
    bool frenchHolder = false;
    int nonFrench = 0;
    // Walked in seniority order: the last one met is the most junior of the cabin.
    for (int s : siblings) {
        for (int c = 0; c < doc.CrewCount; ++c) {
            const TPilot& m = doc.Crew[static_cast<size_t>(c)];
            if (c == crew) {
                check.reference = crew;
            } else if (m.DayAssignment[static_cast<size_t>(day)] == s) {
                check.holders.push_back(c);
                check.reference = c;
                if (m.LanguageBits != 0) frenchHolder = true;
                else ++nonFrench;
            }
        }
    }
    check.passes = !siblings.empty() && (frenchHolder || nonFrench < static_cast<int>(siblings.size()));
    if (siblings.empty()) check.reference = crew;
    return check;
}

std::string FrenchCabinQuestion(const Document& doc, int crew, const FrenchCabinCheck& check) {
    const std::string& name = doc.Crew[static_cast<size_t>(crew)].Name;
    if (check.reference == crew || check.reference < 0)
        return "Employee " + name +
               " is not French Qualified and is the Junior Cabin Member. One Cabin Member must be French for this "
               "pairing. Do you want to assign it anyway";
    return "Employee " + name + " is not French Qualified and is Senior to " +
           doc.Crew[static_cast<size_t>(check.reference)].Name +
           ". One Cabin Member must be French for this pairing. Do you want to assign it anyway";
}

void RecheckAfterChange(Document& doc, Board& board, int crew) {
    CheckBlock(doc, crew);
    if (ValidCrew(doc, crew)) doc.Crew[static_cast<size_t>(crew)].RulesChecked = 1;
    if (doc.CrewGroup == model::kCaptains) CheckTwoCaptains(doc);
    if (doc.IsFlightAttendants()) {
        for (int c = 0; c < doc.CrewCount; ++c) {
            TPilot& m = doc.Crew[static_cast<size_t>(c)];
            if (m.RulesChecked) continue;
            m.RulesChecked = 1;
            CheckBlock(doc, c);
        }
    }
    if (ValidCrew(doc, crew)) ComputeCredit(doc, crew, board.IncludeExcludedCredit);
    const int32_t open = OpenTimeTotal(doc);
    CutoffFromPool(doc, open);
    board.OpenTime = open;
}

int ComputeReserveCutoff(Document& doc) { return CutoffFromPool(doc, OpenTimeTotal(doc)); }

int32_t InstanceCredit(const Document& doc, const model::TPair& q, int day) {
    if (day + q.PairLength <= doc.DayCount) return q.TotalCredit;
    int32_t sum = 0;
    for (int k = 0; k < doc.DayCount - day && k < model::kMonthDays; ++k) sum += q.DailyCredit[static_cast<size_t>(k)];
    return sum;
}

int32_t OpenTimeTotal(const Document& doc) {
    int32_t total = 0;
    const int days = doc.DayCount < model::kMonthDays ? doc.DayCount : model::kMonthDays;
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        for (int d = 0; d < days; ++d)
            if (std::abs(q.DayStatus[static_cast<size_t>(d)]) == 1) total += InstanceCredit(doc, q, d);
    }
    return total;
}

std::string OpenTimeText(int32_t minutes) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d:%02d", minutes / 60, minutes % 60);
    return buf;
}

}  // namespace lw::rules
