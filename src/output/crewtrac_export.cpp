#include "output/crewtrac_export.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/date.h"
#include "import/crewtrac_codes.h"
#include "base/time_text.h"
#include "persist/file_set.h"

namespace lw::output {

namespace {

using import::CrewTracReserveKind;
using import::IsCrewTracMultiDayCode;
using import::kCrewTracBawLine;
using import::kCrewTracCarrier;
using import::kCrewTracEntry;
using import::kCrewTracLinLine;
using model::Document;
using model::TPilot;

constexpr std::array<std::string_view, 12> kMonthShort = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// YYMMDD; the year kept to two digits so the columns never shift.
std::string Yymmdd(const base::CalendarDate& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", ((date.year - 2000) % 100 + 100) % 100, date.month % 100,
                  date.day % 100);
    return buf;
}

std::string Fixed(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

struct CrewValues {
    char crewLetter = 'P';
    std::string position;
    std::string group;
};

CrewValues Derive(const CrewTracInputs& in) {
    CrewValues v;
    v.crewLetter = in.crewType == CrewTracCrewType::FlightAttendant ? 'F' : 'P';
    v.position = in.crewType == CrewTracCrewType::Captain        ? "CA"
                 : in.crewType == CrewTracCrewType::FirstOfficer ? "FO"
                                                                 : "PU";
    v.group = in.baseCode.substr(0, 1) + in.eqpCode.substr(0, 1);
    return v;
}

// Bad stream (the device refused) or failed stream (the disk filled up).

void Stop(platform::Interaction& ui, CrewTracResult& r, const std::string& text, const char* title) {
    ui.Message(text, title, platform::Icon::Stop);
    r.summary.push_back(text);
}

// A reserve holder, a reserve bidder or a block below the line.
bool ReserveBlock(const TPilot& p, int dayCount) { return p.IsReserve(dayCount); }

// The copy gets its draft credit day on the first free day after the carried-in and pairing
// work; false when there is no room.
bool InsertDraftCredit(const Document& doc, TPilot& p) {
    int busy = p.CreditCarriedIn > 0 ? p.LegalCheckIn / base::kMinutesPerDay + 1 : 0;
    for (int d = 0; d < doc.DayCount; ++d) {
        const int32_t cell = p.DayAssignment[static_cast<size_t>(d)];
        if (cell >= 0 && cell <= doc.LastPairIndex) {
            busy = d + doc.Pairings[static_cast<size_t>(cell)].PairLength;
        } else if (cell == model::kDayEmpty && d > busy && d > 0 &&
                   p.DayExtractCode[static_cast<size_t>(d - 1)] != "RB") {
            p.DayActivity[static_cast<size_t>(d)] = {};
            p.DayActivity[static_cast<size_t>(d)][model::kActStart] = 720;
            p.DayActivity[static_cast<size_t>(d)][model::kActDuration] = 1;
            p.DayCode[static_cast<size_t>(d)] = "DFC";
            p.DayExtractCode[static_cast<size_t>(d)] = "DC";
            p.DayAssignment[static_cast<size_t>(d)] = model::kDayActivity;
            return true;
        }
    }
    return false;
}

int32_t BlockHardTime(const Document& doc, const TPilot& p) {
    int32_t hard = 0;
    for (size_t w = 31; w <= 35; ++w) hard += p.PrevDayData[w][model::kPrevHardTime];
    for (int d = 0; d < doc.DayCount; ++d) {
        const int32_t cell = p.DayAssignment[static_cast<size_t>(d)];
        if (cell < 0 || cell > doc.LastPairIndex) continue;
        for (int32_t h : doc.Pairings[static_cast<size_t>(cell)].DailyHardTime) hard += h;
    }
    return hard;
}

std::string LinHeader(const Document& doc, const CrewValues& v) {
    const std::string year = doc.YearTitleText();
    const std::string yy = year.size() >= 4 ? year.substr(2, 2) : "00";
    char buf[64];
    std::snprintf(buf, sizeof buf, "0%2s %c%c%02d%1c%s", kCrewTracCarrier, yy[0], yy[1], doc.MonthNumber % 100,
                  v.crewLetter, v.group.c_str());
    return Fixed(buf, kCrewTracLinLine) + "\r\n";
}

}  // namespace

CrewTracInputs CrewTracDefaults(const Document& doc) {
    CrewTracInputs in;
    std::string t;
    if (doc.LastPairIndex >= 0) t = doc.Pairings[0].BaseEqpCode;
    const bool cabin = doc.CrewGroup == model::kFlightAttendants;
    if (t.size() < 2) {
        in.baseCode = "?";
        in.eqpCode = "?";
    } else {
        in.baseCode = t.substr(0, 1);
        in.eqpCode = cabin ? "8" : (t[1] == '2' ? "7" : t.substr(1, 1));
    }
    const int m = doc.MonthNumber;
    std::string stem = m >= 1 && m <= 12 ? std::string(kMonthShort[static_cast<size_t>(m - 1)].substr(0, 2)) : "??";
    const std::string year = doc.YearTitleText();
    stem += year.size() >= 4 ? year.substr(2, 2) : "00";
    stem += t;
    if (!cabin && t.size() >= 2 && t[1] == '2' && stem.size() >= 6) stem[5] = '7';
    switch (doc.CrewGroup) {
        case model::kFirstOfficers:
            in.crewType = CrewTracCrewType::FirstOfficer;
            stem += "FO";
            break;
        case model::kFlightAttendants:
            in.crewType = CrewTracCrewType::FlightAttendant;
            if (!stem.empty()) stem.pop_back();
            stem += "8FA";
            break;
        default:
            in.crewType = CrewTracCrewType::Captain;
            stem += "CA";
            break;
    }
    in.fileName = stem;
    return in;
}

std::string CrewTracDayEntry(const Document& doc, const TPilot& p, int& d, bool& dateError) {
    const size_t day = static_cast<size_t>(d);
    const int32_t cell = p.DayAssignment[day];
    char buf[96];
    if (cell >= 0 && cell <= doc.LastPairIndex) {
        const model::TPair& q = doc.Pairings[static_cast<size_t>(cell)];
        const bool fa = doc.CrewGroup == model::kFlightAttendants && q.PairType == "FA";
        std::snprintf(buf, sizeof buf, "10%2s%s%c%04d %s", kCrewTracCarrier, fa ? "FA" : "  ",
                      q.BaseEqpCode.empty() ? ' ' : q.BaseEqpCode[0], q.PairNumber % 10000,
                      Yymmdd(doc.DayDate[day]).c_str());
        return Fixed(buf, kCrewTracEntry);
    }
    if (cell != model::kDayActivity || p.DayExtractCode[day] == "--") return "";
    int32_t start = p.DayActivity[day][model::kActStart];
    int32_t end = start + p.DayActivity[day][model::kActDuration];
    if (end > base::kMinutesPerDay) end -= base::kMinutesPerDay;
    if (start < 0) {
        start = 1;
        end = base::kMinutesPerDay;
    }
    if (doc.DayDate[day].month == 0) dateError = true;
    const std::string kind = CrewTracReserveKind(p.DayExtractCode[day]);
    const std::string second = kind.empty() ? Fixed(p.DayExtractCode[day], 2) : kCrewTracCarrier;
    std::snprintf(buf, sizeof buf, "%2s%2s  %12s%s%04d", kind.empty() ? "99" : kind.c_str(), second.c_str(), "",
                  Yymmdd(doc.DayDate[day]).c_str(), start % 10000);
    std::string entry = buf;
    if (IsCrewTracMultiDayCode(p.DayCode[day])) {
        // A vacation or leave run goes over as one entry ending on its last day.
        while (d < doc.DayCount - 1 && p.DayAssignment[static_cast<size_t>(d + 1)] == model::kDayActivity &&
               p.DayCode[static_cast<size_t>(d + 1)] == p.DayCode[day])
            ++d;
    }
    const base::CalendarDate last = doc.DayDate[static_cast<size_t>(d)];
    if (end >= start) {
        std::snprintf(buf, sizeof buf, "%s%04d", Yymmdd(last).c_str(), end);
    } else if (doc.CrewGroup < model::kFlightAttendants && kind == "R2") {
        // A pilot's late B reserve runs on into the next morning.
        const base::CalendarDate next = doc.DateOf(d).Next().Split();
        std::snprintf(buf, sizeof buf, "%s%04d", Yymmdd(next).c_str(), end);
    } else {
        std::snprintf(buf, sizeof buf, "%s1440", Yymmdd(last).c_str());
    }
    return entry + buf;
}

CrewTracResult ExportCrewTrac(Document& doc, platform::Interaction& ui, const CrewTracInputs& inputs,
                              platform::FileOps& ops) {
    CrewTracResult r;
    const std::string stem = inputs.fileName.substr(0, 8);
    std::string errors;
    if (stem.empty()) errors += "FileName needs to be 1-8 char long. ";
    if (inputs.baseCode.empty()) errors += "Base Code needs to be 1 char long. ";
    if (inputs.eqpCode.empty()) errors += "Eqp Code needs to be 1 char long. ";
    if (!errors.empty()) {
        Stop(ui, r, errors, "Export Error");
        return r;
    }
    const CrewValues v = Derive(inputs);

    if (doc.CurrentFileName.empty()) {
        ui.Message("File Must be Named First, Select Save As", "File Error", platform::Icon::Information);
        return r;
    }
    std::filesystem::path folder = std::filesystem::path(doc.CurrentFileName).parent_path();
    if (folder.empty()) folder = ".";
    folder /= "Export";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    r.bawPath = folder / (stem + ".BAW");
    r.linPath = r.bawPath;
    r.linPath.replace_extension(".LIN");
    if (!std::filesystem::is_directory(folder) || ::access(folder.c_str(), W_OK | X_OK) != 0 ||
        std::filesystem::is_directory(r.bawPath)) {
        Stop(ui, r, "Cant create BAW file for Exporting Blocks", "File Error");
        return r;
    }

    bool reserveOnly = false;
    if (doc.CrewGroup == model::kFlightAttendants)
        reserveOnly = ui.Ask("Do you want to Export ONLY Reserve and Partial Blocks", "Linewright",
                             platform::Buttons::YesNo) == platform::Answer::Yes;

    std::string baw;
    int counter = 1;
    for (int c = 0; c < doc.CrewCount; ++c) {
        TPilot& p = doc.Crew[static_cast<size_t>(c)];
        p.ExportMark = 0;
        if (p.EmployeeNumber < 0 || (reserveOnly && !ReserveBlock(p, doc.DayCount))) continue;
        p.ExportMark = 1;
        char line[64];
        std::snprintf(line, sizeof line, "%09ld %c%2s%03d%2s\r\n", static_cast<long>(p.EmployeeNumber), v.crewLetter,
                      v.group.c_str(), counter % 1000, v.position.c_str());
        baw += line;
        ++counter;
    }
    if (std::filesystem::is_directory(r.linPath)) {
        Stop(ui, r, "Cant create LIN file for Exporting Blocks", "File Error");
        return r;
    }
    std::string lin = LinHeader(doc, v);
    int line = 0;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& held = doc.Crew[static_cast<size_t>(c)];
        char text[200];
        if (held.EmployeeNumber == -1) {
            std::snprintf(text, sizeof text, "Blk %d Capt Pairings-LineIndoc. Not Exported", c + 1);
            r.summary.push_back(text);
            continue;
        }
        if (!held.ExportMark) {
            r.summary.push_back(held.Name + ". Not Exported");
            continue;
        }
        TPilot p;
        p.CopyFrom(held);
        ++line;
        const bool open = p.EmployeeNumber == 0;
        if (open) {
            std::snprintf(text, sizeof text, "Blk %d is Exported as OpenTime. Emp Num is 0", c + 1);
            r.summary.push_back(text);
        }
        const int32_t hard = BlockHardTime(doc, p);
        if (p.DraftCredits > 0 && doc.CrewGroup < model::kFlightAttendants && !InsertDraftCredit(doc, p))
            r.summary.push_back(p.Name + " No Draft Credit Code Inserted");
        const char type = open ? 'O' : p.HasReserveDay(doc.DayCount) ? 'P' : 'L';
        const std::string position = doc.CrewGroup == model::kFlightAttendants ? "PU" : v.position;
        std::snprintf(text, sizeof text, "1%c%2s%03d%c%04d%04d%2s%-50s", v.crewLetter, v.group.c_str(),
                      open ? 0 : line % 1000, type, hard % 10000, p.CreditTotal() % 10000, position.c_str(), "01");
        std::string record = text;
        for (int d = 0; d < doc.DayCount; ++d) {
            bool dateError = false;
            record += CrewTracDayEntry(doc, p, d, dateError);
            if (dateError) {
                std::snprintf(text, sizeof text, "Date Error in Line %d", c + 1);
                r.summary.push_back(text);
            }
        }
        lin += Fixed(record, kCrewTracLinLine) + "\r\n";
    }
    // A new BAW file beside last run's LIN file would hand CrewTrac lines that do not match:
    // the pair is written as one, both new or both old whatever happens.
    const persist::SetWriteResult written = persist::WriteFileSet({{r.bawPath, baw}, {r.linPath, lin}}, ops);
    if (written.result != platform::WriteResult::Ok) {
        const bool onBaw = written.failedFile == 0;
        if (written.result == platform::WriteResult::CannotCreate || written.result == platform::WriteResult::ReadOnly)
            Stop(ui, r, onBaw ? "Cant create BAW file for Exporting Blocks" : "Cant create LIN file for Exporting Blocks",
                 "File Error");
        else if (platform::IsDiskFull(written.errorCode))
            Stop(ui, r, onBaw ? "Cannot Save BAW File to specified disk. Disk may be full"
                              : "Cannot Save LIN file to specified disk. Disk may be full",
                 "File Error");
        else
            Stop(ui, r, onBaw ? "Can't Save BAW File!" : "Cant Save LIN File!", "File Error");
        return r;
    }
    ui.Message("Finished Exporting to CrewTrac format", "Linewright", platform::Icon::Information);
    r.summary.push_back("Export Completed");
    r.completed = true;
    return r;
}

}  // namespace lw::output
