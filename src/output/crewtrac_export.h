#pragma once
// The CrewTrac hand-over: the month's finished blocks written as a BAW file (who holds which
// line) and a LIN file (every pairing and exportable activity day of each line), side by side
// in the "Export" folder beside the schedule file.
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/atomic_file.h"
#include "platform/interaction.h"

namespace lw::output {

enum class CrewTracCrewType { Captain, FirstOfficer, FlightAttendant };

// What the planner fills in before "Export Now".
struct CrewTracInputs {
    std::string fileName;  // stem of both files; only the first 8 characters count
    std::string baseCode;  // one letter
    std::string eqpCode;   // one digit
    CrewTracCrewType crewType = CrewTracCrewType::Captain;
    bool operator==(const CrewTracInputs&) const = default;
};

// What the export dialog shows when it opens.
CrewTracInputs CrewTracDefaults(const model::Document& doc);

struct CrewTracResult {
    bool completed = false;
    std::vector<std::string> summary;  // the Export Summary lines, in order
    std::filesystem::path bawPath;
    std::filesystem::path linPath;
};

// "Export Now": validates, asks the reserve-only question for flight attendants, writes both
// files. The document changes only in each block's ExportMark. The two files go to CrewTrac as
// a pair: when the LIN file cannot be written, the BAW file is put back as it was before.
CrewTracResult ExportCrewTrac(model::Document& doc, platform::Interaction& ui, const CrewTracInputs& inputs,
                              platform::FileOps& ops = platform::RealFileOps());

// One 38-character LIN day entry for the crew member's day index d (a pairing or an activity);
// d moves to the last day of a multi-day activity run. Empty when the day gives no entry.
// dateError is set when the day's date has no month.
std::string CrewTracDayEntry(const model::Document& doc, const model::TPilot& p, int& d, bool& dateError);

}  // namespace lw::output
