#include "import/absence_extract.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "import/extract_support.h"
#include "model/activity_codes.h"
#include "model/capacities.h"
#include "model/document.h"
#include "base/time_text.h"

namespace lw::import {

namespace {

constexpr std::string_view kTitle = "Linewright";
constexpr std::string_view kWarningsTitle = "Warnings from Absences Extract Load";
constexpr size_t kKeep = 512;  // past the last slot
constexpr size_t kEndLength = 10;
constexpr int32_t kEndOfData = 99999;
constexpr int kSlots = 31;
constexpr size_t kFirstSlot = 9;
constexpr size_t kSlotWidth = 14;
using base::kMinutesPerDay;

// The day cells of one member as the load leaves them, written back only when the file
// has been read through.
struct StagedDays {
    std::array<std::string, model::kDayCells> code;
    std::array<std::string, model::kDayCells> extract;
    std::array<model::DayValues, model::kDayCells> activity{};
    std::array<int32_t, model::kDayCells> assignment{};
};

// Blanks, then digits: the way CrewTrac pads its numbers. All blanks reads as 0.
bool IsNumberField(std::string_view field) {
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    for (; i < field.size(); ++i)
        if (field[i] < '0' || field[i] > '9') return false;
    return true;
}

bool IsPlainChar(char c) { return c >= 0x20 && c <= 0x7E; }

bool IsPlainText(std::string_view text) { return std::all_of(text.begin(), text.end(), IsPlainChar); }

// A damaged code as a warning can show it.
std::string ShownCode(std::string_view code) {
    std::string out(code);
    for (char& c : out)
        if (!IsPlainChar(c)) c = '?';
    return out;
}

// True when a pairing starts on day k or runs over it from an earlier day; the trip's last
// day is home again and takes a code like any free day.
bool PairingOnDay(const model::Document& doc, const model::TPilot& p, int k) {
    for (int j = k; j >= 0 && j > k - model::kMonthDays; --j) {
        const int32_t index = p.DayAssignment[static_cast<size_t>(j)];
        if (index < 0) continue;
        if (j == k) return true;
        int length = 1;
        if (static_cast<size_t>(index) < doc.Pairings.size())
            length = std::max<int>(1, doc.Pairings[static_cast<size_t>(index)].PairLength);
        if (j + length - 1 > k) return true;
    }
    return false;
}

std::string Days(int32_t day) {
    std::string text = std::to_string(day);
    return text.size() < 2 ? "0" + text : text;
}

void FileError(platform::Interaction& ui) {
    ui.Message("File Error - Unable to Load Crew Absences from this file.", kTitle, platform::Icon::Stop);
}

}  // namespace

platform::FileRequest AbsenceExtractRequest(std::string lastCrewAbsPath) {
    platform::FileRequest request;
    request.title = "Load Crew Absences Extract";
    request.filter = "CrewTrac Extract Files (*absp.ext *absc.ext)|*absp.ext;*absc.ext|All Files (*.*)|*.*";
    request.folder = std::move(lastCrewAbsPath);
    return request;
}

bool LoadAbsenceExtract(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                        bool nextMonth, std::filesystem::path* folder) {
    if (!nextMonth && !doc.FreshDocument &&
        ui.Ask("This will erase all conflicting Toolbox assignments. Proceed", kTitle, platform::Buttons::YesNo,
               platform::Icon::Stop) != platform::Answer::Yes)
        return false;

    ExtractLineReader reader(kKeep);
    if (!reader.Open(file)) {
        ui.Message(file.string(), "Unable to Open File", platform::Icon::Stop);
        return false;
    }
    if (folder) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(file, ec);
        *folder = (ec ? file : full).parent_path();
    }

    std::string line;
    size_t length = 0;
    ExtractLineReader::Result got = reader.Next(line, length);
    if (got == ExtractLineReader::Result::Error || !reader.Rewind()) {
        FileError(ui);
        return false;
    }
    const size_t firstLength = got == ExtractLineReader::Result::Line ? length : 0;
    if (firstLength != kAbsenceLineLength &&
        ui.Ask("This May Not Be a Valid Crew Absence Extract! Do You Want to Try Load it Anyway", kTitle,
               platform::Buttons::YesNo) != platform::Answer::Yes)
        return false;

    // The roster's members by employee number; the open-time and captain-pairings lines
    // (0 and -1) never receive absences.
    const int crewCount = std::clamp<int>(doc.CrewCount, 0, static_cast<int>(doc.Crew.size()));
    std::unordered_map<int32_t, int> rowOf;
    for (int r = 0; r < crewCount; ++r) {
        const int32_t number = doc.Crew[static_cast<size_t>(r)].EmployeeNumber;
        if (number > 0) rowOf.emplace(number, r);
    }
    // Next month's day 1 follows the month's last day.
    const int shift = nextMonth ? std::clamp<int>(doc.DayCount, 0, model::kMonthDays) : 0;

    std::vector<std::unique_ptr<StagedDays>> staged(static_cast<size_t>(crewCount));
    WarningList warnings;
    int matched = 0;
    doc.Log("LoadCrewAbsencesBegin\n");
    {
        platform::BusyScope busy(ui);
        while ((got = reader.Next(line, length)) == ExtractLineReader::Result::Line) {
            if (length < kEndLength) break;
            const std::optional<int32_t> number = ExtractEmployeeNumber(line);
            if (number == kEndOfData) break;
            if (!number) continue;
            const auto found = rowOf.find(*number);
            if (found == rowOf.end()) continue;
            const int row = found->second;
            const model::TPilot& member = doc.Crew[static_cast<size_t>(row)];
            ++matched;
            doc.Log("Loading Absenses for " + member.Name + " " + std::to_string(member.EmployeeNumber) + "\n");

            std::unique_ptr<StagedDays>& days = staged[static_cast<size_t>(row)];
            if (!days) {
                days = std::make_unique<StagedDays>();
                days->code = member.DayCode;
                days->extract = member.DayExtractCode;
                days->activity = member.DayActivity;
                days->assignment = member.DayAssignment;
            }
            const std::string who = std::to_string(row + 1) + " " + member.Name;

            for (int s = 0; s < kSlots; ++s) {
                const size_t c = kFirstSlot + kSlotWidth * static_cast<size_t>(s);
                if (line.size() < c + 2) break;
                const std::string_view slot = std::string_view(line).substr(c, kSlotWidth);
                const std::string_view rawCode = slot.substr(0, 2);
                if (rawCode == "  ") break;

                const auto unreadable = [&] {
                    warnings.Add("Cannot Record Code " + ShownCode(rawCode) + " in " + who + ". Slot " +
                                 std::to_string(s + 1) + " of the Extract Line is Unreadable. ");
                };
                if (slot.size() < kSlotWidth || !IsPlainText(rawCode) || !IsNumberField(slot.substr(2, 2)) ||
                    !IsNumberField(slot.substr(4, 2)) || !IsNumberField(slot.substr(6, 4)) ||
                    !IsNumberField(slot.substr(10, 4))) {
                    unreadable();
                    continue;
                }
                const std::string code(rawCode);
                const int32_t first = base::GetInt(slot, 2, 2);
                const int32_t last = base::GetInt(slot, 4, 2);
                const int32_t start = base::GetInt(slot, 6, 4);
                const int32_t end = base::GetInt(slot, 10, 4);
                if (start > kMinutesPerDay || end > kMinutesPerDay) {
                    unreadable();
                    continue;
                }
                // Days past the 62 a block holds have nowhere to go; a slot is kept whole or not at all.
                if (first < 1 || last < first || last + shift > model::kDayCells) {
                    warnings.Add("Cannot Record Code " + code + " in " + who + " on days " + Days(first) + " to " +
                                 Days(last) + ". Days not in the Schedule. ");
                    continue;
                }
                const int32_t duration = end < start ? end - start + kMinutesPerDay : end - start;
                const std::optional<model::OutsideCodeMatch> match = model::LookupOutsideCode(doc, code);

                for (int k = first - 1 + shift; k <= last - 1 + shift; ++k) {
                    const auto d = static_cast<size_t>(k);
                    if (PairingOnDay(doc, member, k)) {
                        warnings.Add("Cannot Assign Code " + code + " in " + who + " on day " + Days(k + 1) +
                                     " Due Pairing Assigned. ");
                        continue;
                    }
                    model::DayValues& v = days->activity[d];
                    v.fill(0);
                    v[model::kActStart] = start;
                    v[model::kActDuration] = duration;
                    if (match) {
                        v[model::kActCredit] = match->credit;
                        v[model::kActHardTime] = match->hardTime;
                        v[model::kActReserve] = match->reserve ? 1 : 0;
                        v[model::kActContainsDuty] = match->containsDuty ? 1 : 0;
                        v[model::kActExcludeCredit] = match->creditCounts ? 0 : 1;
                        v[model::kActCarsDuty] = match->carsDuty ? 1 : 0;
                        days->code[d] = match->code;
                    } else {
                        warnings.Add("No Matching Code for " + code + ". No Credit or Duty Info Recorded");
                        days->code[d] = code;
                    }
                    days->assignment[d] = model::kDayActivity;
                    days->extract[d] = code;
                }
            }
        }
    }
    if (got == ExtractLineReader::Result::Error) {
        FileError(ui);
        return false;
    }

    bool changed = false;
    for (int r = 0; r < crewCount; ++r) {
        const std::unique_ptr<StagedDays>& days = staged[static_cast<size_t>(r)];
        if (!days) continue;
        model::TPilot& p = doc.Crew[static_cast<size_t>(r)];
        if (p.DayAssignment == days->assignment && p.DayCode == days->code && p.DayExtractCode == days->extract &&
            p.DayActivity == days->activity)
            continue;
        p.DayAssignment = days->assignment;
        p.DayCode = std::move(days->code);
        p.DayExtractCode = std::move(days->extract);
        p.DayActivity = days->activity;
        changed = true;
    }
    doc.FreshDocument = false;
    if (!nextMonth) {
        for (int r = 0; r < crewCount; ++r) {
            model::TPilot& p = doc.Crew[static_cast<size_t>(r)];
            p.UpdateLongLeave(doc.DayCount);
            if (p.OnLongLeave != 0 && !p.BidsReserve) {
                p.BidsReserve = true;
                changed = true;
            }
        }
    }
    if (changed) doc.Modified = true;
    doc.Log("LoadCrewAbsencesEnd\n");

    if (!warnings.Empty()) ui.ShowList(kWarningsTitle, warnings.Lines());
    if (matched == 0)
        ui.Message("No Crew Member of this Roster was Found in this Crew Absence Extract.", kTitle,
                   platform::Icon::Information);
    return true;
}

}  // namespace lw::import
