#include "import/new_month.h"

#include "import/absence_extract.h"
#include "import/activity_extract.h"
#include "import/lis_scan.h"
#include "import/pairing_file.h"
#include "import/roster_extract.h"
#include "import/toolbox_file.h"
#include "platform/interaction.h"
#include "platform/profile.h"

namespace lw::import {

namespace {

template <typename Table>
size_t IndexOfSetting(const Table& table, const std::string& value, size_t fallback) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].settingValue == value) return i;
    return fallback;
}

}  // namespace

std::string GroupChoice::GroupCode() const {
    std::string code;
    code += kBases[base].code;
    code += kEquipment[eqp].code;
    code += kStatuses[status].code;
    code += kBases[base].pairingLetter;
    return code;
}

std::string GroupChoice::ConfirmText() const {
    std::string text = "Confirm You Would Like to Create a New File for ";
    text += kBases[base].code;
    if (CrewGroup() != model::kFlightAttendants) {
        text += " ";
        text += kEquipment[eqp].code;
    }
    text += " ";
    text += kStatuses[status].code;
    return text;
}

GroupChoice ReadGroupChoice(const platform::Profile& profile) {
    GroupChoice choice;
    choice.base = IndexOfSetting(kBases, profile.GetString("LW", "BuildingBase", "4"), 2);
    choice.eqp = IndexOfSetting(kEquipment, profile.GetString("LW", "BuildingEqp", "1"), 0);
    choice.status = IndexOfSetting(kStatuses, profile.GetString("LW", "BuildingStatus", "0"), 0);
    return choice;
}

void WriteGroupChoice(platform::Profile& profile, const GroupChoice& choice) {
    profile.WriteString("LW", "BuildingBase", kBases[choice.base].settingValue);
    profile.WriteString("LW", "BuildingStatus", kStatuses[choice.status].settingValue);
    profile.WriteString("LW", "BuildingEqp", kEquipment[choice.eqp].settingValue);
}

std::optional<GroupChoice> FindGroupChoice(std::string_view base, std::string_view eqp, std::string_view status) {
    GroupChoice choice;
    bool found[3] = {false, false, false};
    for (size_t i = 0; i < kBases.size(); ++i)
        if (kBases[i].code == base) choice.base = i, found[0] = true;
    for (size_t i = 0; i < kEquipment.size(); ++i)
        if (kEquipment[i].code == eqp) choice.eqp = i, found[1] = true;
    for (size_t i = 0; i < kStatuses.size(); ++i)
        if (kStatuses[i].code == status) choice.status = i, found[2] = true;
    if (!found[0] || !found[1] || !found[2]) return std::nullopt;
    return choice;
}

bool CheckTypedGroupCode(std::string_view code, platform::Interaction& ui) {
    if (code.size() >= 9) return true;
    // Offered with OK and Cancel, both of which stay on the group page: a message does the same.
    ui.Message(std::string(code) + " Is Not a Valid Base/Eqp/Status/Pairing Combination", "Linewright",
               platform::Icon::Stop);
    return false;
}

MonthSpan ScheduleMonthSpan(int month, int year) {
    using base::Date;
    switch (month) {
        case 1: return {base::Date::FromDmy(1, 1, year), base::Date::FromDmy(30, 1, year)};
        case 2: return {base::Date::FromDmy(31, 1, year), base::Date::FromDmy(1, 3, year)};
        case 3: return {base::Date::FromDmy(2, 3, year), base::Date::FromDmy(31, 3, year)};
        default: return {base::Date::FromDmy(1, month, year), base::Date::FromDmy(base::DaysInMonth(month, year), month, year)};
    }
}

MonthSpan NextScheduleMonth(base::Date today) {
    const base::CalendarDate t = today.Split();
    return t.month == 12 ? ScheduleMonthSpan(1, t.year + 1) : ScheduleMonthSpan(t.month + 1, t.year);
}

bool SetUpNewMonth(model::Document& doc, platform::Interaction& ui, base::Date first, base::Date last,
                   int8_t crewGroup, const std::string& groupCode) {
    if (!doc.SetMonthDates(first, last, ui)) return false;
    doc.CrewGroup = crewGroup;
    doc.GroupCode = groupCode;
    doc.ApplyNewFileDefaults();
    doc.Modified = true;
    return true;
}

std::vector<NewMonthStep> LoadNewMonthFiles(model::Document& doc, platform::Interaction& ui, const NewMonthFiles& files) {
    std::vector<NewMonthStep> steps;
    if (files.toolbox) steps.push_back({"ToolBox", LoadToolboxFile(doc, ui, *files.toolbox)});
    if (files.roster) steps.push_back({"Roster", LoadRosterExtract(doc, ui, *files.roster)});
    if (files.absences) {
        bool done = LoadAbsenceExtract(doc, ui, *files.absences, false);
        // The second month's absences are offered only once this month's are in.
        if (done && files.nextAbsences) done = LoadAbsenceExtract(doc, ui, *files.nextAbsences, true);
        steps.push_back({"Absences", done});
    }
    if (files.activity && files.priorPairings)
        steps.push_back({"Overlap Info", LoadLastMonthData(doc, ui, *files.activity, *files.priorPairings)});
    if (files.pairings)
        steps.push_back(
            {std::string(kPairingStepName), LoadPairingFile(doc, ui, *files.pairings, "", doc.IsFlightAttendants())});
    if (!files.lis.empty()) steps.push_back({"LIS", ScanLisFiles(doc, ui, files.lis)});
    return steps;
}

}  // namespace lw::import
