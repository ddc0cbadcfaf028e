#include "rules/pairings_look.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/time_text.h"

namespace lw::rules {

namespace {

using base::kMinutesPerDay;

const model::TPair* PairingAt(const model::Document& doc, int pair) {
    if (pair < 0 || pair > doc.LastPairIndex || pair >= static_cast<int>(doc.Pairings.size())) return nullptr;
    return &doc.Pairings[static_cast<size_t>(pair)];
}

bool HeldByFrenchSpeaker(const model::Document& doc, int pair, int day) {
    const int crew = std::min<int>(doc.CrewCount, static_cast<int>(doc.Crew.size()));
    for (int c = 0; c < crew; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.DayAssignment[static_cast<size_t>(day)] == pair && p.LanguageBits != 0) return true;
    }
    return false;
}

}  // namespace

bool WantsFrenchSpeaker(const model::Document& doc, int pair, int day) {
    const model::TPair* q = PairingAt(doc, pair);
    if (!q || !doc.IsFlightAttendants() || day < 0 || day >= model::kMonthDays) return false;
    if (!q->IsFrenchPairing()) return false;
    const int last = std::min<int>(doc.LastPairIndex, static_cast<int>(doc.Pairings.size()) - 1);
    for (int t = 0; t <= last; ++t) {
        const model::TPair& twin = doc.Pairings[static_cast<size_t>(t)];
        if (t == pair || twin.PairNumber != q->PairNumber) continue;
        if (twin.IsOpen(day)) return false;
        if (twin.IsTaken(day) && HeldByFrenchSpeaker(doc, t, day)) return false;
    }
    return true;
}

InstanceLook LookOfInstance(const model::Document& doc, int pair, int day, uint8_t category,
                            const PairingsLookPrefs& prefs) {
    InstanceLook look;
    const model::TPair* q = PairingAt(doc, pair);
    if (!q || day < 0 || day >= model::kMonthDays) return look;
    const size_t d = static_cast<size_t>(day);
    const int32_t status = q->DayStatus[d];
    const bool taken = std::abs(status) == 2;

    char number[16];
    std::snprintf(number, sizeof number, "%04d", q->PairNumber);
    look.number = number;
    if (!prefs.showFullPair && look.number.size() > 3) look.number.erase(0, look.number.size() - 3);
    look.category = category;

    const int32_t length = std::max<int32_t>(q->PairLength, 1);
    look.barFrom = q->ReportTime;
    look.barTo = (length - 1) * kMinutesPerDay + q->ReleaseTime;
    if (status < 0) {
        look.fill = BarFill::TransientMark;
    } else if (q->DayPairingType[d] == 1) {
        look.fill = BarFill::LineIndoc;
    } else if (q->DayPairingType[d] == 2) {
        look.fill = BarFill::LineCheck;
    } else if (q->DayPairingType[d] == 3) {
        look.fill = BarFill::RecurrentLck;
    } else {
        look.fill = taken ? BarFill::Taken : BarFill::Category;
    }
    if (taken) look.takenDays = std::max<int32_t>(q->WorkDays, 1);

    look.bold = WantsFrenchSpeaker(doc, pair, day);
    look.purser = q->PairType == "PU";

    if (q->WorkDays > 1) {
        if (prefs.layovers) {
            // One station per night, into the cells after the start; never past the trip's last day.
            const size_t nights = static_cast<size_t>(length - 1);
            for (size_t k = 0; k < nights && (k + 1) * 3 <= q->Layovers.size(); ++k) {
                const std::string station = q->Layovers.substr(k * 3, 3);
                look.layovers.push_back(prefs.showFullLayOver ? station : station.substr(1));
            }
        } else {
            look.arrowTo = length - 1;
        }
    }
    return look;
}

std::string OpenOnlyCaption(const model::Document& doc) {
    if (doc.IsFlightAttendants()) {
        if (doc.FiltersOn) return "Filters On";
        return doc.ShowTakenPairings ? "Filters Off" : "";
    }
    return doc.FiltersOn ? "Filters On for " + doc.FilterOwnerName : "Filters Off";
}

}  // namespace lw::rules
