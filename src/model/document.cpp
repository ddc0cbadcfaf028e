#include "model/document.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/time_text.h"
#include "platform/interaction.h"
#include "base/log_sink.h"

namespace lw::model {

std::string FieldText(const std::array<char, 10>& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

void SetFieldText(std::array<char, 10>& field, std::string_view text) {
    field.fill('\0');
    const size_t n = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), n, field.begin());
}

Document::Document(int32_t today)
    : Pairings(kPairSlots, TPair(today)), Crew(kCrewRows), Activities(kActivitySlots), today_(today) {
    // The tables are made in their cleared state; only the month settings need their defaults.
    ResetSettings();
}

void Document::TakeContentFrom(Document&& other) {
    base::LogSink* log = RunLog;
    *this = std::move(other);
    RunLog = log;
}

Document Document::Clone() const {
    Document copy(*this);
    copy.RunLog = nullptr;
    return copy;
}

void Document::Log(std::string_view line) const {
    if (RunLog) RunLog->Write(line);
}

void Document::ZeroData(bool crew, bool pairings) {
    Log("ZeroDataBegin\n");
    if (crew) {
        for (TPilot& p : Crew) p.Reset();
        CrewCount = 0;
    }
    if (pairings) {
        for (int i = 0; i < kPairLoadLimit; ++i) Pairings[static_cast<size_t>(i)].Reset();
        LastPairIndex = -1;
        LastLoadedPairIndex = -1;
    }
    Log("ZeroDataEnd\n");
}

void Document::DeleteAll() {
    Log("BeginDeleteAll\n");
    ZeroData(true, true);
    ResetSettings();
    Log("EndDeleteAll\n");
}

void Document::ResetBlockingRules() {
    StartSetting = blocking::kStartSetting;
    AvgBlock = blocking::kAvgBlock;
    MaxBlock = blocking::kMaxBlock;
    MinBlock = blocking::kMinBlock;
    ReducedMax = blocking::kReducedMax;
    ReducedMin = blocking::kReducedMin;
    ReducedMinDaysOff = blocking::kReducedMinDaysOff;
    CheckPilotMax = blocking::kCheckPilotMax;
}

void Document::ResetSettings() {
    FileVariant = kWorkingFile;
    ResetBlockingRules();
    CurrentFileName.clear();
    GroupCode.clear();
    for (auto& s : DocStrings) s.clear();
    for (int i = 0; i < kDocTexts; ++i)
        if (i < kToolboxDateText || i == 21) DocTexts[static_cast<size_t>(i)].clear();
    CodeA.fill('\0');
    CodeB.fill('\0');
    DayCount = 0;
    StartWeekday = 0;
    BlocksBuilt = 0;
    ActivityCount = 0;
    DocValue = 0;
    PrevDates.fill(base::CalendarDate{});
    History.Clear();
    Modified = false;
    ShowTakenPairings = true;
    FreshDocument = true;
    BackupCountdown = 20;
    AssignsSinceBackup = 0;
}

bool Document::SetMonthDates(base::Date first, base::Date last, platform::Interaction& ui) {
    if (!first.IsValid() || !last.IsValid()) {
        ui.Message("The Start or End Date is not a valid date.", "Linewright", platform::Icon::Stop);
        return false;
    }
    const int32_t count = last.DaysSince(first) + 1;
    if (count > kMonthDays) {
        ui.Message("The new Month cannot contain more than 31 days.", "Linewright", platform::Icon::Stop);
        return false;
    }
    if (count < 1) {
        ui.Message("The End Date cannot be before the Start Date.", "Linewright", platform::Icon::Stop);
        return false;
    }
    DayCount = count;
    StartWeekday = first.Weekday();

    const base::CalendarDate mid = first.AddDays(15).Split();
    MonthNumber = mid.month;
    YearNumber = mid.year;
    SetFieldText(MonthTitle, base::MonthName(mid.month).substr(0, 3));
    SetFieldText(YearTitle, std::to_string(mid.year));

    base::Date date = first;
    for (int d = 0; d < DayCount; ++d, date = date.Next()) {
        DayDate[static_cast<size_t>(d)] = date.Split();
        const std::string label = date.WeekdayLabel();
        DayLabel[static_cast<size_t>(d)] = {label[0], label[1], '\0'};
        Weekend[static_cast<size_t>(d)] = label == "SU" || label == "SA";
    }
    for (int w = kPrevDays - 1; w >= 0; --w) PrevDates[static_cast<size_t>(w)] = first.AddDays(w - kPrevDays).Split();
    ExtendDays();
    return true;
}

void Document::ExtendDays() {
    if (DayCount < 1 || DayCount > kDayCells) return;
    base::Date date = DateOf(DayCount - 1);
    if (!date.IsValid()) return;
    for (int d = DayCount; d < kDayCells; ++d) {
        date = date.Next();
        DayDate[static_cast<size_t>(d)] = date.Split();
        const std::string label = date.WeekdayLabel();
        DayLabel[static_cast<size_t>(d)] = {label[0], label[1], '\0'};
        Weekend[static_cast<size_t>(d)] = label == "SU" || label == "SA";
    }
}

bool Document::SetupDaylightSaving() {
    DstChangeTime = 0;
    DstShift = 0;
    const int month = DayDate[14].month;
    auto isSunday = [this](int d) {
        return DayLabel[static_cast<size_t>(d)][0] == 'S' && DayLabel[static_cast<size_t>(d)][1] == 'U';
    };
    const int days = std::clamp(DayCount, 0, kMonthDays);
    if (month == 3) {
        const base::CalendarDate before = PrevDates[kPrevDays - 1];
        int sundays = 0;
        if (before.month == 3 && base::Date::FromDmy(before.day, before.month, before.year).Weekday() == 0) sundays = 1;
        for (int d = 0; d < days; ++d) {
            if (DayDate[static_cast<size_t>(d)].month != 3 || !isSunday(d)) continue;
            if (++sundays == 2) {
                DstChangeTime = d * base::kMinutesPerDay + 120;
                DstShift = 60;
                return true;
            }
        }
        return false;
    }
    if (month == 11) {
        for (int d = 0; d < days; ++d) {
            if (DayDate[static_cast<size_t>(d)].month == 11 && isSunday(d)) {
                DstChangeTime = d * base::kMinutesPerDay + 120;
                DstShift = -60;
                return true;
            }
        }
        return false;
    }
    return true;
}

void Document::ApplyNewFileDefaults() {
    const bool fa = IsFlightAttendants();
    DaysOffBlockHolder = fa ? 10 : 12;
    DaysOffReserve = 12;
    ReducedMin = 2400;
    ReducedMax = fa ? 3000 : 2700;
    ReducedMinDaysOff = fa ? 12 : 21;
}

TPilot* Document::CrewAt(int row) {
    return row >= 0 && row < kCrewRows ? &Crew[static_cast<size_t>(row)] : nullptr;
}

TPair* Document::PairAt(int index) {
    return index >= 0 && index < kPairSlots ? &Pairings[static_cast<size_t>(index)] : nullptr;
}

base::Date Document::DateOf(int dayIndex) const {
    if (dayIndex < 0 || dayIndex >= kDayCells) return base::Date(0);
    const base::CalendarDate& c = DayDate[static_cast<size_t>(dayIndex)];
    return base::Date::FromDmy(c.day, c.month, c.year);
}

base::Date Document::PrevDateOf(int w) const {
    if (w < 0 || w >= kPrevDays) return base::Date(0);
    const base::CalendarDate& c = PrevDates[static_cast<size_t>(w)];
    return base::Date::FromDmy(c.day, c.month, c.year);
}

std::string Document::MonthTitleText() const { return FieldText(MonthTitle); }
std::string Document::YearTitleText() const { return FieldText(YearTitle); }

int32_t Document::EffectiveMinDaysOff(const TPilot& p) const {
    if (p.MinDaysOff != 0) return p.MinDaysOff;
    return p.IsReserve(DayCount) ? DaysOffReserve : DaysOffBlockHolder;
}

}  // namespace lw::model
