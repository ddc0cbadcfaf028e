#include "import/roster_extract.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "import/extract_support.h"
#include "model/capacities.h"
#include "model/document.h"
#include "base/time_text.h"
#include "model/blocking_rules.h"

namespace lw::import {

namespace {

constexpr std::string_view kTitle = "Linewright";
constexpr std::string_view kWarningsTitle = "Warnings from Roster Extract Load";
constexpr size_t kKeep = 512;  // well past the last column read

constexpr size_t kSurnameColumn = 9, kSurnameWidth = 20;
constexpr size_t kInitialColumn = 29;
constexpr size_t kGroupKeyColumn = 31;
constexpr size_t kPilotKeyLength = 8, kCabinKeyLength = 3;
constexpr size_t kCodesColumn = 77, kCodesWidth = 12;
constexpr size_t kGroupCodeLength = 9;

// Check pilots fly a fixed 80:00 to 85:00 unless their block is reduced.
constexpr int32_t kCheckPilotMinBlock = model::blocking::kCheckPilotMemberMin;
constexpr int32_t kCheckPilotMaxBlock = model::blocking::kCheckPilotMemberMax;

// One member as read from the file, put into the crew table only when the whole file is good.
struct Member {
    int32_t number = 0;
    std::string name;
    std::string status;
    int32_t qualification = 0;
    int32_t languageBits = 0;
    int32_t trainingFlag = 0;
    int32_t noTz = 0;
    int32_t noYcg = 0;
    int32_t minBlock = 0;
    int32_t maxBlock = 0;
    int32_t minDaysOff = 0;
};

// Columns [pos, pos + len) as far as the line reaches.
std::string_view Columns(std::string_view line, size_t pos, size_t len) {
    if (pos >= line.size()) return {};
    return line.substr(pos, len);
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool Has(std::string_view codes, std::string_view code) { return codes.find(code) != std::string_view::npos; }

// The codes' effects, in the order the planners' rules apply them; a reduced block comes
// last so that it wins over the check-pilot limits.
void ApplyCodes(const model::Document& doc, std::string_view codes, Member& m) {
    if (doc.IsFlightAttendants()) {
        m.languageBits = Has(codes, "FR") ? 1 : 0;
        m.qualification = Has(codes, "IT") ? 2 : 0;
    } else {
        const bool la = Has(codes, "LA"), lc = Has(codes, "LC");
        if (la) {
            m.qualification = lc ? 4 : 3;
            m.minBlock = kCheckPilotMinBlock;
            m.maxBlock = kCheckPilotMaxBlock;
        } else if (lc) {
            m.qualification = 1;
        } else if (Has(codes, "LB")) {
            m.qualification = 2;
        }
        m.trainingFlag = Has(codes, "ZT") ? 1 : 0;
        m.languageBits = (Has(codes, "AR") ? 1 : 0) | (Has(codes, "MR") ? 2 : 0);
        m.noTz = Has(codes, "PT") ? 1 : 0;
        m.noYcg = Has(codes, "PC") ? 1 : 0;
    }
    if (Has(codes, "RB")) {
        m.minDaysOff = doc.ReducedMinDaysOff;
        m.minBlock = doc.ReducedMin;
        m.maxBlock = doc.ReducedMax;
    }
}

void Fill(model::TPilot& p, const Member& m) {
    p.Reset();
    p.EmployeeNumber = m.number;
    p.Name = m.name;
    p.RosterStatus = m.status;
    p.Qualification = m.qualification;
    p.LanguageBits = m.languageBits;
    p.TrainingFlag = m.trainingFlag;
    p.NoTz = m.noTz;
    p.NoYcg = m.noYcg;
    p.MinBlock = m.minBlock;
    p.MaxBlock = m.maxBlock;
    p.MinDaysOff = m.minDaysOff;
}

void FileError(platform::Interaction& ui) {
    ui.Message("File Error - Unable to Load Roster from this file.", kTitle, platform::Icon::Stop);
}

}  // namespace

platform::FileRequest RosterExtractRequest(std::string lastRosterPath) {
    platform::FileRequest request;
    request.title = "Load Crew Roster from Extract";
    request.filter = "CrewTrac Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*";
    request.folder = std::move(lastRosterPath);
    return request;
}

namespace {

// Anything a planner put into the month's blocks, or brought over from last month.
bool HasWork(const model::Document& doc) {
    if (!doc.History.Empty()) return true;
    for (int c = 0; c < doc.CrewCount && c < static_cast<int>(doc.Crew.size()); ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (size_t d = 0; d < p.DayAssignment.size(); ++d) {
            if (p.DayAssignment[d] != model::kDayEmpty || !p.DayCode[d].empty()) return true;
            for (int32_t v : p.PrevDayData[d])
                if (v != 0) return true;
        }
    }
    return false;
}

}  // namespace

bool LoadRosterExtract(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                       std::filesystem::path* folder) {
    if (doc.GroupCode.size() != kGroupCodeLength) {
        ui.Message("The Crew Group Code \"" + PrintableText(doc.GroupCode) +
                       "\" is not 9 Characters. Roster not Loaded.",
                   kTitle, platform::Icon::Stop);
        return false;
    }
    const std::string key = doc.GroupCode.substr(0, doc.IsFlightAttendants() ? kCabinKeyLength : kPilotKeyLength);

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
    doc.Log("BeginCreateNewRosterFromExtract\n");

    // The first line may be anything; the second shows whether this is an employee extract.
    std::string line;
    size_t length = 0;
    ExtractLineReader::Result got = reader.Next(line, length);
    size_t secondLength = 0;
    if (got == ExtractLineReader::Result::Line) {
        got = reader.Next(line, length);
        if (got == ExtractLineReader::Result::Line) secondLength = length;
    }
    if (got == ExtractLineReader::Result::Error || !reader.Rewind()) {
        FileError(ui);
        return false;
    }
    if (secondLength != kRosterLineLength && secondLength != kRosterLongLineLength &&
        ui.Ask("This May Not Be a Valid Employee Record Extract! Do You Want to Try Load it Anyway", kTitle,
               platform::Buttons::YesNo) != platform::Answer::Yes)
        return false;

    // Row 999 is the legality trial's scratch copy, never a member.
    const size_t rows = std::min<size_t>(doc.Crew.size(), model::kCrewRows);
    const size_t capacity = rows > 0 ? rows - 1 : 0;
    std::vector<Member> members;
    WarningList warnings;
    std::unordered_map<int32_t, size_t> seen;  // employee number -> index in members
    bool tooMany = false;
    {
        platform::BusyScope busy(ui);
        int lineNumber = 0;
        while ((got = reader.Next(line, length)) == ExtractLineReader::Result::Line) {
            ++lineNumber;
            if (length < kRosterEndLength) break;
            base::UpperCase(line);
            if (Columns(line, kGroupKeyColumn, key.size()) != key) continue;

            Member m;
            const std::string surname(TrimRight(PrintableText(Columns(line, kSurnameColumn, kSurnameWidth))));
            m.name = PrintableText(Columns(line, kInitialColumn, 1)) + " " + surname;
            const std::optional<int32_t> number = ExtractEmployeeNumber(line);
            if (!number) {
                warnings.Add("Line " + std::to_string(lineNumber) + ": Employee Number of " + m.name +
                                   " is not Valid. Not Loaded.");
                continue;
            }
            m.number = *number;
            if (const auto it = seen.find(m.number); it != seen.end()) {
                warnings.Add("Line " + std::to_string(lineNumber) + ": Employee Number " +
                                   std::to_string(m.number) + " of " + m.name + " is already on the Roster for " +
                                   members[it->second].name + ". Not Loaded.");
                continue;
            }
            if (members.size() == capacity) {
                tooMany = true;
                break;
            }
            const std::string_view codes = Columns(line, kCodesColumn, kCodesWidth);
            m.status = PrintableText(codes);
            ApplyCodes(doc, codes, m);
            seen.emplace(m.number, members.size());
            members.push_back(std::move(m));
        }
    }

    if (got == ExtractLineReader::Result::Error) {
        FileError(ui);
        return false;
    }
    if (tooMany) {
        ui.Message("The Roster Extract holds more than " + std::to_string(capacity) + " Crew Members for " + key +
                       ". Roster not Loaded.",
                   kTitle, platform::Icon::Stop);
        return false;
    }
    if (members.empty()) {
        ui.Message("No Crew Members for " + key + " Found in this Roster Extract. Roster not Loaded.", kTitle,
                   platform::Icon::Stop);
        return false;
    }

    // A month in progress would lose every block, activity and last-month entry to a new roster:
    // asked once the file is known to hold one, as a pairing reload asks before dropping blocks.
    if (HasWork(doc) && ui.Ask(kReplaceRosterQuestion, kTitle, platform::Buttons::YesNo, platform::Icon::Warning) !=
                            platform::Answer::Yes)
        return false;
    for (size_t r = 0; r < members.size(); ++r) {
        Fill(doc.Crew[r], members[r]);
        doc.Log(members[r].name + " " + std::to_string(members[r].number) + " Loaded\n");
    }
    for (size_t r = members.size(); r < doc.Crew.size(); ++r) doc.Crew[r].Reset();
    doc.CrewCount = static_cast<int32_t>(members.size());
    // The history names rows of the roster that is gone.
    doc.History.Clear();
    doc.Modified = true;
    doc.Log("CreateNewRosterFromExtractComplete\n");

    if (!warnings.Empty()) ui.ShowList(kWarningsTitle, warnings.Lines());
    return true;
}

}  // namespace lw::import
