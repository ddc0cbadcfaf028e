#include <gtest/gtest.h>

#include "recording_log.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "fake_interaction.h"
#include "model/document.h"
#include "base/log_sink.h"

namespace lw::base {

static void PrintTo(const CalendarDate& c, std::ostream* os) {
    *os << c.day << '/' << c.month << '/' << c.year;
}

}  // namespace lw::base

namespace lw::model {

namespace {

using lw::test::RecordingLog;

base::Date Dmy(int32_t day, int32_t month, int32_t year) { return base::Date::FromDmy(day, month, year); }

// An independent calendar for the expected dates: day number 2440588 is 1 January 1970.
struct Civil {
    base::CalendarDate date;
    int weekday;  // 0 = Sunday
};

Civil CivilAt(base::Date first, int offset) {
    using namespace std::chrono;
    const sys_days day{days{first.Number() - 2440588 + offset}};
    const year_month_day ymd{day};
    return {{static_cast<int32_t>(static_cast<unsigned>(ymd.day())),
             static_cast<int32_t>(static_cast<unsigned>(ymd.month())), static_cast<int32_t>(static_cast<int>(ymd.year()))},
            static_cast<int>(weekday{day}.c_encoding())};
}

const char* const kLabels[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

std::string Label(const Document& doc, int d) { return doc.DayLabel[static_cast<size_t>(d)].data(); }

using Call = test::FakeInteraction::Call;
using Kind = test::FakeInteraction::Kind;

class DocumentTest : public testing::Test {
protected:
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    test::FakeInteraction ui;

    void SetMonth(base::Date first, base::Date last) {
        ASSERT_TRUE(doc->SetMonthDates(first, last, ui));
        ASSERT_TRUE(ui.calls.empty());
    }

    // Every day index 0..61 follows the calendar from the first day; the 31 previous dates
    // lead up to it.
    void ExpectCalendarFrom(base::Date first) {
        for (int d = 0; d < kDayCells; ++d) {
            SCOPED_TRACE(testing::Message() << "day index " << d);
            const Civil c = CivilAt(first, d);
            EXPECT_EQ(doc->DayDate[static_cast<size_t>(d)], c.date);
            EXPECT_EQ(Label(*doc, d), kLabels[c.weekday]);
            EXPECT_EQ(doc->Weekend[static_cast<size_t>(d)], c.weekday == 0 || c.weekday == 6);
        }
        for (int w = 0; w < kPrevDays; ++w) {
            SCOPED_TRACE(testing::Message() << "previous date " << w);
            EXPECT_EQ(doc->PrevDates[static_cast<size_t>(w)], CivilAt(first, w - kPrevDays).date);
        }
    }
};

// ---------------------------------------------------------------- clearing

// A document with something in every field DeleteAll has to clear or keep.
void Fill(Document& doc) {
    for (int i = 0; i < kPairSlots; ++i) {
        TPair& p = doc.Pairings[static_cast<size_t>(i)];
        p.PairNumber = 1 + i % 9999;
        p.PairLength = 2;
        p.DayStatus[3] = 2;
        p.PairNote = "n";
    }
    doc.LastPairIndex = 2999;
    doc.LastLoadedPairIndex = 2500;
    for (int r = 0; r < kCrewRows; ++r) {
        TPilot& m = doc.Crew[static_cast<size_t>(r)];
        m.Name = "MEMBER";
        m.EmployeeNumber = 1000 + r;
        m.DayAssignment[4] = 7;
        m.RulesChecked = 0;
    }
    doc.CrewCount = 999;
    doc.ActivityCount = 40;
    doc.DayCount = 30;
    doc.StartWeekday = 3;
    doc.PrevDates.fill(base::CalendarDate{1, 1, 2025});
    doc.FileVariant = kFinalViewer;
    doc.StartSetting = 5;
    doc.AvgBlock = 1;
    doc.MaxBlock = 2;
    doc.MinBlock = 3;
    doc.ReducedMax = 4;
    doc.ReducedMin = 5;
    doc.ReducedMinDaysOff = 6;
    doc.CheckPilotMax = 7;
    doc.ExtraMonthSettings = {11, 12, 13, 14};
    doc.CurrentFileName = "/home/planner/jan.lw";
    doc.GroupCode = "YUL A320 CA";
    for (auto& s : doc.DocStrings) s = "doc string";
    for (int i = 0; i < kDocTexts; ++i) doc.DocTexts[static_cast<size_t>(i)] = "text " + std::to_string(i);
    SetFieldText(doc.CodeA, "ABCDE");
    SetFieldText(doc.CodeB, "FGHIJ");
    doc.BlocksBuilt = 1;
    doc.DocValue = 9;
    doc.History.Record(1, 2, 3, History::kAssigned);
    doc.Modified = true;
    doc.ShowTakenPairings = false;
    doc.FreshDocument = false;
}

TEST_F(DocumentTest, NewDocumentIsEmptyWithDefaultRules) {
    EXPECT_EQ(doc->Pairings.size(), static_cast<size_t>(kPairSlots));
    EXPECT_EQ(doc->Crew.size(), static_cast<size_t>(kCrewRows));
    EXPECT_EQ(doc->Activities.size(), static_cast<size_t>(kActivitySlots));
    EXPECT_EQ(doc->LastPairIndex, -1);
    EXPECT_EQ(doc->LastLoadedPairIndex, -1);
    EXPECT_EQ(doc->CrewCount, 0);
    EXPECT_EQ(doc->ActivityCount, 0);
    EXPECT_EQ(doc->DayCount, 0);
    EXPECT_EQ(doc->StartSetting, 1);
    EXPECT_EQ(doc->AvgBlock, 4650);
    EXPECT_EQ(doc->MaxBlock, 4800);
    EXPECT_EQ(doc->MinBlock, 4500);
    EXPECT_EQ(doc->ReducedMax, 3420);
    EXPECT_EQ(doc->ReducedMin, 2820);
    EXPECT_EQ(doc->ReducedMinDaysOff, 12);
    EXPECT_EQ(doc->CheckPilotMax, 5400);
    EXPECT_TRUE(doc->ShowTakenPairings);
    EXPECT_TRUE(doc->FreshDocument);
    EXPECT_FALSE(doc->Modified);
    EXPECT_TRUE(doc->History.Empty());
    EXPECT_EQ(doc->Crew[0].DayAssignment[0], -1);
}

TEST_F(DocumentTest, NewPairingSlotsCarryTodaysStampThroughClearing) {
    auto stamped = std::make_unique<Document>(2460691);
    EXPECT_EQ(stamped->Today(), 2460691);
    EXPECT_EQ(stamped->Pairings[0].PairStamp, 2460691);
    EXPECT_EQ(stamped->Pairings[kPairSlots - 1].PairStamp, 2460691);
    stamped->ZeroData(false, true);
    EXPECT_EQ(stamped->Pairings[2999].PairStamp, 2460691);
}

TEST_F(DocumentTest, DeleteAllClearsTheMonthButKeepsToolboxDateAndSharedNotes) {
    Fill(*doc);
    RecordingLog log;
    doc->RunLog = &log;

    doc->DeleteAll();

    EXPECT_EQ(log.lines, (std::vector<std::string>{"BeginDeleteAll\n", "ZeroDataBegin\n", "ZeroDataEnd\n",
                                                    "EndDeleteAll\n"}));
    EXPECT_EQ(doc->LastPairIndex, -1);
    EXPECT_EQ(doc->LastLoadedPairIndex, -1);
    EXPECT_EQ(doc->CrewCount, 0);
    for (int i : {0, 1, 1500, 2999}) {
        SCOPED_TRACE(testing::Message() << "pairing slot " << i);
        const TPair& p = doc->Pairings[static_cast<size_t>(i)];
        EXPECT_EQ(p.PairNumber, 0);
        EXPECT_EQ(p.PairLength, 0);
        EXPECT_EQ(p.DayStatus[3], 0);
    }
    for (int r : {0, 1, 500, 999}) {
        SCOPED_TRACE(testing::Message() << "crew row " << r);
        const TPilot& m = doc->Crew[static_cast<size_t>(r)];
        EXPECT_EQ(m.Name, "");
        EXPECT_EQ(m.EmployeeNumber, 0);
        EXPECT_EQ(m.DayAssignment[4], -1);
        EXPECT_EQ(m.RulesChecked, 1);
    }

    EXPECT_EQ(doc->FileVariant, kWorkingFile);
    EXPECT_EQ(doc->StartSetting, 1);
    EXPECT_EQ(doc->AvgBlock, 4650);
    EXPECT_EQ(doc->MaxBlock, 4800);
    EXPECT_EQ(doc->MinBlock, 4500);
    EXPECT_EQ(doc->ReducedMax, 3420);
    EXPECT_EQ(doc->ReducedMin, 2820);
    EXPECT_EQ(doc->ReducedMinDaysOff, 12);
    EXPECT_EQ(doc->CheckPilotMax, 5400);
    EXPECT_EQ(doc->ExtraMonthSettings, (std::array<int32_t, 4>{11, 12, 13, 14}));

    EXPECT_EQ(doc->CurrentFileName, "");
    EXPECT_EQ(doc->GroupCode, "");
    EXPECT_EQ(doc->DocStrings, (std::array<std::string, kDocStrings>{}));
    for (int i = 0; i < kDocTexts; ++i) {
        SCOPED_TRACE(testing::Message() << "DocTexts " << i);
        const bool kept = i == kToolboxDateText || i >= kSharedNotesText;
        EXPECT_EQ(doc->DocTexts[static_cast<size_t>(i)], kept ? "text " + std::to_string(i) : "");
    }
    EXPECT_EQ(FieldText(doc->CodeA), "");
    EXPECT_EQ(FieldText(doc->CodeB), "");

    EXPECT_EQ(doc->DayCount, 0);
    EXPECT_EQ(doc->StartWeekday, 0);
    EXPECT_EQ(doc->BlocksBuilt, 0);
    EXPECT_EQ(doc->ActivityCount, 0);
    EXPECT_EQ(doc->DocValue, 0);
    for (const base::CalendarDate& c : doc->PrevDates) EXPECT_EQ(c, base::CalendarDate{});
    EXPECT_TRUE(doc->History.Empty());
    EXPECT_FALSE(doc->Modified);
    EXPECT_TRUE(doc->ShowTakenPairings);
    EXPECT_TRUE(doc->FreshDocument);
}

TEST_F(DocumentTest, ZeroDataClearsOnlyWhatIsAsked) {
    struct Case {
        bool crew, pairings;
    };
    for (const Case c : {Case{true, false}, Case{false, true}, Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(testing::Message() << "crew " << c.crew << " pairings " << c.pairings);
        auto d = std::make_unique<Document>();
        Fill(*d);
        RecordingLog log;
        d->RunLog = &log;

        d->ZeroData(c.crew, c.pairings);

        EXPECT_EQ(log.lines, (std::vector<std::string>{"ZeroDataBegin\n", "ZeroDataEnd\n"}));
        EXPECT_EQ(d->CrewCount, c.crew ? 0 : 999);
        EXPECT_EQ(d->Crew[0].Name, c.crew ? "" : "MEMBER");
        EXPECT_EQ(d->Crew[999].EmployeeNumber, c.crew ? 0 : 1999);
        EXPECT_EQ(d->LastPairIndex, c.pairings ? -1 : 2999);
        EXPECT_EQ(d->LastLoadedPairIndex, c.pairings ? -1 : 2500);
        EXPECT_EQ(d->Pairings[0].PairNumber, c.pairings ? 0 : 1);
        EXPECT_EQ(d->Pairings[2999].DayStatus[3], c.pairings ? 0 : 2);
        // The rest of the document is not touched.
        EXPECT_EQ(d->DayCount, 30);
        EXPECT_EQ(d->History.Size(), 1u);
    }
}

// ---------------------------------------------------------------- month dates

TEST_F(DocumentTest, SetMonthDatesFillsTheMonth) {
    struct Case {
        base::Date first, last;
        int32_t dayCount, startWeekday, month, year;
        const char* title;
        const char* yearTitle;
    };
    const Case cases[] = {
        {Dmy(15, 1, 2025), Dmy(14, 2, 2025), 31, 3, 1, 2025, "Jan", "2025"},
        {Dmy(16, 1, 2025), Dmy(15, 2, 2025), 31, 4, 1, 2025, "Jan", "2025"},  // 15 days after is 31 Jan
        {Dmy(17, 1, 2025), Dmy(16, 2, 2025), 31, 5, 2, 2025, "Feb", "2025"},
        {Dmy(1, 2, 2026), Dmy(28, 2, 2026), 28, 0, 2, 2026, "Feb", "2026"},
        {Dmy(20, 12, 2024), Dmy(19, 1, 2025), 31, 5, 1, 2025, "Jan", "2025"},
        {Dmy(1, 12, 2025), Dmy(31, 12, 2025), 31, 1, 12, 2025, "Dec", "2025"},
        {Dmy(5, 3, 2025), Dmy(5, 3, 2025), 1, 3, 3, 2025, "Mar", "2025"},
        {Dmy(1, 2, 2024), Dmy(29, 2, 2024), 29, 4, 2, 2024, "Feb", "2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.first.Number() << " to " << c.last.Number());
        auto d = std::make_unique<Document>();
        doc.swap(d);
        SetMonth(c.first, c.last);
        EXPECT_EQ(doc->DayCount, c.dayCount);
        EXPECT_EQ(doc->StartWeekday, c.startWeekday);
        EXPECT_EQ(doc->MonthNumber, c.month);
        EXPECT_EQ(doc->YearNumber, c.year);
        EXPECT_EQ(doc->MonthTitleText(), c.title);
        EXPECT_EQ(doc->YearTitleText(), c.yearTitle);
        ExpectCalendarFrom(c.first);
        EXPECT_EQ(doc->FirstDate(), c.first);
        EXPECT_EQ(doc->LastDate(), c.last);
    }
}

TEST_F(DocumentTest, ShortMonthRunsOnIntoTheFollowingDays) {
    SetMonth(Dmy(1, 2, 2026), Dmy(28, 2, 2026));
    EXPECT_EQ(doc->DayDate[27], (base::CalendarDate{28, 2, 2026}));
    EXPECT_EQ(doc->DayDate[28], (base::CalendarDate{1, 3, 2026}));
    EXPECT_EQ(doc->DayDate[58], (base::CalendarDate{31, 3, 2026}));
    EXPECT_EQ(doc->DayDate[61], (base::CalendarDate{3, 4, 2026}));
    EXPECT_EQ(Label(*doc, 28), "SU");
    EXPECT_TRUE(doc->Weekend[28]);
    EXPECT_EQ(Label(*doc, 61), "FR");
    EXPECT_FALSE(doc->Weekend[61]);
    EXPECT_EQ(doc->PrevDates[30], (base::CalendarDate{31, 1, 2026}));
    EXPECT_EQ(doc->PrevDates[0], (base::CalendarDate{1, 1, 2026}));
}

TEST_F(DocumentTest, WeekendsAndLabelsOfAMidMonthStart) {
    SetMonth(Dmy(15, 1, 2025), Dmy(14, 2, 2025));
    const char* const expected[] = {"WE", "TH", "FR", "SA", "SU", "MO", "TU", "WE"};
    for (int d = 0; d < 8; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(Label(*doc, d), expected[d]);
        EXPECT_EQ(doc->Weekend[static_cast<size_t>(d)], d == 3 || d == 4);
    }
    EXPECT_EQ(doc->PrevDates[30], (base::CalendarDate{14, 1, 2025}));
    EXPECT_EQ(doc->PrevDates[0], (base::CalendarDate{15, 12, 2024}));
    EXPECT_EQ(doc->DayDate[30], (base::CalendarDate{14, 2, 2025}));
    EXPECT_EQ(doc->DayDate[31], (base::CalendarDate{15, 2, 2025}));
}

TEST_F(DocumentTest, MoreThan31DaysIsRefusedAndChangesNothing) {
    SetMonth(Dmy(1, 2, 2026), Dmy(28, 2, 2026));
    const auto dayDates = doc->DayDate;
    const auto prevDates = doc->PrevDates;
    const auto labels = doc->DayLabel;

    EXPECT_FALSE(doc->SetMonthDates(Dmy(1, 1, 2025), Dmy(1, 2, 2025), ui));

    EXPECT_EQ(ui.calls,
              (std::vector<Call>{{Kind::Message, "Linewright", "The new Month cannot contain more than 31 days."}}));
    EXPECT_EQ(doc->DayCount, 28);
    EXPECT_EQ(doc->StartWeekday, 0);
    EXPECT_EQ(doc->MonthNumber, 2);
    EXPECT_EQ(doc->YearNumber, 2026);
    EXPECT_EQ(doc->MonthTitleText(), "Feb");
    EXPECT_EQ(doc->DayDate, dayDates);
    EXPECT_EQ(doc->PrevDates, prevDates);
    EXPECT_EQ(doc->DayLabel, labels);
}

TEST_F(DocumentTest, ThirtyOneDaysIsAccepted) {
    EXPECT_TRUE(doc->SetMonthDates(Dmy(1, 1, 2025), Dmy(31, 1, 2025), ui));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(doc->DayCount, 31);
}

TEST_F(DocumentTest, ExtendDaysContinuesALoadedMonth) {
    // A loader restores the month's days only; ExtendDays supplies the rest.
    doc->DayCount = 30;
    base::Date date = Dmy(1, 4, 2025);
    for (int d = 0; d < 30; ++d, date = date.Next()) doc->DayDate[static_cast<size_t>(d)] = date.Split();

    doc->ExtendDays();

    for (int d = 30; d < kDayCells; ++d) {
        SCOPED_TRACE(d);
        const Civil c = CivilAt(Dmy(1, 4, 2025), d);
        EXPECT_EQ(doc->DayDate[static_cast<size_t>(d)], c.date);
        EXPECT_EQ(Label(*doc, d), kLabels[c.weekday]);
        EXPECT_EQ(doc->Weekend[static_cast<size_t>(d)], c.weekday == 0 || c.weekday == 6);
    }
    EXPECT_EQ(doc->DayDate[30], (base::CalendarDate{1, 5, 2025}));
    EXPECT_EQ(doc->DayDate[61], (base::CalendarDate{1, 6, 2025}));
}

TEST_F(DocumentTest, ExtendDaysWithoutAMonthLeavesTheTableAlone) {
    doc->ExtendDays();
    for (const base::CalendarDate& c : doc->DayDate) EXPECT_EQ(c, base::CalendarDate{});
}

// ---------------------------------------------------------------- daylight saving

TEST_F(DocumentTest, DaylightSavingChangeOfTheMonth) {
    struct Case {
        const char* name;
        base::Date first, last;
        bool found;
        int32_t changeTime, shift;
    };
    const Case cases[] = {
        {"March 2025, 2nd Sunday the 9th", Dmy(1, 3, 2025), Dmy(31, 3, 2025), true, 8 * 1440 + 120, 60},
        {"March 2026 starting on a Sunday", Dmy(1, 3, 2026), Dmy(31, 3, 2026), true, 7 * 1440 + 120, 60},
        // The day before the month, Sunday 2 March, is the first Sunday.
        {"month starting Monday 3 March", Dmy(3, 3, 2025), Dmy(2, 4, 2025), true, 6 * 1440 + 120, 60},
        // Judged by day index 14 (1 March); February's Sundays do not count.
        {"15 February to 16 March", Dmy(15, 2, 2025), Dmy(16, 3, 2025), true, 22 * 1440 + 120, 60},
        {"March month without a second Sunday", Dmy(20, 2, 2025), Dmy(5, 3, 2025), false, 0, 0},
        {"November 2025, Sunday the 2nd", Dmy(1, 11, 2025), Dmy(30, 11, 2025), true, 1 * 1440 + 120, -60},
        // October's Sunday the 26th does not count.
        {"20 October to 19 November", Dmy(20, 10, 2025), Dmy(19, 11, 2025), true, 13 * 1440 + 120, -60},
        {"November month without a Sunday", Dmy(3, 11, 2025), Dmy(8, 11, 2025), false, 0, 0},
        {"January", Dmy(1, 1, 2025), Dmy(31, 1, 2025), true, 0, 0},
        {"mid-October", Dmy(1, 10, 2025), Dmy(31, 10, 2025), true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = std::make_unique<Document>();
        doc.swap(d);
        SetMonth(c.first, c.last);
        doc->DstChangeTime = 999;  // left from the last month
        doc->DstShift = 99;
        EXPECT_EQ(doc->SetupDaylightSaving(), c.found);
        EXPECT_EQ(doc->DstChangeTime, c.changeTime);
        EXPECT_EQ(doc->DstShift, c.shift);
    }
}

// ---------------------------------------------------------------- lookups

TEST_F(DocumentTest, RowAndSlotLookups) {
    EXPECT_EQ(doc->CrewAt(0), &doc->Crew[0]);
    EXPECT_EQ(doc->CrewAt(999), &doc->Crew[999]);
    EXPECT_EQ(doc->CrewAt(-1), nullptr);
    EXPECT_EQ(doc->CrewAt(1000), nullptr);
    EXPECT_EQ(doc->PairAt(0), &doc->Pairings[0]);
    EXPECT_EQ(doc->PairAt(3000), &doc->Pairings[3000]);
    EXPECT_EQ(doc->PairAt(-1), nullptr);
    EXPECT_EQ(doc->PairAt(3001), nullptr);
}

TEST_F(DocumentTest, DateLookups) {
    SetMonth(Dmy(15, 1, 2025), Dmy(14, 2, 2025));
    EXPECT_EQ(doc->DateOf(0), Dmy(15, 1, 2025));
    EXPECT_EQ(doc->DateOf(30), Dmy(14, 2, 2025));
    EXPECT_EQ(doc->DateOf(61), Dmy(17, 3, 2025));
    EXPECT_FALSE(doc->DateOf(-1).IsValid());
    EXPECT_FALSE(doc->DateOf(62).IsValid());
    EXPECT_EQ(doc->PrevDateOf(30), Dmy(14, 1, 2025));
    EXPECT_EQ(doc->PrevDateOf(0), Dmy(15, 12, 2024));
    EXPECT_FALSE(doc->PrevDateOf(-1).IsValid());
    EXPECT_FALSE(doc->PrevDateOf(31).IsValid());
}

TEST_F(DocumentTest, EffectiveLimitsUseTheMembersOwnValueWhenSet) {
    doc->MinBlock = 4500;
    doc->MaxBlock = 4800;
    doc->DaysOffBlockHolder = 12;
    doc->DaysOffReserve = 10;
    doc->DayCount = 30;
    struct Case {
        const char* name;
        int32_t minBlock, maxBlock, minDaysOff;
        bool reserve;
        int32_t effMin, effMax, effDaysOff;
    };
    const Case cases[] = {
        {"document defaults", 0, 0, 0, false, 4500, 4800, 12},
        {"reserve defaults", 0, 0, 0, true, 4500, 4800, 10},
        {"own limits", 4800, 5100, 15, false, 4800, 5100, 15},
        {"own days off for a reserve", 0, 0, 14, true, 4500, 4800, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPilot p;
        p.MinBlock = c.minBlock;
        p.MaxBlock = c.maxBlock;
        p.MinDaysOff = c.minDaysOff;
        p.BidsReserve = c.reserve;
        EXPECT_EQ(doc->EffectiveMinBlock(p), c.effMin);
        EXPECT_EQ(doc->EffectiveMaxBlock(p), c.effMax);
        EXPECT_EQ(doc->EffectiveMinDaysOff(p), c.effDaysOff);
    }
    // A member on the default follows a later change of it.
    TPilot p;
    doc->MaxBlock = 5000;
    EXPECT_EQ(doc->EffectiveMaxBlock(p), 5000);
}

TEST_F(DocumentTest, NewFileDefaultsByCrewGroup) {
    struct Case {
        int8_t group;
        int32_t daysOffBlockHolder, daysOffReserve, reducedMin, reducedMax, reducedMinDaysOff;
    };
    const Case cases[] = {
        {kCaptains, 12, 12, 2400, 2700, 21},
        {kFirstOfficers, 12, 12, 2400, 2700, 21},
        {kFlightAttendants, 10, 12, 2400, 3000, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.group});
        doc->CrewGroup = c.group;
        doc->ApplyNewFileDefaults();
        EXPECT_EQ(doc->DaysOffBlockHolder, c.daysOffBlockHolder);
        EXPECT_EQ(doc->DaysOffReserve, c.daysOffReserve);
        EXPECT_EQ(doc->ReducedMin, c.reducedMin);
        EXPECT_EQ(doc->ReducedMax, c.reducedMax);
        EXPECT_EQ(doc->ReducedMinDaysOff, c.reducedMinDaysOff);
    }
}

TEST_F(DocumentTest, GroupLetterIsTheNinthCharacterOfTheGroupCode) {
    doc->GroupCode = "ABCDEFGHV";
    EXPECT_EQ(doc->GroupLetter(), 'V');
    doc->GroupCode = "ABCDEFGH";
    EXPECT_EQ(doc->GroupLetter(), ' ');
}

}  // namespace
}  // namespace lw::model
