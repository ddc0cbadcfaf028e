#pragma once
// A captains' April 2026 (it starts on a Wednesday) as the published pages and the clipboard
// texts see it: a line with a trip, a three-day vacation, a B reserve past midnight, an
// activity without a CrewTrac code, day-off requests and a reserve on the last night; an
// open-time line; a captain-pairings line; a line with carried-in work, a late-release trip,
// a four-day trip over two layovers and a trip running past the month end; an empty line.
#include <memory>
#include <string>

#include "output/crewtrac_month.h"

namespace lw::test {

inline void SetLayovers(model::Document& doc, int pair, const char* stations) {
    doc.Pairings[static_cast<size_t>(pair)].Layovers = stations;
}

inline std::unique_ptr<model::Document> PublishPilotMonth(const std::string& file) {
    auto doc = MakeMonth(model::kCaptains);
    doc->CurrentFileName = file;
    const int trip = AddPairing(*doc, {.number = 1001, .length = 3}, {2});
    SetLayovers(*doc, trip, "YULYVR");
    doc->Pairings[static_cast<size_t>(trip)].PairText = "V1001 REPORT 08:00\n YYZ-YUL\n YUL-YVR\n YVR-YYZ\n";
    const int day = AddPairing(*doc, {.number = 1002}, {4});
    const int capt = AddPairing(*doc, {.number = 1003}, {7});
    // Reports at 22:00 and flies through the night: released at 05:00 the next morning.
    const int late = AddPairing(*doc, {.number = 1005, .report = 1320, .release = 300, .length = 2}, {6});
    doc->Pairings[static_cast<size_t>(late)].LateRelease = true;
    SetLayovers(*doc, late, "YOW");
    const int four = AddPairing(*doc, {.number = 1004, .length = 4}, {20});
    SetLayovers(*doc, four, "YHZYQB");
    const int past = AddPairing(*doc, {.number = 1006, .length = 3, .base = 'W'}, {28});
    SetLayovers(*doc, past, "YYCYEG");

    const int smith = AddCrew(*doc, "J SMITH", 123456);
    Hold(*doc, smith, trip, 2);
    for (int d = 9; d <= 11; ++d) PutTableActivity(*doc, smith, d, "VC");
    PutTableActivity(*doc, smith, 19, "RB");
    PutDayActivity(*doc, smith, 24, ActivityPlan{"XYZ", "--", 600, 60});
    PutTableActivity(*doc, smith, 29, "RA", 1200, 600, true);
    model::TPilot& s = doc->Crew[static_cast<size_t>(smith)];
    s.DraftCredits = 120;
    s.DayFlagA[5] = 1;
    s.DayFlagA[13] = 13;
    s.DayFlagA[19] = 12;

    Hold(*doc, AddCrew(*doc, "OPEN TIME", 0), day, 4);
    doc->Crew[1].EmployeeNumber = 0;
    Hold(*doc, AddCrew(*doc, "CAPT PAIRINGS", -1), capt, 7);

    const int jones = AddCrew(*doc, "A JONES", 234567);
    model::TPilot& j = doc->Crew[static_cast<size_t>(jones)];
    j.CreditCarriedIn = 300;
    j.LegalCheckIn = 2 * 1440 + 300;  // legal again at 05:00 on the 3rd
    Hold(*doc, jones, late, 6);
    Hold(*doc, jones, four, 20);
    Hold(*doc, jones, past, 28);

    AddCrew(*doc, "B LEE, JR", 345678);
    for (int c = 0; c < doc->CrewCount; ++c) rules::ComputeCredit(*doc, c, false);
    return doc;
}

}  // namespace lw::test
