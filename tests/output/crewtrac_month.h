#pragma once
// A captains' April 2026 as the CrewTrac hand-over sees it: a line with a trip, a vacation run
// and both reserve kinds, an open-time line, a captain-pairings line, and three draft credit
// cases (room on day 2, room only after carried-in work and a B reserve, no room at all).
#include <memory>
#include <string>

#include "rules/engine_month.h"

namespace lw::test {

inline void PutTableActivity(model::Document& doc, int crew, int day, const char* code, int32_t start = -1,
                             int32_t length = -1, bool reserve = false) {
    ActivityPlan plan = TableActivity(doc, code);
    if (start >= 0) plan.start = start;
    if (length >= 0) plan.length = length;
    plan.reserve = plan.reserve || reserve;
    PutDayActivity(doc, crew, day, plan);
}

inline std::unique_ptr<model::Document> CrewTracPilotMonth(const std::string& file) {
    auto doc = MakeMonth(model::kCaptains);
    doc->CurrentFileName = file;
    const int trip = AddPairing(*doc, {.number = 1001, .length = 3}, {2, 9});
    const int day = AddPairing(*doc, {.number = 1002}, {4});
    const int two = AddPairing(*doc, {.number = 1003, .length = 2}, {3});

    const int adams = AddCrew(*doc, "ADAMS, ANN", 123456);
    Hold(*doc, adams, trip, 2);
    for (int d = 9; d <= 11; ++d) PutTableActivity(*doc, adams, d, "VC");
    PutTableActivity(*doc, adams, 19, "RB", 1200, 600, true);
    PutTableActivity(*doc, adams, 24, "RA", 1200, 600, true);
    PutDayActivity(*doc, adams, 27, ActivityPlan{"XYZ", "--", 600, 60});
    doc->Crew[static_cast<size_t>(adams)].PrevDayData[31][model::kPrevHardTime] = 60;
    doc->Crew[static_cast<size_t>(adams)].CreditHours = 12;
    doc->Crew[static_cast<size_t>(adams)].CreditMinutes = 30;

    const int open = AddCrew(*doc, "OPEN", 0);
    doc->Crew[static_cast<size_t>(open)].EmployeeNumber = 0;
    Hold(*doc, open, day, 4);

    AddCrew(*doc, "CAPTAIN PAIRINGS", -1);

    const int baker = AddCrew(*doc, "BAKER, BEN", 234567);
    doc->Crew[static_cast<size_t>(baker)].DraftCredits = 1;

    const int cole = AddCrew(*doc, "COLE, CAL", 345678);
    model::TPilot& c = doc->Crew[static_cast<size_t>(cole)];
    c.DraftCredits = 1;
    c.CreditCarriedIn = 300;
    c.LegalCheckIn = 2 * 1440 + 300;
    Hold(*doc, cole, two, 3);
    PutTableActivity(*doc, cole, 5, "RB", 1200, 600, true);

    const int davis = AddCrew(*doc, "DAVIS, DON", 456789);
    doc->Crew[static_cast<size_t>(davis)].DraftCredits = 1;
    for (int d = 0; d < doc->DayCount; ++d) PutTableActivity(*doc, davis, d, "VC");
    return doc;
}

// The record text padded to a whole LIN line with its line end.
inline std::string LinLine(const std::string& text) { return text + std::string(1320 - text.size(), ' ') + "\r\n"; }
inline const std::string kNoNotes = "01" + std::string(48, ' ');
inline const std::string k14 = std::string(14, ' ');
inline const std::string k20 = std::string(20, ' ');

}  // namespace lw::test
