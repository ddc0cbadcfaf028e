#include "rules/whos_legal.h"

#include "bids/filters.h"
#include "base/text.h"
#include "base/time_text.h"
#include "model/rest_rules.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using base::PrintfString;

constexpr std::string_view kCrewRestMarker = "***";
constexpr int kFiguredPairingDays = 6;

bool ValidPair(const Document& doc, int pair) {
    return pair >= 0 && pair <= doc.LastPairIndex && pair < model::kPairSlots;
}
bool ValidMonthDay(const Document& doc, int day) { return day >= 0 && day < doc.DayCount && day < model::kMonthDays; }

std::string FilterNote(const Document& doc) {
    if (!doc.FiltersOn) return " - Filters Off";
    if (doc.IsFlightAttendants()) return " Filters On";
    return " - Filters On for " + doc.FilterOwnerName;
}

// The crew rest code written after "***" in the pairing text.
std::string CrewRestCode(const TPair& q) {
    const size_t at = q.PairText.find(kCrewRestMarker);
    if (at == std::string::npos || q.PairText.size() <= at + 11) return "CRA?";
    return q.PairText.substr(at + 4, 7);
}

std::string KeyFigures(const Document& doc, const TPair& q) {
    int32_t hard = 0;
    int32_t duty = 0;
    for (int k = 0; k < kFiguredPairingDays; ++k) {
        hard += q.DailyHardTime[static_cast<size_t>(k)];
        duty += q.DailyDuty[static_cast<size_t>(k)];
    }
    const int32_t rest = doc.IsFlightAttendants() ? model::kCabinRest : q.RestAfter;
    // The clock time from which the crew may report again, whatever day that falls on.
    int32_t legal = (q.ReleaseTime + rest) % base::kMinutesPerDay;
    if (legal < 0) legal += base::kMinutesPerDay;
    return base::PrintfString("Pair %d   On %02d:%02d   Off %02d:%02d   Credit %d:%02d  Hard %s  Duty %s  Legal %d:%02d  %s ",
                        q.PairNumber, q.ReportTime / 60, q.ReportTime % 60, q.ReleaseTime / 60, q.ReleaseTime % 60,
                        q.TotalCredit / 60, q.TotalCredit % 60, base::FormatTime(hard).c_str(),
                        base::FormatTime(duty).c_str(), legal / 60, legal % 60, CrewRestCode(q).c_str()) +
           FilterNote(doc);
}

int HolderOf(const Document& doc, int pair, int day) {
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c)
        if (doc.Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(day)] == pair) return c;
    return -1;
}

std::string HolderText(const Document& doc, const TPair& q, int pair, int day) {
    const int dayOfMonth = doc.DayDate[static_cast<size_t>(day)].day;
    const int holder = HolderOf(doc, pair, day);
    const std::string name = holder >= 0 ? doc.Crew[static_cast<size_t>(holder)].Name : std::string();
    return base::PrintfString("Pair %d on the %d%s assigned to %s (%d)", q.PairNumber, dayOfMonth,
                        DaySuffix(dayOfMonth).c_str(), name.c_str(), holder + 1) +
           FilterNote(doc);
}

}  // namespace

std::string DaySuffix(int dayOfMonth) {
    switch (dayOfMonth) {
        case 1: case 21: case 31: return "st";
        case 2: case 22: return "nd";
        case 3: case 23: return "rd";
        default: return "th";
    }
}

PickOutcome SelectPairing(Document& doc, Board& board, const PairingsLayout& layout, int day, int row) {
    PickOutcome out;
    if (day < 0 || day >= model::kMonthDays || row < 0 || row >= layout.rowCount) return out;
    const int32_t pair = layout.Cell(day, row);
    if (!ValidPair(doc, pair) || !ValidMonthDay(doc, day)) return out;
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    out.pair = pair;
    out.day = day;

    const bool again = board.Selected == PairingPick{pair, day, row};
    const bool lastAssigned = board.LastAssigned.pair == pair && board.LastAssigned.day == day &&
                              (board.LastAssigned.row < 0 || board.LastAssigned.row == row) && q.IsTaken(day);
    if (again || lastAssigned) {
        out.kind = PickKind::OpenText;
        return out;
    }
    if (q.IsOpen(day)) {
        board.Selected = {pair, day, row};
        out.kind = PickKind::Selected;
        out.stopPainting = true;
        out.status = KeyFigures(doc, q);
        return out;
    }
    if (q.IsTaken(day)) {
        out.kind = PickKind::Described;
        out.status = HolderText(doc, q, pair, day);
        return out;
    }
    out = {};
    return out;
}

WhosLegalLists WhosLegal(Document& doc, int pair, int day) {
    WhosLegalLists lists;
    if (!ValidPair(doc, pair) || !ValidMonthDay(doc, day)) return lists;
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    const base::CalendarDate date = doc.DayDate[static_cast<size_t>(day)];
    lists.caption =
        base::PrintfString("Linewright - %04d on %02d %s", q.PairNumber, date.day, base::MonthLabel(date.month).c_str());

    const int crew = doc.CrewCount < model::kCrewRows ? doc.CrewCount : model::kCrewRows;
    std::vector<bool> legal(static_cast<size_t>(crew > 0 ? crew : 0), false);
    for (int c = 0; c < crew; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        // Reserve bidders and reserve lines are not offered trips.
        if (p.BidsReserve || p.ReserveLine) continue;
        const int trial = TrialAssign(doc, c, pair, day);
        if (trial == kTrialLegal)
            lists.legal.push_back(base::PrintfString("%03d %s", c + 1, p.Name.c_str()));
        else if (trial == kTrialException)
            lists.legal.push_back(base::PrintfString("%03d Exception-> %s", c + 1, p.Name.c_str()));
        legal[static_cast<size_t>(c)] = trial != kTrialRefused;
    }

    for (int c = 0; c < crew; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        const bids::SavedFilter saved = bids::ParseSavedFilter(p.SavedFilters);
        if (!saved.present) continue;
        for (int number : saved.numbers) {
            if (number != q.PairNumber) continue;
            lists.bidders.push_back(legal[static_cast<size_t>(c)] ? base::PrintfString("%03d <<< %s", c + 1, p.Name.c_str())
                                                                 : base::PrintfString("%03d %s", c + 1, p.Name.c_str()));
            break;
        }
    }
    return lists;
}

bool AssignFromWhosLegal(Document& doc, Board& board, platform::Interaction& ui, std::string_view selectedLine,
                         int pair, int day) {
    if (selectedLine.empty()) {
        ui.Message("You have not Selected an Employee", "Linewright", platform::Icon::Information);
        return false;
    }
    const int position = base::LeadingInt(selectedLine.substr(0, 3));
    const int result = AssignPair(doc, board, ui, position - 1, pair, day, false);
    if (result == kAssignDone || result == kAssignReserveDeclined) return true;
    ui.Message(AssignResultMessage(result), "Linewright", platform::Icon::Information);
    return false;
}

}  // namespace lw::rules
