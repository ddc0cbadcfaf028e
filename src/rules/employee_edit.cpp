#include "rules/employee_edit.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include "base/time_text.h"
#include "rules/history_undo.h"
#include "rules/roster_edit.h"
#include "model/blocking_rules.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPilot;

constexpr size_t kQuickNotesLimit = 499;
constexpr int32_t kCheckPilotMin = model::blocking::kCheckPilotMemberMin;
constexpr int32_t kCheckPilotMax = model::blocking::kCheckPilotMemberMax;
constexpr int32_t kLongestBlockChoice = 7200;
constexpr int kFewestDaysOff = 8, kMostDaysOff = 30;
constexpr int kChecker = 3;
constexpr const char* kHoursMinutesError = "C/I Days > 5 or Hr:Min not correct on one field";

size_t At(int i) { return static_cast<size_t>(i); }

int FloorDiv(int32_t a, int32_t b) { return a / b - ((a % b != 0 && a < 0) ? 1 : 0); }

// "day:hh:mm", day 1 being the first day of the month; work ending before it shows day 0 or less.
std::string CheckInText(int32_t time) {
    const int day = FloorDiv(time, base::kMinutesPerDay);
    const int32_t minute = time - day * base::kMinutesPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", day + 1, minute / 60, minute % 60);
    return text;
}

std::optional<int32_t> Minutes(int64_t hours, int64_t minutes) {
    if (hours < 0 || minutes < 0 || minutes > 59) return std::nullopt;
    const int64_t total = hours * 60 + minutes;
    if (total > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(total);
}

// A "%d%c%d" field. A field the planner left as shown keeps its value, even one the text
// cannot carry (a negative balance from the extract).
std::optional<int32_t> HoursField(const std::string& text, const std::string& shown, int32_t stored) {
    if (text == shown) return stored;
    const auto v = base::ScanHoursMinutes(text);
    if (!v) return std::nullopt;
    return Minutes(v->hours, v->minutes);
}

std::optional<int32_t> CheckInField(const std::string& text, const std::string& shown, int32_t stored) {
    if (text == shown) return stored;
    const auto v = base::ScanDaysHoursMinutes(text);
    if (!v || v->hours > 23 || v->days > model::kDayCells) return std::nullopt;
    const auto time = Minutes(v->hours, v->minutes);
    if (!time) return std::nullopt;
    return *time + (std::max(v->days, 1) - 1) * base::kMinutesPerDay;
}

// A previous-month time: -1 when unreadable.
int32_t PrevTimeField(const std::string& text, const std::string& shown, int32_t stored, bool hourLimit) {
    return text == shown ? stored : base::ParseTime(text, hourLimit);
}

}  // namespace

std::vector<std::string> QualificationNames(const Document& doc) {
    return {"None", "Check B", doc.IsFlightAttendants() ? "No Fams" : "LTC", "Checker", "LTC and TP"};
}

EmployeeFields ReadEmployeeFields(const Document& doc, int crew, int prevDayW) {
    EmployeeFields f;
    if (!IsRosterRow(doc, crew)) return f;
    const TPilot& p = doc.Crew[At(crew)];
    f.name = p.Name;
    f.employeeNumber = std::to_string(p.EmployeeNumber);
    f.phone1 = p.Phone1;
    f.phone2 = p.Phone2;
    f.quickNotes = p.QuickNotes;
    f.creditCarriedIn = base::FormatTime(p.CreditCarriedIn);
    f.extraCredits = base::FormatTime(p.ExtraCredits);
    f.timeBank = base::FormatTime(p.TimeBank);
    f.trainingAtHome = base::FormatTime(p.TrainingAtHome);
    f.legalCheckIn = CheckInText(p.LegalCheckIn);
    f.draftCredits = base::FormatTime(p.DraftCredits);
    f.minBlock = base::FormatTime(doc.EffectiveMinBlock(p));
    f.maxBlock = base::FormatTime(doc.EffectiveMaxBlock(p));
    f.minDaysOff = std::to_string(doc.EffectiveMinDaysOff(p));
    f.qualification = p.Qualification;
    f.languageBits = p.LanguageBits;
    f.training = p.TrainingFlag != 0;
    f.noTz = p.NoTz != 0;
    f.noYcg = p.NoYcg != 0;
    f.bidsReserve = p.BidsReserve;
    f.blockComplete = p.BlockComplete != 0;
    f.outsideW = p.OutsideW;

    const int w = std::clamp(prevDayW, 0, model::kPrevDays - 1);
    const model::DayValues& v = p.PrevDayData[At(w)];
    const base::CalendarDate date = doc.PrevDates[At(w)];
    char dateText[48];
    std::snprintf(dateText, sizeof dateText, "%02d/%02d/%04d", date.day, date.month, date.year);
    f.prevDay.w = w;
    f.prevDay.date = dateText;
    f.prevDay.code = p.DayText[At(w)];
    f.prevDay.hardTime = base::FormatTime(v[model::kPrevHardTime]);
    f.prevDay.dutyStart = base::FormatTime(v[model::kPrevDutyStart]);
    f.prevDay.dutyLength = base::FormatTime(v[model::kPrevDutyLength]);
    f.prevDay.pairStart = base::FormatTime(v[model::kPrevPairStart]);
    f.prevDay.pairTafb = base::FormatTime(v[model::kPrevPairTafb]);
    f.prevDay.worked = v[model::kPrevWorked];
    f.prevDay.carsDuty = v[model::kPrevCarsDuty] != 0;

    f.illegalities = p.IllegalText;
    f.warnings = p.WarningText;
    f.ruleResults = SplitListText(p.RuleLog);
    return f;
}

bool ApplyEmployeeEdit(Document& doc, Board& board, platform::Interaction& ui, int crew, const EmployeeFields& f) {
    auto refuse = [&ui](std::string_view text) {
        ui.Message(text, "Linewright", platform::Icon::Stop);
        return false;
    };
    if (!IsRosterRow(doc, crew)) return refuse("No Employee in that Row");
    if (f.prevDay.w < 0 || f.prevDay.w >= model::kPrevDays) return refuse("No Previous Month Data for that Day");
    const TPilot& current = doc.Crew[At(crew)];
    const EmployeeFields shown = ReadEmployeeFields(doc, crew, f.prevDay.w);

    if (f.name.empty()) return refuse("Pilot Name Error");

    const PrevDayFields& day = f.prevDay;
    const model::DayValues& stored = current.PrevDayData[At(day.w)];
    const int32_t hard = PrevTimeField(day.hardTime, shown.prevDay.hardTime, stored[model::kPrevHardTime], true);
    const int32_t dutyStart =
        PrevTimeField(day.dutyStart, shown.prevDay.dutyStart, stored[model::kPrevDutyStart], true);
    const int32_t dutyLength =
        PrevTimeField(day.dutyLength, shown.prevDay.dutyLength, stored[model::kPrevDutyLength], false);
    const int32_t pairStart =
        PrevTimeField(day.pairStart, shown.prevDay.pairStart, stored[model::kPrevPairStart], true);
    const int32_t pairTafb = PrevTimeField(day.pairTafb, shown.prevDay.pairTafb, stored[model::kPrevPairTafb], false);
    std::string prevErrors;
    if (hard < 0) prevErrors += "Hard Time Error";
    if (dutyStart < 0) prevErrors += " ,Duty Start Time Error";
    if (dutyLength < 0) prevErrors += " ,Duty Length Time Error";
    if (pairStart < 0) prevErrors += " ,Pair/Ass Start Time Error";
    if (pairTafb < 0) prevErrors += " ,Pair/Ass TAFB Time Error";
    if (!prevErrors.empty()) return refuse(prevErrors);

    const auto carriedIn = HoursField(f.creditCarriedIn, shown.creditCarriedIn, current.CreditCarriedIn);
    const auto extra = HoursField(f.extraCredits, shown.extraCredits, current.ExtraCredits);
    const auto timeBank = HoursField(f.timeBank, shown.timeBank, current.TimeBank);
    const auto atHome = HoursField(f.trainingAtHome, shown.trainingAtHome, current.TrainingAtHome);
    const auto checkIn = CheckInField(f.legalCheckIn, shown.legalCheckIn, current.LegalCheckIn);
    if (!carriedIn || !extra || !timeBank || !atHome || !checkIn) return refuse(kHoursMinutesError);
    const int32_t draft =
        f.draftCredits == shown.draftCredits ? current.DraftCredits : base::ParseHoursEntry(f.draftCredits);
    if (draft < 0) return refuse(kHoursMinutesError);

    // The limits are chosen from lists; one left as shown keeps what is stored (0 = the default).
    const bool minBlockChosen = f.minBlock != shown.minBlock;
    const bool maxBlockChosen = f.maxBlock != shown.maxBlock;
    const bool daysOffChosen = f.minDaysOff != shown.minDaysOff;
    const int32_t minBlock = minBlockChosen ? base::ParseTime(f.minBlock, false) : 1;
    const int32_t maxBlock = maxBlockChosen ? base::ParseTime(f.maxBlock, false) : 1;
    if (minBlock < 1 || minBlock > kLongestBlockChoice || maxBlock < 1 || maxBlock > kLongestBlockChoice)
        return refuse("Min and Max Block must be chosen from 00:01 to 120:00");
    const auto daysOff = daysOffChosen ? ReadEmployeeNumber(f.minDaysOff) : std::optional<int32_t>(kFewestDaysOff);
    if (!daysOff || *daysOff < kFewestDaysOff || *daysOff > kMostDaysOff)
        return refuse("Min Days Off must be chosen from 8 to 30");
    if (f.qualification < 0 || f.qualification > 4) return refuse("Qualification must be chosen from the list");
    if (f.languageBits < 0 || f.languageBits > 3) return refuse("Language must be chosen from the list");

    const auto employee = ReadEmployeeNumber(f.employeeNumber);
    if (!employee || *employee < -1 || *employee > model::kMaxEmployeeNumber)
        return refuse("Invalid Employee Number. -1 - 999999999 only");
    if (*employee != current.EmployeeNumber &&
        ui.Ask("You have entered a different Employee Number. Do you want to change the Employee Number",
               "Linewright") != platform::Answer::Yes)
        return false;
    // -1 marks a captain-pairings line, which several lines share.
    if (*employee != 0 && *employee != -1) {
        for (int c = 0; c < doc.CrewCount; ++c) {
            if (c == crew || doc.Crew[At(c)].EmployeeNumber != *employee) continue;
            return refuse("You Have Entered an Employee Number that is being used by " + doc.Crew[At(c)].Name +
                          ". Enter a Valid Number");
        }
    }

    TPilot next = current;
    next.Name = f.name;
    next.EmployeeNumber = *employee;
    next.Phone1 = f.phone1;
    next.Phone2 = f.phone2;
    next.QuickNotes = f.quickNotes.substr(0, kQuickNotesLimit);
    next.CreditCarriedIn = *carriedIn;
    next.ExtraCredits = *extra;
    next.TimeBank = *timeBank;
    next.TrainingAtHome = *atHome;
    next.LegalCheckIn = *checkIn;
    next.DraftCredits = draft;
    next.Qualification = f.qualification;
    next.LanguageBits = f.languageBits;
    next.TrainingFlag = f.training ? 1 : 0;
    next.NoTz = f.noTz ? 1 : 0;
    next.NoYcg = f.noYcg ? 1 : 0;
    next.BidsReserve = f.bidsReserve;
    next.BlockComplete = f.blockComplete ? 1 : 0;
    next.OutsideW = f.outsideW;
    // A limit equal to the month's default follows later changes of that default.
    if (minBlockChosen) next.MinBlock = minBlock == doc.MinBlock ? 0 : minBlock;
    if (maxBlockChosen) next.MaxBlock = maxBlock == doc.MaxBlock ? 0 : maxBlock;
    if (daysOffChosen) {
        next.MinDaysOff = 0;
        next.MinDaysOff = *daysOff == doc.EffectiveMinDaysOff(next) ? 0 : *daysOff;
    }

    model::DayValues& v = next.PrevDayData[At(day.w)];
    v[model::kPrevHardTime] = hard;
    v[model::kPrevDutyStart] = dutyStart;
    v[model::kPrevDutyLength] = dutyLength;
    v[model::kPrevPairStart] = pairStart;
    v[model::kPrevPairTafb] = pairTafb;
    v[model::kPrevWorked] = std::clamp(day.worked, 0, 2);
    v[model::kPrevCarsDuty] = day.carsDuty ? 1 : 0;

    if (next.Qualification == kChecker) {
        const bool usual = (next.MinBlock == 0 || next.MinBlock == kCheckPilotMin) &&
                           (next.MaxBlock == 0 || next.MaxBlock == kCheckPilotMax);
        if (usual || ui.Ask("Do you want to Override the Default Min and Max Block Time for this Check Pilot.",
                            "Linewright") != platform::Answer::Yes) {
            next.MinBlock = kCheckPilotMin;
            next.MaxBlock = kCheckPilotMax;
        }
    }

    doc.Crew[At(crew)] = std::move(next);
    doc.Modified = true;
    RecheckAfterChange(doc, board, crew);
    return true;
}

}  // namespace lw::rules
