#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/pilot.h"

namespace lw::model {
namespace {

// A crew member with every field set to something other than its cleared value.
TPilot FilledPilot() {
    TPilot p;
    for (int d = 0; d < kDayCells; ++d) {
        const auto i = static_cast<size_t>(d);
        p.DayAssignment[i] = d % 3 == 0 ? kDayActivity : d;
        p.DayCode[i] = "VAC";
        p.DayExtractCode[i] = "VC";
        p.DayText[i] = "RB";
        for (int v = 0; v < kDayValues; ++v) {
            p.DayActivity[i][static_cast<size_t>(v)] = 100 * d + v + 1;
            p.PrevDayData[i][static_cast<size_t>(v)] = 200 * d + v + 1;
        }
        p.DayFlagA[i] = 13;
        p.DayLocked[i] = 1;
        p.DayIllegal[i] = 1;
        p.DayWarning[i] = 1;
    }
    for (auto& w : p.RuleWindow) w = {1, 2, 3};
    p.ViewMarks.fill(1);
    p.Name = "TREMBLAY J";
    p.Phone1 = "514-555-0101";
    p.Phone2 = "514-555-0102";
    p.QuickNotes = "prefers mornings";
    p.IllegalText = "Rest < 11:00";
    p.RuleLog = "60/7+";
    p.WarningText = "Min Block";
    p.SavedFilters = "8101";
    p.BidText = "WEEKENDS OFF";
    p.RosterStatus = "RB";
    p.ReservedText = "x";
    p.EmployeeNumber = 123456;
    p.ReservedValueA = 1;
    p.OnLongLeave = 1;
    p.DraftCredits = 60;
    p.ExtraCredits = 120;
    p.ReservedValueB = 2;
    p.TimeBank = 180;
    p.TimeBankCodeTotal = 240;
    p.AlbTotal = 300;
    p.TrainingAtHome = 360;
    p.OutsideW = true;
    p.CreditCarriedIn = 90;
    p.LegalCheckIn = 390;
    p.ReservedSettingsA = {3, 4};
    p.BlockComplete = 1;
    p.MinBlock = 4800;
    p.MaxBlock = 5100;
    p.MinDaysOff = 12;
    p.Qualification = 3;
    p.LanguageBits = 3;
    p.TrainingFlag = 1;
    p.NoTz = 1;
    p.NoYcg = 1;
    p.ReservedSettingsB = {5, 6, 7, 8, 9, 10, 11};
    p.BidsReserve = true;
    p.ReserveLine = 1;
    p.CreditHours = 80;
    p.CreditMinutes = 30;
    p.Selected = 1;
    p.RulesChecked = 0;
    p.ExportMark = 0;
    return p;
}

// Every field but WarningText.
void ExpectSameMember(const TPilot& a, const TPilot& b) {
    EXPECT_EQ(a.DayAssignment, b.DayAssignment);
    EXPECT_EQ(a.DayCode, b.DayCode);
    EXPECT_EQ(a.DayExtractCode, b.DayExtractCode);
    EXPECT_EQ(a.DayActivity, b.DayActivity);
    EXPECT_EQ(a.DayFlagA, b.DayFlagA);
    EXPECT_EQ(a.DayLocked, b.DayLocked);
    EXPECT_EQ(a.DayIllegal, b.DayIllegal);
    EXPECT_EQ(a.DayWarning, b.DayWarning);
    EXPECT_EQ(a.PrevDayData, b.PrevDayData);
    EXPECT_EQ(a.DayText, b.DayText);
    EXPECT_EQ(a.RuleWindow, b.RuleWindow);
    EXPECT_EQ(a.ViewMarks, b.ViewMarks);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Phone1, b.Phone1);
    EXPECT_EQ(a.Phone2, b.Phone2);
    EXPECT_EQ(a.QuickNotes, b.QuickNotes);
    EXPECT_EQ(a.IllegalText, b.IllegalText);
    EXPECT_EQ(a.RuleLog, b.RuleLog);
    EXPECT_EQ(a.SavedFilters, b.SavedFilters);
    EXPECT_EQ(a.BidText, b.BidText);
    EXPECT_EQ(a.RosterStatus, b.RosterStatus);
    EXPECT_EQ(a.ReservedText, b.ReservedText);
    EXPECT_EQ(a.EmployeeNumber, b.EmployeeNumber);
    EXPECT_EQ(a.ReservedValueA, b.ReservedValueA);
    EXPECT_EQ(a.OnLongLeave, b.OnLongLeave);
    EXPECT_EQ(a.DraftCredits, b.DraftCredits);
    EXPECT_EQ(a.ExtraCredits, b.ExtraCredits);
    EXPECT_EQ(a.ReservedValueB, b.ReservedValueB);
    EXPECT_EQ(a.TimeBank, b.TimeBank);
    EXPECT_EQ(a.TimeBankCodeTotal, b.TimeBankCodeTotal);
    EXPECT_EQ(a.AlbTotal, b.AlbTotal);
    EXPECT_EQ(a.TrainingAtHome, b.TrainingAtHome);
    EXPECT_EQ(a.OutsideW, b.OutsideW);
    EXPECT_EQ(a.SettingsArray(), b.SettingsArray());
    EXPECT_EQ(a.BidsReserve, b.BidsReserve);
    EXPECT_EQ(a.ReserveLine, b.ReserveLine);
    EXPECT_EQ(a.CreditHours, b.CreditHours);
    EXPECT_EQ(a.CreditMinutes, b.CreditMinutes);
    EXPECT_EQ(a.Selected, b.Selected);
    EXPECT_EQ(a.RulesChecked, b.RulesChecked);
    EXPECT_EQ(a.ExportMark, b.ExportMark);
}

void ExpectResetState(const TPilot& p) {
    for (int d = 0; d < kDayCells; ++d) {
        SCOPED_TRACE(testing::Message() << "day cell " << d);
        const auto i = static_cast<size_t>(d);
        EXPECT_EQ(p.DayAssignment[i], -1);
        EXPECT_EQ(p.DayCode[i], "");
        EXPECT_EQ(p.DayExtractCode[i], "");
        EXPECT_EQ(p.DayText[i], "");
        EXPECT_EQ(p.DayActivity[i], DayValues{});
        EXPECT_EQ(p.PrevDayData[i], DayValues{});
        EXPECT_EQ(p.DayFlagA[i], 0);
        EXPECT_EQ(p.DayLocked[i], 0);
        EXPECT_EQ(p.DayIllegal[i], 0);
        EXPECT_EQ(p.DayWarning[i], 0);
    }
    for (const auto& w : p.RuleWindow) EXPECT_EQ(w, (std::array<int32_t, 3>{}));
    EXPECT_EQ(p.ViewMarks, (std::array<int8_t, kViewMarks>{}));
    for (const std::string* s : {&p.Name, &p.Phone1, &p.Phone2, &p.QuickNotes, &p.IllegalText, &p.RuleLog,
                                 &p.SavedFilters, &p.BidText, &p.RosterStatus, &p.ReservedText})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(p.EmployeeNumber, 0);
    EXPECT_EQ(p.ReservedValueA, 0);
    EXPECT_EQ(p.OnLongLeave, 0);
    EXPECT_EQ(p.DraftCredits, 0);
    EXPECT_EQ(p.ExtraCredits, 0);
    EXPECT_EQ(p.ReservedValueB, 0);
    EXPECT_EQ(p.TimeBank, 0);
    EXPECT_EQ(p.TimeBankCodeTotal, 0);
    EXPECT_EQ(p.AlbTotal, 0);
    EXPECT_EQ(p.TrainingAtHome, 0);
    EXPECT_FALSE(p.OutsideW);
    EXPECT_EQ(p.SettingsArray(), (std::array<int32_t, TPilot::kSettingsCount>{}));
    EXPECT_FALSE(p.BidsReserve);
    EXPECT_EQ(p.ReserveLine, 0);
    EXPECT_EQ(p.CreditHours, 0);
    EXPECT_EQ(p.CreditMinutes, 0);
    EXPECT_EQ(p.Selected, 0);
    EXPECT_EQ(p.RulesChecked, 1);
    EXPECT_EQ(p.ExportMark, 1);
}

TEST(PilotRecord, NewRecordHasNothingAssigned) {
    const TPilot p;
    ExpectResetState(p);
    EXPECT_EQ(p.WarningText, "");
}

TEST(PilotRecord, ResetClearsEverythingButTheWarnings) {
    TPilot p = FilledPilot();
    p.Reset();
    ExpectResetState(p);
    EXPECT_EQ(p.WarningText, "Min Block");
}

TEST(PilotRecord, CopyFromTakesEverythingButTheWarnings) {
    const TPilot source = FilledPilot();
    TPilot copy;
    copy.WarningText = "own warnings";
    copy.CopyFrom(source);
    ExpectSameMember(copy, source);
    EXPECT_EQ(copy.WarningText, "own warnings");

    copy.CopyFrom(copy);
    ExpectSameMember(copy, source);
    EXPECT_EQ(copy.WarningText, "own warnings");
}

TEST(PilotRecord, SettingsArrayKeepsTheSavedOrder) {
    const std::array<int32_t, TPilot::kSettingsCount> saved = {90, 390, 3, 4, 1, 4800, 5100, 12, 3, 3,
                                                               1,  1,   1, 5, 6, 7,    8,    9,  10, 11};
    EXPECT_EQ(FilledPilot().SettingsArray(), saved);

    TPilot q;
    q.SetSettingsArray(saved);
    EXPECT_EQ(q.SettingsArray(), saved);
    EXPECT_EQ(q.CreditCarriedIn, 90);
    EXPECT_EQ(q.LegalCheckIn, 390);
    EXPECT_EQ(q.BlockComplete, 1);
    EXPECT_EQ(q.MinBlock, 4800);
    EXPECT_EQ(q.MaxBlock, 5100);
    EXPECT_EQ(q.MinDaysOff, 12);
    EXPECT_EQ(q.Qualification, 3);
    EXPECT_EQ(q.LanguageBits, 3);
    EXPECT_EQ(q.TrainingFlag, 1);
    EXPECT_EQ(q.NoTz, 1);
    EXPECT_EQ(q.NoYcg, 1);
}

TEST(PilotRecord, LongLeaveNeedsALongLeaveCodeOnEveryDay) {
    const std::vector<std::string> allCodes = {"LOA", "PSD", "UTF", "MAT", "MED", "WCB", "LTD", "PWC", "MOD"};
    struct Case {
        const char* name;
        int dayCount;
        // Codes of the month's days, cycled.
        std::vector<std::string> codes;
        int plainDay;  // -1: none
        const char* plainCode;
        int32_t onLongLeave;
    };
    const Case cases[] = {
        {"LOA all month", 30, {"LOA"}, -1, "", 1},
        {"every long-leave code", 31, allCodes, -1, "", 1},
        {"one vacation day", 30, {"LOA"}, 17, "VAC", 0},
        {"one empty day", 30, {"LOA"}, 0, "", 0},
        {"last day plain", 30, {"LOA"}, 29, "RB ", 0},
        {"day after the month plain", 30, {"LOA"}, 30, "VAC", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPilot p;
        p.OnLongLeave = 1 - c.onLongLeave;
        for (int d = 0; d < kDayCells; ++d)
            p.DayCode[static_cast<size_t>(d)] = c.codes[static_cast<size_t>(d) % c.codes.size()];
        if (c.plainDay >= 0) p.DayCode[static_cast<size_t>(c.plainDay)] = c.plainCode;
        p.UpdateLongLeave(c.dayCount);
        EXPECT_EQ(p.OnLongLeave, c.onLongLeave);
    }
}

TEST(PilotRecord, OnePlainDayEndsLongLeave) {
    TPilot p;
    for (int d = 0; d < 30; ++d) p.DayCode[static_cast<size_t>(d)] = "LOA";
    p.UpdateLongLeave(30);
    ASSERT_EQ(p.OnLongLeave, 1);
    p.DayCode[12] = "";
    p.UpdateLongLeave(30);
    EXPECT_EQ(p.OnLongLeave, 0);
}

TEST(PilotRecord, ReserveDayAndReserveMember) {
    struct Case {
        const char* name;
        int reserveDay;  // -1: none
        bool bidsReserve;
        int8_t reserveLine;
        const char* rosterStatus;
        bool hasReserveDay;
        bool isReserve;
    };
    const Case cases[] = {
        {"nothing", -1, false, 0, "", false, false},
        {"reserve on the first day", 0, false, 0, "", true, true},
        {"reserve on the last day", 29, false, 0, "", true, true},
        {"reserve after the month", 30, false, 0, "", false, false},
        {"bids reserve", -1, true, 0, "", false, true},
        {"below the reserve line", -1, false, 1, "", false, true},
        {"roster status RB", -1, false, 0, "CA RB", false, true},
        {"roster status without RB", -1, false, 0, "R B", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPilot p;
        if (c.reserveDay >= 0) p.DayActivity[static_cast<size_t>(c.reserveDay)][kActReserve] = 1;
        // Other entries of a day do not make a reserve.
        p.DayActivity[3][kActContainsDuty] = 1;
        p.DayActivity[3][kActCredit] = 300;
        p.BidsReserve = c.bidsReserve;
        p.ReserveLine = c.reserveLine;
        p.RosterStatus = c.rosterStatus;
        EXPECT_EQ(p.HasReserveDay(30), c.hasReserveDay);
        EXPECT_EQ(p.IsReserve(30), c.isReserve);
    }
}

TEST(PilotRecord, ActivityTafbRunsPastMidnight) {
    TAbsence a;
    a.StartTime = 480;
    a.EndTime = 1020;
    EXPECT_EQ(a.Tafb(), 540);
    a.StartTime = 1320;
    a.EndTime = 360;
    EXPECT_EQ(a.Tafb(), 480);
}

}  // namespace
}  // namespace lw::model
