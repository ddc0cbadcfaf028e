#include "import/activity_extract.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/text.h"
#include "model/activity_codes.h"
#include "model/document.h"
#include "base/time_text.h"
#include "model/rest_rules.h"

namespace lw::import {

namespace {

using base::Date;
using model::DayValues;
using model::Document;
using model::TPilot;

constexpr std::string_view kTitle = "Linewright";
constexpr std::string_view kOpenFailedTitle = "Unable to Open File";
constexpr std::string_view kFileErrorTitle = "File Error";
constexpr std::string_view kNotValidExtract =
    "This May Not Be a Valid Crew Activity Extract! Do You Want to Try Load it Anyway";
constexpr std::string_view kErrorsTitle = "Errors from Overlap Info Extract Load";
constexpr std::string_view kProgressTitle = "Loading Last Month's Data";

constexpr int kSlots = 31;
constexpr int kFirstSlotColumn = 9;
constexpr int kSlotWidth = 40;
constexpr size_t kEmployeeColumns = 9;
// A line shorter than this cannot be a crew member's line.
constexpr size_t kShortestCrewLine = 100;
constexpr int kLastBlockTimeColumn = 1601;  // the day before the month

constexpr int kPrevCredit = 4;                      // PrevDayData entry of the day's credit
constexpr int kLastPrevDay = model::kPrevDays - 1;  // w = 30, the day before the month
constexpr int kLastCell = model::kDayCells - 1;     // w = 61
constexpr int32_t kPrevDaysMinutes = model::kPrevDays * base::kMinutesPerDay;
// Duty periods sit in 70..813; a 32nd would run into the daily entries at 814.
constexpr int kDutyPeriods = 31;
constexpr int kDailyEntries = 33;

// What this load builds for one crew member before it is written into the document.
struct CarryIn {
    std::array<DayValues, model::kDayCells> prev{};
    std::array<std::string, model::kDayCells> text;
    int32_t legalCheckIn = 0;
    int32_t creditCarriedIn = 0;
};

struct FieldDate {
    int32_t year = 0, month = 0, day = 0;
};

// The extended day index of every date the document knows: the 31 days before the month
// and the month's own days.
class ExtendedDays {
public:
    explicit ExtendedDays(const Document& doc) {
        for (int w = 0; w < model::kPrevDays; ++w)
            if (doc.PrevDates[static_cast<size_t>(w)].year != 0)
                numbers_[static_cast<size_t>(w)] = doc.PrevDateOf(w).Number();
        const int days = std::min(doc.DayCount, model::kMonthDays);
        for (int d = 0; d < days; ++d)
            if (doc.DayDate[static_cast<size_t>(d)].year != 0)
                numbers_[static_cast<size_t>(model::kPrevDays + d)] = doc.DateOf(d).Number();
    }

    std::optional<int> Of(const FieldDate& f) const {
        if (f.year == 0) return std::nullopt;
        const base::Date date = base::Date::FromDmy(f.day, f.month, f.year);
        if (!date.IsValid()) return std::nullopt;
        for (size_t w = 0; w < numbers_.size(); ++w)
            if (numbers_[w] == date.Number()) return static_cast<int>(w);
        return std::nullopt;
    }

private:
    std::array<int32_t, model::kDayCells> numbers_{};  // 0 = no date
};

// One file's reading context: the run log for fields beyond the end of a line.
struct Fields {
    const Document& doc;
    int32_t Int(std::string_view line, int pos, int len) const { return base::GetInt(line, pos, len, doc.RunLog); }
    FieldDate DateAt(std::string_view line, int pos) const {
        return {Int(line, pos, 4), Int(line, pos + 4, 2), Int(line, pos + 6, 2)};
    }
};

// Sums that a file repeating one member's line many times cannot push past the 32-bit range.
void AddCapped(int32_t& total, int64_t value) {
    total = static_cast<int32_t>(std::clamp<int64_t>(int64_t{total} + value, INT32_MIN, INT32_MAX));
}

bool IsBlank(std::string_view text) { return base::TrimSpaces(text).empty(); }

std::string PairingKey(std::string_view number, const FieldDate& start) {
    return std::string(base::TrimSpaces(number)) + "|" + std::to_string(start.year) + "-" + std::to_string(start.month) +
           "-" + std::to_string(start.day);
}

// The pairing extract's lines by pairing number and start date; the first line wins, as a
// search from the top of the file would find it.
class PriorPairings {
public:
    PriorPairings(std::string_view text, const Fields& fields) {
        base::TextLineCursor lines(text);
        // The pairings end at the first short line (a blank line, a trailer): what follows it
        // is not searched.
        while (const std::optional<std::string_view> line = lines.Next()) {
            if (line->size() < kPriorPairingLineLength) break;
            byKey_.try_emplace(PairingKey(line->substr(0, 5), fields.DateAt(*line, 6)), *line);
        }
    }

    std::optional<std::string_view> Find(std::string_view number, const FieldDate& start) const {
        const auto it = byKey_.find(PairingKey(number, start));
        if (it == byKey_.end()) return std::nullopt;
        return it->second;
    }

private:
    std::map<std::string, std::string_view> byKey_;
};

// Loads one crew member's line into that member's carry-in.
class MemberLoader {
public:
    MemberLoader(const Document& doc, const ExtendedDays& days, const PriorPairings& pairings, base::ErrorLines& errors,
                 const TPilot& member, CarryIn& out)
        : doc_(doc), fields_{doc}, days_(days), pairings_(pairings), errors_(errors), member_(member), out_(out) {}

    void Load(std::string_view line) {
        for (int s = 0; s < kSlots; ++s) {
            const int v = kFirstSlotColumn + kSlotWidth * s;
            if (line.size() < static_cast<size_t>(v + kSlotWidth)) {
                doc_.Log("Substring out of Range\n");
                return;
            }
            const std::string_view code = line.substr(static_cast<size_t>(v), 2);
            const std::string_view number = line.substr(static_cast<size_t>(v + 2), 5);
            if (!IsBlank(code))
                Activity(line, v, code);
            else if (!IsBlank(number))
                Pairing(line, v, number);
        }
        // The extract's own block times of last month's days stand over the pairings' figures.
        for (int w = 0; w <= kLastPrevDay; ++w) {
            const int column = kLastBlockTimeColumn - 4 * (kLastPrevDay - w);
            if (line.size() >= static_cast<size_t>(column + 4))
                out_.prev[static_cast<size_t>(w)][model::kPrevHardTime] = fields_.Int(line, column, 4);
        }
    }

private:
    DayValues& Day(int w) { return out_.prev[static_cast<size_t>(w)]; }
    const char* Name() const { return member_.Name.c_str(); }
    bool Cabin() const { return doc_.IsFlightAttendants(); }

    // The latest rest limit wins, whatever order the slots come in.
    void CheckInNoEarlierThan(int64_t minutes) {
        if (minutes > out_.legalCheckIn)
            out_.legalCheckIn = static_cast<int32_t>(std::min<int64_t>(minutes, INT32_MAX));
    }

    void Pairing(std::string_view line, int v, std::string_view number) {
        const FieldDate start = fields_.DateAt(line, v + 8);
        const std::string shown(base::TrimSpaces(number));
        const std::optional<std::string_view> found = pairings_.Find(number, start);
        if (!found) {
            errors_.Add(base::PrintfString("Could not find Pairing %s to Assign to %s.", shown.c_str(), Name()));
            return;
        }
        const std::string_view p = *found;
        const int64_t report = fields_.Int(p, 22, 4);
        const int64_t tafb = fields_.Int(p, 50, 8);

        // Days the trip covers after its first: a release before 02:00 does not count its day.
        int64_t covered = (report + tafb) / base::kMinutesPerDay;
        int64_t releaseMinute = report + tafb;
        if (releaseMinute > base::kMinutesPerDay) releaseMinute = (releaseMinute - 1) % base::kMinutesPerDay + 1;
        if (releaseMinute < 120 && covered > 0) --covered;

        const std::optional<int> first = days_.Of(fields_.DateAt(p, 14));
        if (!first) {
            const base::Date startDate = base::Date::FromDmy(start.day, start.month, start.year);
            FieldDate end = start;
            if (startDate.IsValid() && covered >= 0 && covered <= 366) {
                const base::CalendarDate c = startDate.AddDays(static_cast<int32_t>(covered)).Split();
                end = {c.year, c.month, c.day};
            }
            errors_.Add(
                base::PrintfString("Could not assign Pairing %s to %s from %02d %02d %04d to %02d %02d %04d Last Month.",
                             shown.c_str(), Name(), start.day, start.month, start.year, end.day, end.month, end.year));
            return;
        }
        const int w0 = *first;
        Day(w0)[model::kPrevPairStart] = static_cast<int32_t>(report);
        Day(w0)[model::kPrevPairTafb] = static_cast<int32_t>(tafb);
        out_.text[static_cast<size_t>(w0)] = shown;

        // Rest after the release, in schedule time of the new month.
        int64_t release = report + int64_t{w0} * base::kMinutesPerDay + tafb;
        if (Cabin()) {
            release += model::kCabinRest;
        } else {
            const int32_t rest = fields_.Int(p, 66, 4);
            release += rest >= 720 ? rest - 59 : model::kPilotRest;
        }
        CheckInNoEarlierThan(release - kPrevDaysMinutes);

        for (int64_t w = w0; w <= std::min<int64_t>(w0 + covered, kLastCell); ++w)
            Day(static_cast<int>(w))[model::kPrevWorked] = 1;

        // Daily entry k belongs to the day before the first day plus k.
        bool intoMonth = false;
        int64_t dailyCredit = 0;
        const int64_t entries = std::min<int64_t>(covered + 3, kDailyEntries);
        for (int k = 0; k < entries; ++k) {
            const int w = w0 - 1 + k;
            if (w < 0) continue;
            if (w > kLastCell) break;
            const int32_t block = fields_.Int(p, 817 + 11 * k, 4);
            const int32_t credit = fields_.Int(p, 821 + 11 * k, 4);
            AddCapped(Day(w)[model::kPrevHardTime], block);
            AddCapped(Day(w)[kPrevCredit], credit);
            dailyCredit += credit;
            if (w >= model::kPrevDays) {
                AddCapped(out_.creditCarriedIn, credit);
                intoMonth = true;
            }
        }
        const int64_t total = fields_.Int(p, 44, 6);
        if (intoMonth && total > dailyCredit && out_.creditCarriedIn > 0)
            AddCapped(out_.creditCarriedIn, total - dailyCredit);

        for (int k = 0; k < kDutyPeriods; ++k) {
            const std::optional<int> w = days_.Of(fields_.DateAt(p, 70 + 24 * k));
            if (!w) break;
            const int32_t dutyStart = fields_.Int(p, 78 + 24 * k, 4);
            int32_t length = fields_.Int(p, 90 + 24 * k, 4) - dutyStart;
            if (length < 0) length += base::kMinutesPerDay;
            Day(*w)[model::kPrevDutyStart] = dutyStart;
            Day(*w)[model::kPrevDutyLength] = length;
        }
    }

    void Activity(std::string_view line, int v, std::string_view code) {
        const FieldDate firstDate = fields_.DateAt(line, v + 16);
        const int32_t start = fields_.Int(line, v + 24, 4);
        const FieldDate lastDate = fields_.DateAt(line, v + 28);
        const int32_t end = fields_.Int(line, v + 36, 4);
        const std::string codeText(code);

        // Only work that began in the 31 days before the month is last month's; a last day
        // that is no date or lies before the first cannot be placed either.
        const std::optional<int> first = days_.Of(firstDate);
        const base::Date from = base::Date::FromDmy(firstDate.day, firstDate.month, firstDate.year);
        const base::Date to = lastDate.year == 0 ? base::Date(0) : base::Date::FromDmy(lastDate.day, lastDate.month, lastDate.year);
        if (!first || *first > kLastPrevDay || !to.IsValid() || to < from) {
            errors_.Add(base::PrintfString("Could not assign %s code to %s from %02d %02d %04d to %02d %02d %04d Last Month.",
                                     codeText.c_str(), Name(), firstDate.day, firstDate.month, firstDate.year,
                                     lastDate.day, lastDate.month, lastDate.year));
            return;
        }

        int32_t length = end - start;
        if (length < 0) length += base::kMinutesPerDay;
        int64_t span = to.DaysSince(from);
        // Overnight, 22:00 to 06:00, is one day's work; a two-day course 09:00 to 17:00 is two.
        if (span == 1 && end < start) span = 0;

        const std::optional<model::OutsideCodeMatch> match = model::LookupOutsideCode(doc_, code);
        for (int64_t q = *first; q <= std::min<int64_t>(*first + span, kLastCell); ++q) {
            DayValues& day = Day(static_cast<int>(q));
            if (match) {
                day[kPrevCredit] = match->credit;
                day[model::kPrevWorked] = match->reserve ? 2 : (match->containsDuty ? 1 : 0);
                day[model::kPrevCarsDuty] = match->carsDuty ? 1 : 0;
                out_.text[static_cast<size_t>(q)] = match->code;
            } else {
                day[kPrevCredit] = 0;
                day[model::kPrevHardTime] = 0;
                day[model::kPrevWorked] = 0;
                day[model::kPrevCarsDuty] = 0;
                out_.text[static_cast<size_t>(q)] = codeText;
                errors_.Add(base::PrintfString("No Matching Code for %s Last Month %s day %02d - No Duty Info loaded.",
                                         codeText.c_str(), Name(), static_cast<int>(q) + 1));
            }
            day[model::kPrevDutyStart] = start;
            day[model::kPrevDutyLength] = length;

            // Work on the day before the month holds off the first check-in.
            if (q != kLastPrevDay) continue;
            if (day[model::kPrevWorked] == 2) {
                day[model::kPrevDutyLength] = 840;  // a reserve day is taken as 14 hours
                CheckInNoEarlierThan(int64_t{start} - 61);
            } else if (day[model::kPrevWorked] == 1) {
                CheckInNoEarlierThan(int64_t{start} + length - (Cabin() ? 720 : 780));
            }
        }
    }

    const Document& doc_;
    Fields fields_;
    const ExtendedDays& days_;
    const PriorPairings& pairings_;
    base::ErrorLines& errors_;
    const TPilot& member_;
    CarryIn& out_;
};

// Reads one extract; the message when it cannot be used.
base::BoundedRead ReadExtract(platform::Interaction& ui, const std::filesystem::path& file, std::string& text) {
    const base::BoundedRead read = base::ReadFileUpTo(file, kExtractSizeLimit, text);
    if (read == base::BoundedRead::CannotOpen) ui.Message(file.string(), kOpenFailedTitle, platform::Icon::Stop);
    if (read == base::BoundedRead::TooLarge)
        ui.Message(base::PrintfString("%s is larger than %zu MB and cannot be a CrewTrac Extract.", file.string().c_str(),
                                kExtractSizeLimit >> 20),
                   kFileErrorTitle, platform::Icon::Stop);
    return read;
}

size_t FirstLineLength(std::string_view text) { return base::TextLineCursor(text).Next().value_or("").size(); }

bool TryAnyway(platform::Interaction& ui) {
    return ui.Ask(kNotValidExtract, kTitle, platform::Buttons::YesNo, platform::Icon::Question) ==
           platform::Answer::Yes;
}

}  // namespace

platform::FileRequest ActivityExtractRequest(std::string lastOverlapDataPath) {
    platform::FileRequest request;
    request.title = "Load Overlap Information from Extract";
    request.filter = "CrewTrac Extract Files (*actp.ext *actc.ext)|*actp.ext;*actc.ext|All Files (*.*)|*.*";
    request.folder = std::move(lastOverlapDataPath);
    return request;
}

platform::FileRequest PriorPairingExtractRequest(std::string folder) {
    platform::FileRequest request;
    request.title = "Open Updated Pairing Data from Extract";
    request.filter = "CrewTrac Extract Files (*prgp.ext *prgc.ext.)|*prgp.ext;*prgc.ext|All Files (*.*)|*.*";
    request.folder = std::move(folder);
    return request;
}

bool LoadLastMonthData(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& activityFile,
                       const std::filesystem::path& priorPairingFile, std::filesystem::path* folder) {
    // Without the month's dates no day of the extract could be placed, and loading would only
    // wipe what the crew carry in.
    if (doc.DayCount <= 0 || doc.PrevDates.back().year == 0) {
        ui.Message("Set the Month's Start and End Dates before loading Last Month's Data.", kTitle,
                   platform::Icon::Stop);
        return false;
    }

    std::string activities;
    const base::BoundedRead read = ReadExtract(ui, activityFile, activities);
    if (read != base::BoundedRead::CannotOpen && folder) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(activityFile, ec);
        *folder = (ec ? activityFile : full).parent_path();
    }
    if (read != base::BoundedRead::Ok) return false;
    if (activities.find_first_not_of(" \t\r\n") == std::string::npos) {
        ui.Message(base::PrintfString("%s is empty. Last Month's Data not Loaded.", activityFile.string().c_str()),
                   kFileErrorTitle, platform::Icon::Stop);
        return false;
    }
    if (FirstLineLength(activities) != kActivityLineLength && !TryAnyway(ui)) return false;

    std::string pairingText;
    if (ReadExtract(ui, priorPairingFile, pairingText) != base::BoundedRead::Ok) return false;
    if (FirstLineLength(pairingText) != kPriorPairingLineLength && !TryAnyway(ui)) return false;

    const int crewCount = std::clamp(doc.CrewCount, 0, model::kCrewRows - 1);
    base::ErrorLines errors;
    // Everything is built aside and written into the document only when the whole file has
    // been read, so a stopped load leaves the crew as they were.
    std::vector<CarryIn> loaded(static_cast<size_t>(crewCount));
    for (int r = 0; r < crewCount; ++r) {
        const TPilot& member = doc.Crew[static_cast<size_t>(r)];
        for (int w = model::kPrevDays; w < model::kDayCells; ++w)
            loaded[static_cast<size_t>(r)].text[static_cast<size_t>(w)] = member.DayText[static_cast<size_t>(w)];
    }
    {
        platform::BusyScope busy(ui);
        doc.Log("LoadLastMonthsDataFromExtractBegin\n");
        platform::ProgressScope progress(ui, kProgressTitle, crewCount);
        doc.Log("Progress Dialog Created\n");

        const Fields fields{doc};
        const ExtendedDays days(doc);
        const PriorPairings pairings(pairingText, fields);
        int done = 0;
        base::TextLineCursor lines(activities);
        while (const std::optional<std::string_view> line = lines.Next()) {
            if (line->size() != kActivityLineLength) doc.Log("Crew Activity Record Line Not Correct Length\n");
            if (line->size() < kEmployeeColumns) continue;
            const int32_t employee = fields.Int(*line, 0, 9);
            if (employee <= 0) continue;  // never the open-time or captain-pairings lines
            int row = -1;
            for (int r = 0; r < crewCount && row < 0; ++r)
                if (doc.Crew[static_cast<size_t>(r)].EmployeeNumber == employee) row = r;
            if (row < 0) continue;
            const TPilot& member = doc.Crew[static_cast<size_t>(row)];
            if (line->size() < kShortestCrewLine) {
                errors.Add(base::PrintfString("Crew Activity Line for %s is too Short. Last Month's Data not Loaded.",
                                        member.Name.c_str()));
                continue;
            }
            done = std::min(done + 1, crewCount);
            if (!progress.Step(done, base::PrintfString("Completed %d of %d", done, crewCount))) return false;
            doc.Log(base::PrintfString("LoadingLastMonthsDataFor %s %d\n", member.Name.c_str(), member.EmployeeNumber));
            MemberLoader(doc, days, pairings, errors, member, loaded[static_cast<size_t>(row)]).Load(*line);
        }
        doc.Log("LoadLastMonthsData Finished...\n");
    }

    for (int r = 0; r < crewCount; ++r) {
        TPilot& member = doc.Crew[static_cast<size_t>(r)];
        CarryIn& in = loaded[static_cast<size_t>(r)];
        member.PrevDayData = in.prev;
        member.DayText = std::move(in.text);
        member.LegalCheckIn = in.legalCheckIn;
        member.CreditCarriedIn = in.creditCarriedIn;
        member.ReservedSettingsA = {};
    }
    doc.FreshDocument = false;
    doc.Modified = true;
    if (!errors.Empty()) ui.ShowList(kErrorsTitle, errors.Lines());
    return true;
}

}  // namespace lw::import
