#pragma once
// Setting up a new month: the crew group a month is built for, its group code, and the
// dates a schedule month normally covers.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <filesystem>

#include "base/date.h"
#include "model/document.h"

namespace lw::platform { class Interaction; class Profile; }

namespace lw::import {

struct BaseChoice {
    std::string_view code;        // "YYZ"
    std::string_view settingValue;  // stored under "BuildingBase"
    char pairingLetter;           // first letter of the base's pairing numbers
};
struct EqpChoice {
    std::string_view code;          // "DH8"
    std::string_view settingValue;  // stored under "BuildingEqp"
};
struct StatusChoice {
    std::string_view label;         // "Capt"
    std::string_view settingValue;  // stored under "BuildingStatus"
    std::string_view code;          // "CA", part of the group code
    int8_t crewGroup;
};

inline constexpr std::array<BaseChoice, 5> kBases = {{
    {"YVR", "1", 'V'}, {"YYC", "2", 'C'}, {"YYZ", "4", 'Z'}, {"YUL", "6", 'M'}, {"YHZ", "8", 'H'}}};
inline constexpr std::array<EqpChoice, 4> kEquipment = {{{"DH8", "1"}, {"E75", "2"}, {"DH4", "3"}, {"CRJ", "4"}}};
inline constexpr std::array<StatusChoice, 3> kStatuses = {{{"Capt", "0", "CA", model::kCaptains},
                                                           {"F/O", "1", "FO", model::kFirstOfficers},
                                                           {"FA / PU", "2", "FA", model::kFlightAttendants}}};

// One base, equipment and status, as chosen on the first page of the new-file wizard.
struct GroupChoice {
    size_t base = 2;    // YYZ
    size_t eqp = 0;     // DH8
    size_t status = 0;  // Capt

    // base + equipment + status + pairing letter, e.g. "YULE75FOM".
    std::string GroupCode() const;
    int8_t CrewGroup() const { return kStatuses[status].crewGroup; }
    // "Confirm You Would Like to Create a New File for ..." with base and status for flight
    // attendants, base, equipment and status otherwise.
    std::string ConfirmText() const;
};

// "Confirm You Would Like to Create a New File for ..." for codes typed or chosen: base and
// status for flight attendants, base, equipment and status otherwise.
std::string NewFileConfirmText(std::string_view base, std::string_view eqp, std::string_view status,
                               bool flightAttendants);

// The last choice from "BuildingBase", "BuildingEqp" and "BuildingStatus" of section "LW";
// a missing or unknown value selects YYZ, DH8, Capt.
GroupChoice ReadGroupChoice(const platform::Profile& profile);
void WriteGroupChoice(platform::Profile& profile, const GroupChoice& choice);
// The choice naming these codes ("YYZ", "DH8", "CA"/"FO"/"FA"); nullopt when one is unknown.
std::optional<GroupChoice> FindGroupChoice(std::string_view base, std::string_view eqp, std::string_view status);

// A group code typed in by hand (base, eqp, status, pairing letter joined). Shorter than nine
// characters: the wizard's message, and false.
bool CheckTypedGroupCode(std::string_view code, platform::Interaction& ui);

// The dates a schedule month covers: January ends on the 30th, February runs from 31 January
// to 1 March, March starts on the 2nd, other months are calendar months.
struct MonthSpan {
    base::Date first, last;
};
MonthSpan ScheduleMonthSpan(int month, int year);
// The month after today's, where the dates dialog opens.
MonthSpan NextScheduleMonth(base::Date today);

// Starts a new month in a cleared document: dates, crew group, group code and the month
// defaults of a new file. False (after the message) when the dates cannot make a month.
bool SetUpNewMonth(model::Document& doc, platform::Interaction& ui, base::Date first, base::Date last,
                   int8_t crewGroup, const std::string& groupCode);

// The files of a new month, one per wizard step; an absent file skips its step, as a
// cancelled chooser does.
struct NewMonthFiles {
    std::optional<std::filesystem::path> toolbox, roster, absences, nextAbsences, activity, priorPairings, pairings;
    std::vector<std::filesystem::path> lis;
};

// The status name of the pairing step.
inline constexpr std::string_view kPairingStepName = "Current Pairings";
// One step of the wizard as it ended: its status name ("Roster", "Absences", "Overlap Info",
// "Current Pairings", and "ToolBox" and "LIS" for the steps without one) and whether its
// loader reported success.
struct NewMonthStep {
    std::string name;
    bool done = false;
};

// This month's absences, then the second month's when this month's are in and nextMonthFile
// (asked only then) names one. Done when every load that ran succeeded.
bool LoadNewMonthAbsences(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                          const std::function<std::optional<std::filesystem::path>()>& nextMonthFile,
                          std::filesystem::path* folder = nullptr);
// The month's pairing file with the group's own codes, every equipment for cabin crew.
bool LoadNewMonthPairings(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                          std::filesystem::path* folder = nullptr);

// The wizard's page texts, by number (1..9), and the text a step shows when the planner is on
// it: steps 0..6 show 1, 2, 3, 4, 5, 8 and 9; 7 once the file is saved.
inline constexpr int kNewMonthLastStep = 6;
inline constexpr int kNewMonthSavedText = 7;
std::string_view NewMonthStepText(int id);
int NewMonthTextOfStep(int step);
inline constexpr std::string_view kSecondMonthAbsencesQuestion = "Do you want to load the Second Month's Absences";

// Runs the wizard's loaders in its order: toolbox, roster, absences (and the next month's
// when this month's loaded), last month's activity, pairings, LIS. A failing step does not
// stop the others. Only steps with a file are run and listed. A pairing step that is done
// leaves the pairing warnings report to the caller (it lives with the outputs).
std::vector<NewMonthStep> LoadNewMonthFiles(model::Document& doc, platform::Interaction& ui, const NewMonthFiles& files);

}  // namespace lw::import
