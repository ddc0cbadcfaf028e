#include "rules/gestures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/time_text.h"
#include "platform/profile.h"
#include "rules/block_checks.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using model::TPilot;

bool ValidCrew(const Document& doc, int crew) { return crew >= 0 && crew < doc.CrewCount && crew < model::kCrewRows; }
bool ValidCell(int day) { return day >= 0 && day < model::kDayCells; }

const TPair* PairingAt(const Document& doc, int32_t index) {
    return index >= 0 && index <= doc.LastPairIndex && index < model::kPairSlots ? &doc.Pairings[static_cast<size_t>(index)]
                                                                                  : nullptr;
}

// A trip that started earlier and is still away on the day (its last day is free for a code).
bool CoveredByEarlierPairing(const Document& doc, const TPilot& p, int day) {
    for (int i = std::max(0, day - model::kMonthDays); i < day; ++i) {
        const TPair* q = PairingAt(doc, p.DayAssignment[static_cast<size_t>(i)]);
        if (q && i + q->PairLength - 1 > day) return true;
    }
    return false;
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An entry that does not read, or reads negative, is kept as 0.
int32_t EntryMinutes(std::string_view text, bool hourLimit) {
    const int32_t minutes = base::ParseTime(text, hourLimit);
    return minutes < 0 ? 0 : minutes;
}

}  // namespace

GridPrefs ReadGridPrefs(const platform::Profile& profile) {
    GridPrefs prefs;
    prefs.HoldCtrlKey = profile.GetInt("LW", "HoldCtrlKey", 1) != 0;
    prefs.RemindBackup = profile.GetInt("LW", "RemindBackup", 1) == 1;
    return prefs;
}

ActivityDetails ReadActivityDetails(const Document& doc, int crew, int day) {
    ActivityDetails d;
    if (!ValidCrew(doc, crew) || day < -model::kPrevDays || day >= model::kDayCells) return d;
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    d.caption = p.Name + " Assignment Details";
    char buf[64];
    if (day < 0) {
        // Last month's day is history: what the extract brought, to look at only.
        const size_t w = static_cast<size_t>(day + model::kPrevDays);
        const base::CalendarDate& date = doc.PrevDates[w];
        std::snprintf(buf, sizeof buf, "%d %d %d", date.day, date.month, date.year);
        d.date = buf;
        d.code = p.DayText[w];
        const model::DayValues& v = p.PrevDayData[w];
        d.start = base::FormatTime(v[model::kPrevDutyStart]);
        d.atWork = base::FormatTime(v[model::kPrevDutyLength]);
        d.credit = base::FormatTime(v[4]);
        d.hardTime = base::FormatTime(v[model::kPrevHardTime]);
        d.reserve = v[model::kPrevWorked] == 2;
        d.containsDuty = v[model::kPrevWorked] == 1 || v[model::kPrevWorked] == 2;
        d.carsDuty = v[model::kPrevCarsDuty] != 0;
        d.readOnly = true;
        return d;
    }
    std::snprintf(buf, sizeof buf, "%s %d", doc.MonthTitleText().c_str(), doc.DayDate[static_cast<size_t>(day)].day);
    d.date = buf;
    d.code = p.DayCode[static_cast<size_t>(day)];
    d.extractCode = p.DayExtractCode[static_cast<size_t>(day)];
    const model::DayValues& v = p.DayActivity[static_cast<size_t>(day)];
    d.start = base::FormatTime(v[model::kActStart]);
    d.atWork = base::FormatTime(v[model::kActDuration]);
    d.credit = base::FormatTime(v[model::kActCredit]);
    d.hardTime = base::FormatTime(v[model::kActHardTime]);
    d.reserve = v[model::kActReserve] != 0;
    d.containsDuty = v[model::kActContainsDuty] != 0;
    d.excludeCredit = v[model::kActExcludeCredit] != 0;
    d.carsDuty = v[model::kActCarsDuty] != 0;
    return d;
}

std::array<int32_t, model::kMonthDays> CrewBalance(const Document& doc) {
    std::array<int32_t, model::kMonthDays> balance{};
    const int days = std::min(doc.DayCount, model::kMonthDays);
    // Every open pairing day is a day some crew member still has to fly.
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        for (int d = 0; d < days; ++d) {
            if (std::abs(q.DayStatus[static_cast<size_t>(d)]) != 1) continue;
            for (int k = 0; k < q.PairLength && d + k < days; ++k) --balance[static_cast<size_t>(d + k)];
        }
    }
    // Every free day of a line holder who still needs work (or is over) is a day to fill.
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.BidsReserve || p.ReserveLine) continue;
        const int32_t credit = p.CreditTotal();
        if (credit > doc.EffectiveMinBlock(p) && credit < doc.EffectiveMaxBlock(p)) continue;
        int d = p.LegalCheckIn / base::kMinutesPerDay;
        if (p.LegalCheckIn % base::kMinutesPerDay > 840) ++d;
        for (d = std::max(d, 0); d < days;) {
            const int32_t cell = p.DayAssignment[static_cast<size_t>(d)];
            if (cell >= 0) {
                const TPair* q = PairingAt(doc, cell);
                d += q && q->PairLength > 0 ? q->PairLength : 1;
                continue;
            }
            const int8_t request = p.DayFlagA[static_cast<size_t>(d)];
            if (cell == model::kDayEmpty && !(request >= 1 && request <= 51)) ++balance[static_cast<size_t>(d)];
            ++d;
        }
    }
    return balance;
}

GridGestures::GridGestures(Document& doc, Board& board, platform::Interaction& ui, GridPrefs prefs)
    : doc_(doc), board_(board), ui_(ui), prefs_(prefs) {
    RecomputeBalance();
}

GridOutcome GridGestures::LeftDown(int crew, int day, Keys keys) {
    dragging_ = false;
    lockClick_ = false;
    const int32_t pair = PairOnDay(doc_, crew, day);
    if (pair < 0) return {};
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    if (keys.ctrl) {
        int8_t& lock = p.DayLocked[static_cast<size_t>(day)];
        lock = lock ? 0 : 1;
        doc_.Modified = true;  // the lock is saved with the month
        lockClick_ = true;
        return {GridEffect::LockToggled, GridDialog::None, -1, crew, day, pair};
    }
    if (day >= doc_.DayCount || p.EmployeeNumber == -1) return {};
    dragging_ = true;
    dragCrew_ = crew;
    dragDay_ = day;
    return {GridEffect::DragStarted, GridDialog::None, -1, crew, day, pair};
}

GridOutcome GridGestures::LeftUp(int crew, int day, Keys keys) {
    GridOutcome outcome;
    if (lockClick_) {
        lockClick_ = false;
    } else if (dragging_ && crew != dragCrew_) {
        dragging_ = false;
        outcome = Move(dragCrew_, crew, dragDay_);
    } else {
        dragging_ = false;
        outcome = Click(crew, day, keys);
    }
    RecomputeBalance();
    return outcome;
}

GridOutcome GridGestures::Click(int crew, int day, Keys keys) {
    if (!ValidCrew(doc_, crew)) return {};
    if (day < 0 && day >= -model::kPrevDays)
        return {GridEffect::Dialog, GridDialog::ActivityDetails, -1, crew, day, -1};
    if (!ValidCell(day)) return {};
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    const int32_t cell = p.DayAssignment[static_cast<size_t>(day)];
    if (cell == model::kDayActivity) return {GridEffect::Dialog, GridDialog::ActivityDetails, -1, crew, day, -1};
    if (cell >= 0) return {GridEffect::Dialog, GridDialog::PairingText, -1, crew, day, cell};
    if (cell != model::kDayEmpty) return {};
    if (tool_) return Paint(crew, day);
    if (board_.Selected.pair < 0 || p.EmployeeNumber == -1) return {};
    const int pair = board_.Selected.pair;
    const int result = AssignPair(doc_, board_, ui_, crew, pair, day, keys.shift);
    if (result != kAssignDone) return {GridEffect::AssignRefused, GridDialog::None, result, crew, day, pair};
    CountClickAssignment();
    return {GridEffect::Assigned, GridDialog::None, result, crew, day, pair};
}

void GridGestures::CountClickAssignment() {
    if (++doc_.AssignsSinceBackup <= kAssignsBeforeReminder) return;
    doc_.AssignsSinceBackup = 0;
    if (prefs_.RemindBackup)
        ui_.Message("You have assigned a lot of pairings without backing up your work. You should select Backup from "
                    "the File menu to Backup the Current file to an external device such as a USB memory stick. This "
                    "message may be disabled in Setup Preferences.",
                    "Linewright", platform::Icon::Information);
}

GridOutcome GridGestures::Move(int source, int target, int day) {
    const int32_t pair = PairOnDay(doc_, source, day);
    if (pair < 0) return {};
    if (doc_.Crew[static_cast<size_t>(source)].DayLocked[static_cast<size_t>(day)]) {
        ui_.Message("Can't Drag a Locked in Pairing", "Linewright", platform::Icon::Stop);
        return {GridEffect::LockedNoDrag, GridDialog::None, -1, source, day, pair};
    }
    // What the move may have to give back if the target cannot take the pairing.
    const model::History history = doc_.History;
    const Board board = board_;
    const bool modified = doc_.Modified;

    const int removed = RemovePair(doc_, board_, source, pair, day);
    if (removed != kAssignDone) return {GridEffect::AssignRefused, GridDialog::None, removed, source, day, pair};
    const int result = AssignPair(doc_, board_, ui_, target, pair, day, false);
    if (result == kAssignDone) return {GridEffect::Moved, GridDialog::None, result, target, day, pair};

    // Straight back where it came from, as if the drag never happened: no question asked
    // again of the source row, and nothing of it left in the history.
    doc_.History = history;
    board_ = board;
    PutBackPair(doc_, board_, source, pair, day);
    doc_.Modified = modified;
    ui_.Beep();
    return {GridEffect::MovedBack, GridDialog::None, result, source, day, pair};
}

GridOutcome GridGestures::Paint(int crew, int day) {
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    const model::ToolboxButton& b = *tool_;
    if (b.value < 0) {
        // A day-off request marks the day; pressing it again on a marked day takes it off.
        if (p.EmployeeNumber == -1) return {};
        int8_t& request = p.DayFlagA[static_cast<size_t>(day)];
        const bool clearing = request != 0;
        request = clearing ? 0 : static_cast<int8_t>(-b.value);
        doc_.Modified = true;  // the request is saved with the month
        return {clearing ? GridEffect::RequestCleared : GridEffect::RequestMarked, GridDialog::None, -1, crew, day, -1};
    }
    if (CoveredByEarlierPairing(doc_, p, day)) return {GridEffect::Covered, GridDialog::None, -1, crew, day, -1};
    const model::TAbsence& a = b.activity;
    p.DayAssignment[static_cast<size_t>(day)] = model::kDayActivity;
    p.DayCode[static_cast<size_t>(day)] = a.Code;
    p.DayExtractCode[static_cast<size_t>(day)] = a.ExtractCode;
    p.DayActivity[static_cast<size_t>(day)] = {a.StartTime, a.Tafb(), a.Credit, a.HardTime, b.reserve ? 1 : 0,
                                               a.ContainsDuty ? 1 : 0, b.excludeCredit ? 1 : 0, a.CarsDuty ? 1 : 0,
                                               0, 0};
    ComputeCredit(doc_, crew, board_.IncludeExcludedCredit);
    ComputeReserveCutoff(doc_);
    CheckBlock(doc_, crew);
    doc_.Modified = true;
    return {GridEffect::Painted, GridDialog::None, -1, crew, day, -1};
}

GridOutcome GridGestures::RightClickName(int crew) {
    if (!ValidCrew(doc_, crew) || doc_.Crew[static_cast<size_t>(crew)].EmployeeNumber == -1) return {};
    return {GridEffect::Dialog, GridDialog::MoveOnRoster, -1, crew, -1, -1};
}

GridOutcome GridGestures::RightClick(int crew, int day, Keys keys) {
    if (!ValidCrew(doc_, crew) || !ValidCell(day)) return {};
    const TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    const int32_t cell = p.DayAssignment[static_cast<size_t>(day)];
    if (cell == model::kDayEmpty) return {GridEffect::Dialog, GridDialog::QuickEmployeeInfo, -1, crew, day, -1};
    if (cell == model::kDayActivity) return RemoveActivityByRightClick(crew, day, keys);
    if (cell >= 0 && p.EmployeeNumber != -1) return RemovePairingByRightClick(crew, day, keys);
    return {};
}

GridOutcome GridGestures::RemovePairingByRightClick(int crew, int day, Keys keys) {
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    const int32_t pair = p.DayAssignment[static_cast<size_t>(day)];
    TPair* q = pair <= doc_.LastPairIndex && pair < model::kPairSlots ? &doc_.Pairings[static_cast<size_t>(pair)] : nullptr;
    const GridOutcome declined{GridEffect::Declined, GridDialog::None, -1, crew, day, pair};
    const bool locked = p.DayLocked[static_cast<size_t>(day)] != 0;
    if (locked && ui_.Ask("Do you want to Send it to Open anyway", "This Pairing is Locked In") != platform::Answer::Yes)
        return declined;
    if (prefs_.HoldCtrlKey && !keys.ctrl) {
        char text[300];
        std::snprintf(text, sizeof text,
                      "Confirm remove %c%d from %s. Hold Ctrl Key down while Right Clicking to avoid this message",
                      q && !q->BaseEqpCode.empty() ? q->BaseEqpCode[0] : ' ', q ? q->PairNumber : 0, p.Name.c_str());
        if (ui_.Ask(text, "Linewright", platform::Buttons::YesNo, platform::Icon::None) != platform::Answer::Yes)
            return declined;
    }
    // The lock goes only once the planner has confirmed the removal too.
    RemovePair(doc_, board_, crew, pair, day, RemoveHow{true});
    RecomputeBalance();
    return {GridEffect::Removed, GridDialog::None, -1, crew, day, pair};
}

GridOutcome GridGestures::RemoveActivityByRightClick(int crew, int day, Keys keys) {
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    if (!keys.shift) {
        const std::string text = "Confirm remove " + p.DayCode[static_cast<size_t>(day)] + " from " + p.Name +
                                 ". Hold Shift Key down while Right Clicking to avoid this message";
        if (ui_.Ask(text, "Linewright", platform::Buttons::YesNo, platform::Icon::None) != platform::Answer::Yes)
            return {GridEffect::Declined, GridDialog::None, -1, crew, day, -1};
    }
    p.DayActivity[static_cast<size_t>(day)] = {};
    p.DayCode[static_cast<size_t>(day)].clear();
    p.DayExtractCode[static_cast<size_t>(day)].clear();
    p.DayAssignment[static_cast<size_t>(day)] = model::kDayEmpty;
    doc_.Modified = true;
    RightClickFollowUp(crew);
    return {GridEffect::Removed, GridDialog::None, -1, crew, day, -1};
}

void GridGestures::RightClickFollowUp(int crew) {
    ComputeCredit(doc_, crew, board_.IncludeExcludedCredit);
    ComputeReserveCutoff(doc_);
    RecomputeBalance();
    CheckBlock(doc_, crew);
    if (doc_.CrewGroup == model::kCaptains) CheckTwoCaptains(doc_);
    board_.OpenTime = OpenTimeTotal(doc_);
}

bool GridGestures::StoreActivityDetails(int crew, int day, const ActivityDetails& details) {
    if (!ValidCrew(doc_, crew) || !ValidCell(day) || details.readOnly) return false;
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    if (p.DayAssignment[static_cast<size_t>(day)] != model::kDayActivity) return false;
    model::DayValues& v = p.DayActivity[static_cast<size_t>(day)];
    if (HasDigit(details.start)) {
        v[model::kActStart] = EntryMinutes(details.start, true);
        v[model::kActDuration] = EntryMinutes(details.atWork, true);
    } else {
        v[model::kActStart] = 0;
        v[model::kActDuration] = 0;
    }
    v[model::kActCredit] = EntryMinutes(details.credit, false);
    v[model::kActHardTime] = EntryMinutes(details.hardTime, true);
    v[model::kActReserve] = details.reserve ? 1 : 0;
    v[model::kActContainsDuty] = details.containsDuty ? 1 : 0;
    v[model::kActExcludeCredit] = details.excludeCredit ? 1 : 0;
    v[model::kActCarsDuty] = details.carsDuty ? 1 : 0;
    CheckBlock(doc_, crew);
    ComputeCredit(doc_, crew, board_.IncludeExcludedCredit);
    doc_.Modified = true;
    return true;
}

void GridGestures::StoreQuickEmployeeInfo(int crew, bool bidsReserve, bool blockComplete) {
    if (!ValidCrew(doc_, crew)) return;
    TPilot& p = doc_.Crew[static_cast<size_t>(crew)];
    const int32_t complete = blockComplete ? 1 : 0;
    if (p.BidsReserve != bidsReserve || p.BlockComplete != complete) doc_.Modified = true;
    p.BidsReserve = bidsReserve;
    p.BlockComplete = complete;
    RightClickFollowUp(crew);
}

}  // namespace lw::rules
