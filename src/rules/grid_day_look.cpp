#include "rules/grid_day_look.h"

#include <algorithm>
#include <cstdio>

#include "model/rest_rules.h"
#include "rules/check_support.h"
#include "rules/pair_properties.h"
#include "rules/view_filter.h"

namespace lw::rules {

namespace {

constexpr int8_t kOwnGdo = 13;
constexpr int8_t kOwnPdo = 14;

std::string PairingNumber(int32_t number, bool full) {
    char text[16];
    std::snprintf(text, sizeof text, full ? "%04d" : "%03d", full ? number : number % 1000);
    return text;
}

GridColour TypeColour(int32_t type) {
    switch (type) {
        case kLineIndocDay: return GridColour::LineIndoc;
        case kLineCheckDay: return GridColour::LineCheck;
        case kRecurrentCheckDay: return GridColour::RecurrentLck;
        default: return GridColour::DutyTime;
    }
}

void LookOfPairing(const model::Document& doc, const model::TPilot& m, const model::TPair& q, int d,
                   const GridLookPrefs& prefs, GridDayLook& look) {
    const size_t i = static_cast<size_t>(d);
    const bool inMonth = d < model::kMonthDays;
    const bool purser = q.PairType == "PU";
    const int length = std::max<int>(1, q.PairLength);
    look.barFrom = q.ReportTime;
    look.barTo = q.Tafb > 0 ? q.ReportTime + q.Tafb : (length - 1) * base::kMinutesPerDay + q.ReleaseTime;
    look.bar = inMonth && q.DayStatus[i] < 0 ? DutyBar::Transient : DutyBar::Solid;
    look.barColour = purser ? GridColour::Purser : TypeColour(inMonth ? q.DayPairingType[i] : kNormalDay);
    look.restMinutes = model::MinimumRest(doc.IsFlightAttendants());
    // A purser's rest shows in the duty colour.
    look.restColour = purser ? GridColour::DutyTime : GridColour::RestTime;
    for (int k = 0; k < length && d + k < model::kDayCells; ++k)
        if (m.DayFlagA[static_cast<size_t>(d + k)] != 0) look.overDaysOff |= uint64_t{1} << k;
    if (prefs.layovers) {
        look.layovers = q.Layovers;
        look.nights = std::min(length - 1, model::kDayCells - 1 - d);
        look.fullLayovers = prefs.showFullLayOver;
    }
    look.text = PairingNumber(q.PairNumber, prefs.showFullPair);
    look.textColour = static_cast<GridColour>(static_cast<int>(GridColour::Credit0) + std::clamp<int>(q.CreditClass(), 0, 3));
    look.locked = m.DayLocked[i] != 0;
}

void LookOfActivity(const model::Document& doc, const model::TPilot& m, int d, GridDayLook& look) {
    const size_t i = static_cast<size_t>(d);
    const std::string_view code = CodeWithoutBlank(m.DayCode[i]);
    const int8_t request = m.DayFlagA[i];
    if (doc.IsFlightAttendants() && code == "RB") {
        const model::DayValues& v = m.DayActivity[i];
        look.reserveFrom = v[model::kActStart];
        look.reserveMinutes = v[model::kActDuration];
    }
    look.text = code;
    look.centred = code.size() < 3;
    // A day off given on the member's own request is no longer an unmet request.
    const bool ownRequest = (code == "GDO" && request == kOwnGdo) || (code == "PDO" && request == kOwnPdo);
    look.textColour = request != 0 && !ownRequest ? GridColour::Red : GridColour::Black;
}

}  // namespace

GridDayLook LookOfDay(const model::Document& doc, int crew, int d, const GridLookPrefs& prefs, int proposedPair) {
    GridDayLook look;
    if (crew < 0 || crew >= static_cast<int>(doc.Crew.size()) || d < 0 || d >= model::kDayCells) return look;
    const model::TPilot& m = doc.Crew[static_cast<size_t>(crew)];
    const size_t i = static_cast<size_t>(d);
    const int32_t cell = m.DayAssignment[i];
    if (const model::TPair* q = blockcheck::PairOn(doc, m, d)) {
        LookOfPairing(doc, m, *q, d, prefs, look);
    } else if (cell == model::kDayActivity) {
        LookOfActivity(doc, m, d, look);
    } else if (cell == model::kDayEmpty && m.DayFlagA[i] != 0) {
        look.text = RequestCodeText(m.DayFlagA[i]);
        look.textColour = GridColour::DarkGray;
    }
    if (cell == model::kDayEmpty && proposedPair >= 0 && static_cast<size_t>(proposedPair) < doc.Pairings.size())
        look.proposed = PairingNumber(doc.Pairings[static_cast<size_t>(proposedPair)].PairNumber, prefs.showFullPair);
    look.illegal = m.DayIllegal[i] != 0;
    look.warning = m.DayWarning[i] != 0;
    if (d == 0) {
        look.checkInBar = std::max<int32_t>(m.LegalCheckIn, 0);
        look.fromLastMonth = m.IllegalRunFromLastMonth || m.WarningRunFromLastMonth;
    }
    return look;
}

std::string_view LayoverAfter(const GridDayLook& look, int k) {
    const size_t at = static_cast<size_t>(k - 1) * 3;
    if (k < 1 || k > look.nights || at + 3 > look.layovers.size()) return {};
    std::string_view station = look.layovers.substr(at, 3);
    if (!look.fullLayovers) station.remove_prefix(1);
    return station;
}

}  // namespace lw::rules
