#include "model/pair.h"

#include <cstdio>
#include <cstdlib>

#include "base/time_text.h"

namespace lw::model {

void TPair::Reset() {
    ReportTime = ReleaseTime = TotalCredit = 0;
    PairLength = WorkDays = 0;
    PairNumber = Tafb = 0;
    DayStatus.fill(0);
    ExcludedCredit.fill(0);
    DayPairingType.fill(0);
    DailyStart.fill(0);
    DailyDuty.fill(0);
    DailyHardTime.fill(0);
    DailyCredit.fill(0);
    DailySpare.fill(0);
    FatigueUnits = 0;
    LateRelease = UsaSegments = IsValid = false;
    PairMark = 0;
    PairType.clear();
    ValidationText.clear();
    PairText.clear();
    SourceLine.clear();
    Layovers.clear();
    BaseEqpCode.clear();
    RestAfter = kPilotRest;
}

void TPair::DeriveWorkDays() {
    WorkDays = PairLength;
    if (ReleaseTime < 120 && PairLength > 1) WorkDays = static_cast<int8_t>(PairLength - 1);
    if (Tafb < 900 && ReleaseTime < ReportTime && ReleaseTime >= 120) LateRelease = true;
}

bool TPair::Validate(int dayCount) {
    ValidationText.clear();
    IsValid = true;
    auto fail = [this](const std::string& message) {
        ValidationText += message;
        IsValid = false;
    };

    DeriveWorkDays();

    const int days = PairLength < 0 ? 0 : (PairLength > kMonthDays ? kMonthDays : PairLength);
    int64_t sum = 0;
    for (int d = 0; d < days; ++d) sum += DailyCredit[d];
    if (sum != TotalCredit) fail("Credit for each Day does not add up to Total Credit\n");

    if (ReleaseTime == 0) ReleaseTime = base::kMinutesPerDay;
    if (ReportTime < 0 || ReportTime > base::kMinutesPerDay) fail("Duty Start Time < 00:01 or > 24:00. ");
    if (PairLength <= 0 || PairLength >= 32) fail("Pairing Length < 1 day or > 31 days. ");

    bool operates = false;
    const int monthDays = dayCount < 0 ? 0 : (dayCount > kMonthDays ? kMonthDays : dayCount);
    for (int d = 0; d < monthDays; ++d) operates = operates || DayStatus[d] != 0;
    if (!operates) fail("Never Operates ");

    char buf[96];
    for (int d = 0; d < days; ++d) {
        const int shown = d + 1;
        if (DailyCredit[d] < 0) {
            std::snprintf(buf, sizeof buf, "Daily Credit < 00:00 on Day %d. ", shown);
            fail(buf);
        }
        if (DailyHardTime[d] < 0) {
            std::snprintf(buf, sizeof buf, "Daily HardTime < 00:00 on Day %d. ", shown);
            fail(buf);
        }
        if (DailyStart[d] < 0 || DailyStart[d] >= base::kMinutesPerDay) {
            std::snprintf(buf, sizeof buf, "Daily Start Time < 00:00 or > 23:59 on Day %d. ", shown);
            fail(buf);
        }
        if (DailyDuty[d] < 0) {
            std::snprintf(buf, sizeof buf, "Daily Duty Time < 00:00 on Day %d. ", shown);
            fail(buf);
        }
    }
    // The US-segment scan writes "USA SEGMENT"; pairing files may carry "USA SEGMENTS".
    UsaSegments = PairText.find("USA SEGMENT") != std::string::npos;
    return IsValid;
}

int8_t TPair::CreditClass() const {
    int32_t average = 0;
    if (LateRelease) {
        average = TotalCredit;
    } else if (WorkDays != 0) {
        average = TotalCredit / WorkDays;
    }
    if (average < 300) return 0;
    if (average < 360) return 1;
    if (average < 420) return 2;
    return 3;
}

bool TPair::Operates(int day) const {
    return day >= 0 && day < kMonthDays && DayStatus[day] != 0;
}

bool TPair::IsOpen(int day) const { return Operates(day) && std::abs(DayStatus[day]) == 1; }

bool TPair::IsTaken(int day) const { return Operates(day) && std::abs(DayStatus[day]) == 2; }

bool TPair::TakeInstance(int day) {
    if (!IsOpen(day)) return false;
    DayStatus[day] = DayStatus[day] < 0 ? -2 : 2;
    return true;
}

bool TPair::ReleaseInstance(int day) {
    if (!IsTaken(day)) return false;
    DayStatus[day] = DayStatus[day] < 0 ? -1 : 1;
    return true;
}

std::string TPair::Designation() const {
    char buf[32];
    const char letter = BaseEqpCode.empty() ? ' ' : BaseEqpCode[0];
    std::snprintf(buf, sizeof buf, "%c%04d", letter, PairNumber);
    return buf;
}

}  // namespace lw::model
