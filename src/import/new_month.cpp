#include "import/new_month.h"

#include <algorithm>

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

std::string NewFileConfirmText(std::string_view base, std::string_view eqp, std::string_view status,
                               bool flightAttendants) {
    std::string text = "Confirm You Would Like to Create a New File for ";
    text += base;
    if (!flightAttendants) {
        text += " ";
        text += eqp;
    }
    text += " ";
    text += status;
    return text;
}

std::string GroupChoice::ConfirmText() const {
    return NewFileConfirmText(kBases[base].code, kEquipment[eqp].code, kStatuses[status].code,
                              CrewGroup() == model::kFlightAttendants);
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

bool LoadNewMonthAbsences(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                          const std::function<std::optional<std::filesystem::path>()>& nextMonthFile,
                          std::filesystem::path* folder) {
    if (!LoadAbsenceExtract(doc, ui, file, false, folder)) return false;
    // The second month's absences are offered only once this month's are in.
    const std::optional<std::filesystem::path> next = nextMonthFile ? nextMonthFile() : std::nullopt;
    return !next || LoadAbsenceExtract(doc, ui, *next, true);
}

bool LoadNewMonthPairings(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                          std::filesystem::path* folder) {
    return LoadPairingFile(doc, ui, file, "", doc.IsFlightAttendants(), folder);
}

std::string_view NewMonthStepText(int id) {
    static constexpr std::array<std::string_view, 9> kTexts = {
        "Step 1: Select Base, Equipment(for Pilots Only) and Status. Click Next. After Confirmation You will be "
        "promted to Load the Toolbox File. Select Cancel to use the default Toolbox(Not Recommended).",
        "Step 2: Click Next to Load Crew Roster Extract File generated by CrewTrac. This file will have a Filename "
        "of ????perp.ext or ????perc.ext From the Open file Dialog you may select Cancel to build roster manually "
        "afterwards.",
        "Step 3: Click Next to Load Crew Absences from the CrewTrac Extract. This file will have a Filename of "
        "????absp.ext or ????absc.ext . When the Open File Dialog Appears select the Crew Roster Extract File "
        "generated by CrewTrac. This file will have a Filename of ????perp.ext or ????perc.ext. From the Open file "
        "Dialog you may select Cancel to enter the Absences manually using the Toolbox.",
        "Step 4: Click Next to Crew Activity Data. You will be required to specify the Crew Activity Filename of "
        "????actp.ext or ????actc.ext and the Pairings, Prior Blocking Period Extract with a Filename of "
        "????prgp.ext or ????prgc.ext. From the Open file Dialog you may select Cancel to enter all of the "
        "information manually afterwards.",
        "Step 5: Click Next to Load the new PRG Pairings. From the Open file Dialog you may select Cancel and load "
        "the pairings at a later date.",
        "Step 6: Click Next to Save the new LW2 file. Suggest that you include the Base, Eqp Status in the filename "
        "such as April 2002 DH8 Capt.LW2",
        "New File Created. Click Finished to start Building Blocks.",
        "Step 6: Click Next to Scan the LIS file(s) for AC Type and French Pairings. Hold CTRL key to select "
        "Multiple LIS Files.",
        "Step 7: Click Next to Save and Name the new LW2 file. Suggest that you include the Base, Eqp Status in the "
        "filename such as April 2002 DH8 Capt.LW2"};
    return id >= 1 && id <= 9 ? kTexts[static_cast<size_t>(id - 1)] : std::string_view();
}

int NewMonthTextOfStep(int step) {
    // The LIS scan comes before the save for every group, so its text follows the pairings.
    static constexpr std::array<int, kNewMonthLastStep + 1> kTextOfStep = {1, 2, 3, 4, 5, 8, 9};
    return kTextOfStep[static_cast<size_t>(std::clamp(step, 0, kNewMonthLastStep))];
}

std::vector<NewMonthStep> LoadNewMonthFiles(model::Document& doc, platform::Interaction& ui, const NewMonthFiles& files) {
    std::vector<NewMonthStep> steps;
    if (files.toolbox) steps.push_back({"ToolBox", LoadToolboxFile(doc, ui, *files.toolbox)});
    if (files.roster) steps.push_back({"Roster", LoadRosterExtract(doc, ui, *files.roster)});
    if (files.absences)
        steps.push_back({"Absences", LoadNewMonthAbsences(doc, ui, *files.absences, [&files] { return files.nextAbsences; })});
    if (files.activity && files.priorPairings)
        steps.push_back({"Overlap Info", LoadLastMonthData(doc, ui, *files.activity, *files.priorPairings)});
    if (files.pairings)
        steps.push_back({std::string(kPairingStepName), LoadNewMonthPairings(doc, ui, *files.pairings)});
    if (!files.lis.empty()) steps.push_back({"LIS", ScanLisFiles(doc, ui, files.lis)});
    return steps;
}

}  // namespace lw::import
