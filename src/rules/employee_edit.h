#pragma once
// The employee information dialog without the dialog: every field as the planner typed it,
// filled from a crew record, and checked and stored in one step.
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::rules {

// "Previous Month Data" of one day before the month; times as "hh:mm".
struct PrevDayFields {
    int32_t w = model::kPrevDays - 1;  // extended day index 0..30; 30 = the day before the month
    std::string date;        // "%02d/%02d/%04d" of that day, shown only
    std::string code;        // the day's code from the outside extract, shown only
    std::string hardTime;    // daily hard time, 0..23:59
    std::string dutyStart;   // minute of day, 0..23:59
    std::string dutyLength;  // no hour limit
    std::string pairStart;   // pairing or assignment start, 0..23:59
    std::string pairTafb;    // its time away from base, no hour limit
    int32_t worked = 0;      // "Worked This Day Gray = Res": 1 worked, 2 reserve, 0 neither
    bool carsDuty = false;
    bool operator==(const PrevDayFields&) const = default;
};

struct EmployeeFields {
    std::string name;
    std::string employeeNumber;  // -1..999999999
    std::string phone1, phone2;
    std::string quickNotes;       // "Quick Notes for this month", up to 499 characters
    // "%d%c%d" hours and minutes (fewer than 4 characters count as 0).
    std::string creditCarriedIn, extraCredits, timeBank, trainingAtHome;
    std::string legalCheckIn;     // "Day:Hr:Min Legal for Checkin at", "%d%c%d%c%d"
    std::string draftCredits;     // decimal hours, h:mm or whole hours
    std::string minBlock, maxBlock;  // "hh:mm", chosen from 00:01 to 120:00
    std::string minDaysOff;       // chosen from 8 to 30
    int32_t qualification = 0;    // 0 None, 1 Check B, 2 LTC (No Fams), 3 Checker, 4 LTC and TP
    int32_t languageBits = 0;     // pilots: 1 "65+", 2 "Med"; flight attendants: 1 "FR"
    bool training = false;        // "TRN"
    bool noTz = false;            // "No TZ"
    bool noYcg = false;           // "No YCG"
    bool bidsReserve = false;     // "Check If Bid Reserve or LOA"
    bool blockComplete = false;   // "Blk Complete"
    bool outsideW = false;        // "OutsideW"
    PrevDayFields prevDay;
    // Shown only: what the block check and the duty rule checker found.
    std::string illegalities, warnings;
    std::vector<std::string> ruleResults;  // "CARs 60/7 or 70/7 Rule Checking Results"
    bool operator==(const EmployeeFields&) const = default;
};

// The qualification names of the crew group, by Qualification value.
std::vector<std::string> QualificationNames(const model::Document& doc);

// What the dialog shows for a crew member; prevDay is the day before the month unless a
// day of last month (extended index 0..30) is chosen.
EmployeeFields ReadEmployeeFields(const model::Document& doc, int crew, int prevDayW = model::kPrevDays - 1);

// OK of the dialog: checks every field in the dialog's order and tells the planner the first
// problem ("Linewright"); nothing is stored then. Otherwise stores everything, marks the
// document modified and re-checks the member's block. False when nothing was stored.
bool ApplyEmployeeEdit(model::Document& doc, Board& board, platform::Interaction& ui, int crew,
                       const EmployeeFields& fields);

}  // namespace lw::rules
