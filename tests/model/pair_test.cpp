#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/pair.h"

namespace lw::model {
namespace {

constexpr int32_t kJan1st2000 = 2451545;

// A pairing with every field set to something other than its cleared value.
TPair FilledPair() {
    TPair p(kJan1st2000);
    p.ReportTime = 420;
    p.ReleaseTime = 1100;
    p.TotalCredit = 900;
    p.PairLength = 3;
    p.WorkDays = 3;
    p.Tafb = 3000;
    p.PairNumber = 8101;
    p.PairNote = "note";
    p.PairType = "CA";
    for (int d = 0; d < kMonthDays; ++d) {
        const auto i = static_cast<size_t>(d);
        p.DayStatus[i] = d % 2 ? -2 : 1;
        p.ExcludedCredit[i] = 10 + d;
        p.DayPairingType[i] = 1 + d % 3;
        p.DailyStart[i] = 300 + d;
        p.DailyDuty[i] = 600 + d;
        p.DailyHardTime[i] = 400 + d;
        p.DailyCredit[i] = 500 + d;
        p.DailySpare[i] = 700 + d;
    }
    p.FatigueUnits = 1234;
    p.RestAfter = 720;
    p.LateRelease = true;
    p.UsaSegments = true;
    p.PairMark = 2;
    p.IsValid = true;
    p.PairFlag = 3;
    p.ValidationText = "Never Operates ";
    p.PairText = "YUL-JFK USA SEGMENTS";
    p.SourceLine = "D 0420\n";
    p.Layovers = "JFKLAX";
    p.BaseEqpCode = "V8";
    return p;
}

void ExpectSamePair(const TPair& a, const TPair& b) {
    EXPECT_EQ(a.ReportTime, b.ReportTime);
    EXPECT_EQ(a.ReleaseTime, b.ReleaseTime);
    EXPECT_EQ(a.TotalCredit, b.TotalCredit);
    EXPECT_EQ(a.PairLength, b.PairLength);
    EXPECT_EQ(a.WorkDays, b.WorkDays);
    EXPECT_EQ(a.Tafb, b.Tafb);
    EXPECT_EQ(a.PairNumber, b.PairNumber);
    EXPECT_EQ(a.PairNote, b.PairNote);
    EXPECT_EQ(a.PairType, b.PairType);
    EXPECT_EQ(a.DayStatus, b.DayStatus);
    EXPECT_EQ(a.ExcludedCredit, b.ExcludedCredit);
    EXPECT_EQ(a.DayPairingType, b.DayPairingType);
    EXPECT_EQ(a.DailyStart, b.DailyStart);
    EXPECT_EQ(a.DailyDuty, b.DailyDuty);
    EXPECT_EQ(a.DailyHardTime, b.DailyHardTime);
    EXPECT_EQ(a.DailyCredit, b.DailyCredit);
    EXPECT_EQ(a.DailySpare, b.DailySpare);
    EXPECT_EQ(a.FatigueUnits, b.FatigueUnits);
    EXPECT_EQ(a.RestAfter, b.RestAfter);
    EXPECT_EQ(a.LateRelease, b.LateRelease);
    EXPECT_EQ(a.UsaSegments, b.UsaSegments);
    EXPECT_EQ(a.PairMark, b.PairMark);
    EXPECT_EQ(a.IsValid, b.IsValid);
    EXPECT_EQ(a.PairFlag, b.PairFlag);
    EXPECT_EQ(a.ValidationText, b.ValidationText);
    EXPECT_EQ(a.PairText, b.PairText);
    EXPECT_EQ(a.SourceLine, b.SourceLine);
    EXPECT_EQ(a.Layovers, b.Layovers);
    EXPECT_EQ(a.BaseEqpCode, b.BaseEqpCode);
    EXPECT_EQ(a.PairStamp, b.PairStamp);
}

// The cleared state of everything Reset touches.
void ExpectCleared(const TPair& p) {
    const MonthArray zeros{};
    EXPECT_EQ(p.ReportTime, 0);
    EXPECT_EQ(p.ReleaseTime, 0);
    EXPECT_EQ(p.TotalCredit, 0);
    EXPECT_EQ(p.PairLength, 0);
    EXPECT_EQ(p.WorkDays, 0);
    EXPECT_EQ(p.Tafb, 0);
    EXPECT_EQ(p.PairNumber, 0);
    EXPECT_EQ(p.PairType, "");
    EXPECT_EQ(p.DayStatus, zeros);
    EXPECT_EQ(p.ExcludedCredit, zeros);
    EXPECT_EQ(p.DayPairingType, zeros);
    EXPECT_EQ(p.DailyStart, zeros);
    EXPECT_EQ(p.DailyDuty, zeros);
    EXPECT_EQ(p.DailyHardTime, zeros);
    EXPECT_EQ(p.DailyCredit, zeros);
    EXPECT_EQ(p.DailySpare, zeros);
    EXPECT_EQ(p.FatigueUnits, 0);
    EXPECT_EQ(p.RestAfter, 660);
    EXPECT_FALSE(p.LateRelease);
    EXPECT_FALSE(p.UsaSegments);
    EXPECT_EQ(p.PairMark, 0);
    EXPECT_FALSE(p.IsValid);
    EXPECT_EQ(p.ValidationText, "");
    EXPECT_EQ(p.PairText, "");
    EXPECT_EQ(p.SourceLine, "");
    EXPECT_EQ(p.Layovers, "");
    EXPECT_EQ(p.BaseEqpCode, "");
}

// A one-day pairing that passes every check in a 30-day month.
TPair GoodPair() {
    TPair p(kJan1st2000);
    p.PairNumber = 101;
    p.ReportTime = 420;
    p.ReleaseTime = 1080;
    p.Tafb = 660;
    p.PairLength = 1;
    p.TotalCredit = 360;
    p.DailyStart[0] = 420;
    p.DailyDuty[0] = 660;
    p.DailyHardTime[0] = 300;
    p.DailyCredit[0] = 360;
    p.DayStatus[4] = 1;
    return p;
}

TEST(PairRecord, NewRecordIsClearedAndStamped) {
    const TPair p(kJan1st2000);
    ExpectCleared(p);
    EXPECT_EQ(p.PairNote, "");
    EXPECT_EQ(p.PairFlag, 0);
    EXPECT_EQ(p.PairStamp, kJan1st2000);
}

TEST(PairRecord, ResetKeepsNoteFlagAndStamp) {
    TPair p = FilledPair();
    p.Reset();
    ExpectCleared(p);
    EXPECT_EQ(p.PairNote, "note");
    EXPECT_EQ(p.PairFlag, 3);
    EXPECT_EQ(p.PairStamp, kJan1st2000);
}

TEST(PairRecord, CopyFromTakesEveryFieldIncludingUnsavedOnes) {
    const TPair source = FilledPair();
    TPair copy(7);
    copy.CopyFrom(source);
    ExpectSamePair(copy, source);
}

TEST(PairRecord, DesignationIsBaseLetterAndFourDigits) {
    TPair p;
    p.BaseEqpCode = "V8";
    p.PairNumber = 8101;
    EXPECT_EQ(p.Designation(), "V8101");
    p.PairNumber = 12;
    EXPECT_EQ(p.Designation(), "V0012");
}

TEST(PairValidate, GoodPairingPassesWithNoText) {
    TPair p = GoodPair();
    p.ValidationText = "left from last time";
    EXPECT_TRUE(p.Validate(30));
    EXPECT_TRUE(p.IsValid);
    EXPECT_EQ(p.ValidationText, "");
    EXPECT_EQ(p.WorkDays, 1);
}

TEST(PairValidate, WorkDaysDropTheLastDayWhenReleasingBefore0200) {
    struct Case {
        int8_t length;
        int32_t release;
        int8_t workDays;
    };
    const Case cases[] = {
        {3, 90, 2},  {3, 119, 2}, {3, 120, 3}, {3, 1080, 3},
        {1, 60, 1},  // a one-day pairing keeps its day
        {2, 0, 1},   // judged before 00:00 becomes 24:00
        {31, 30, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << int{c.length} << " release " << c.release);
        TPair p = GoodPair();
        p.PairLength = c.length;
        p.ReleaseTime = c.release;
        p.Validate(30);
        EXPECT_EQ(p.WorkDays, c.workDays);
    }
}

TEST(PairValidate, LateReleaseIsSetForShortTripsReleasingAfter0200AndNeverCleared) {
    struct Case {
        int32_t tafb, report, release;
        bool before;
        bool after;
    };
    const Case cases[] = {
        {600, 1200, 300, false, true},
        {899, 1200, 120, false, true},
        {900, 1200, 300, false, false},   // not a short trip
        {600, 1200, 119, false, false},   // releases before 02:00
        {600, 300, 1200, false, false},   // releases later the same day
        {600, 300, 1200, true, true},     // set by the pairing file, kept
        {2000, 1200, 100, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tafb " << c.tafb << " report " << c.report << " release " << c.release
                                        << " before " << c.before);
        TPair p = GoodPair();
        p.Tafb = c.tafb;
        p.ReportTime = c.report;
        p.ReleaseTime = c.release;
        p.LateRelease = c.before;
        p.Validate(30);
        EXPECT_EQ(p.LateRelease, c.after);
    }
}

TEST(PairValidate, ReleaseAtMidnightIsStoredAs2400) {
    TPair p = GoodPair();
    p.ReleaseTime = 0;
    EXPECT_TRUE(p.Validate(30));
    EXPECT_EQ(p.ReleaseTime, 1440);

    p.ReleaseTime = 1439;
    p.Validate(30);
    EXPECT_EQ(p.ReleaseTime, 1439);
}

TEST(PairValidate, ReportTimeBounds) {
    struct Case {
        int32_t report;
        bool valid;
    };
    const Case cases[] = {{0, true}, {1440, true}, {-1, false}, {1441, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        TPair p = GoodPair();
        p.ReportTime = c.report;
        EXPECT_EQ(p.Validate(30), c.valid);
        EXPECT_EQ(p.ValidationText, c.valid ? "" : "Duty Start Time < 00:01 or > 24:00. ");
    }
}

TEST(PairValidate, PairLengthBounds) {
    struct Case {
        int8_t length;
        bool valid;
    };
    const Case cases[] = {{1, true}, {31, true}, {0, false}, {32, false}, {-1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.length});
        TPair p = GoodPair();
        p.PairLength = c.length;
        // Credits and daily figures on every day, so only the length can fail.
        p.DailyCredit.fill(0);
        p.TotalCredit = 0;
        p.DailyStart.fill(420);
        EXPECT_EQ(p.Validate(30), c.valid);
        EXPECT_EQ(p.ValidationText, c.valid ? "" : "Pairing Length < 1 day or > 31 days. ");
    }
}

TEST(PairValidate, NeverOperatesLooksOnlyAtTheMonthsDays) {
    struct Case {
        int statusDay;  // -1: none
        int32_t status;
        int dayCount;
        bool operates;
    };
    const Case cases[] = {
        {-1, 0, 30, false},
        {29, 1, 28, false},  // beyond the day count
        {29, 1, 30, true},
        {0, 2, 1, true},
        {27, -1, 28, true},  // the two-captain mark still operates
        {30, 1, 31, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "day " << c.statusDay << " status " << c.status << " count " << c.dayCount);
        TPair p = GoodPair();
        p.DayStatus.fill(0);
        if (c.statusDay >= 0) p.DayStatus[static_cast<size_t>(c.statusDay)] = c.status;
        EXPECT_EQ(p.Validate(c.dayCount), c.operates);
        EXPECT_EQ(p.ValidationText, c.operates ? "" : "Never Operates ");
    }
}

TEST(PairValidate, CreditMismatchIsReportedOnceBeforeOtherMessages) {
    TPair p = GoodPair();
    p.PairLength = 2;
    p.ReleaseTime = 900;
    p.DailyCredit[0] = 300;  // 5:00
    p.DailyCredit[1] = 270;  // 4:30
    p.TotalCredit = 571;     // 9:31
    p.DailyStart[1] = 1440;
    p.DailyDuty[1] = -5;
    p.DailyHardTime[0] = -1;
    p.ReportTime = 1500;
    p.DayStatus.fill(0);
    EXPECT_FALSE(p.Validate(30));
    EXPECT_FALSE(p.IsValid);
    EXPECT_EQ(p.ValidationText,
              "Credit for each Day does not add up to Total Credit\n"
              "Duty Start Time < 00:01 or > 24:00. "
              "Never Operates "
              "Daily HardTime < 00:00 on Day 1. "
              "Daily Start Time < 00:00 or > 23:59 on Day 2. "
              "Daily Duty Time < 00:00 on Day 2. ");
}

TEST(PairValidate, DailyChecksRunInOrderOverThePairingsDaysOnly) {
    TPair p = GoodPair();
    p.PairLength = 2;
    p.ReleaseTime = 900;
    p.DailyCredit = {-10, 0};
    p.TotalCredit = -10;
    p.DailyHardTime[0] = -1;
    p.DailyStart[0] = -1;
    p.DailyDuty[0] = -1;
    p.DailyStart[1] = 0;
    p.DailyDuty[1] = 0;
    // Day 3 lies outside a two-day pairing.
    p.DailyCredit[2] = -1;
    p.DailyHardTime[2] = -1;
    p.DailyStart[2] = 5000;
    p.DailyDuty[2] = -1;
    EXPECT_FALSE(p.Validate(30));
    EXPECT_EQ(p.ValidationText,
              "Daily Credit < 00:00 on Day 1. "
              "Daily HardTime < 00:00 on Day 1. "
              "Daily Start Time < 00:00 or > 23:59 on Day 1. "
              "Daily Duty Time < 00:00 on Day 1. ");
}

TEST(PairValidate, DailyStartAcceptsTheWholeClockDay) {
    for (int32_t start : {0, 1439}) {
        SCOPED_TRACE(start);
        TPair p = GoodPair();
        p.DailyStart[0] = start;
        EXPECT_TRUE(p.Validate(30));
    }
}

TEST(PairValidate, UsaSegmentsFollowsThePairingText) {
    TPair p = GoodPair();
    p.PairText = "YUL 0700 JFK 0830\nUSA SEGMENTS\n";
    p.Validate(30);
    EXPECT_TRUE(p.UsaSegments);

    p.PairText = "YUL 0700 YYZ 0830\n";
    p.Validate(30);
    EXPECT_FALSE(p.UsaSegments);
}

TEST(PairRecord, CreditClassFromAverageDailyCredit) {
    struct Case {
        int32_t total;
        int8_t workDays;
        bool lateRelease;
        int8_t flag;
    };
    const Case cases[] = {
        {3 * 299, 3, false, 0}, {3 * 300, 3, false, 1}, {3 * 359, 3, false, 1}, {3 * 360, 3, false, 2},
        {3 * 419, 3, false, 2}, {3 * 420, 3, false, 3}, {1800, 0, false, 0},   // no work days
        {400, 2, false, 0},  // 200 a day
        {400, 2, true, 2},   // a late release counts the whole credit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " over " << int{c.workDays} << " late " << c.lateRelease);
        TPair p;
        p.TotalCredit = c.total;
        p.WorkDays = c.workDays;
        p.LateRelease = c.lateRelease;
        p.PairFlag = 9;
        p.UpdatePairFlag();
        EXPECT_EQ(p.PairFlag, c.flag);
    }
}

TEST(PairRecord, TakingAndReleasingKeepTheTwoCaptainMark) {
    struct Case {
        int32_t status;
        bool takes;
        int32_t afterTake;
        bool releases;
        int32_t afterRelease;
    };
    const Case cases[] = {
        {1, true, 2, true, 1},
        {-1, true, -2, true, -1},
        {0, false, 0, false, 0},     // does not operate that day
        {2, false, 2, true, 1},      // already taken
        {-2, false, -2, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        TPair p;
        p.DayStatus[6] = c.status;
        EXPECT_EQ(p.TakeInstance(6), c.takes);
        EXPECT_EQ(p.DayStatus[6], c.afterTake);
        EXPECT_EQ(p.ReleaseInstance(6), c.releases);
        EXPECT_EQ(p.DayStatus[6], c.afterRelease);
        EXPECT_EQ(p.DayStatus[5], 0);
        EXPECT_EQ(p.DayStatus[7], 0);
    }
}

TEST(PairRecord, InstanceStateOutsideTheMonthIsNotOperating) {
    TPair p;
    p.DayStatus.fill(1);
    for (int day : {-1, kMonthDays, 61}) {
        SCOPED_TRACE(day);
        EXPECT_FALSE(p.Operates(day));
        EXPECT_FALSE(p.TakeInstance(day));
        EXPECT_FALSE(p.ReleaseInstance(day));
    }
    p.DayStatus[0] = -2;
    EXPECT_TRUE(p.Operates(0));
    EXPECT_TRUE(p.IsTaken(0));
    EXPECT_FALSE(p.IsOpen(0));
    EXPECT_TRUE(p.IsOpen(30));
}

}  // namespace
}  // namespace lw::model
