#pragma once
// The CrewTrac employee record extract (????perp.ext for pilots, ????perc.ext for cabin crew):
// the roster of the month's crew group, in seniority order, with each member's
// qualifications, languages and block limits.
//
// One employee per line, columns 0-based, every line upper-cased before it is read:
//   0-8    employee number (9 digits)
//   9-28   surname, blank-padded
//   29     first initial
//   31-38  group key: base (3), equipment (3), status (2), e.g. YYZDH8CA;
//          cabin crew are selected on the base (31-33) alone
//   77-88  the employee's two-letter codes, anywhere in the field
// A normal line is 102 or 147 characters; a line shorter than 50 ends the data.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace lw::model { class Document; }

namespace lw::import {

inline constexpr std::string_view kLastRosterPathSetting = "LastRosterPath";
inline constexpr size_t kRosterLineLength = 102;
inline constexpr size_t kRosterLongLineLength = 147;
inline constexpr size_t kRosterEndLength = 50;

// The open dialog for an employee record extract, starting in the folder last used
// (setting "LastRosterPath").
platform::FileRequest RosterExtractRequest(std::string lastRosterPath);

// Asked before a roster is loaded into a month with blocks, activities or last month's data.
inline constexpr const char* kReplaceRosterQuestion =
    "Loading a Roster replaces every Crew Member of this month, with their Blocks, Activities and Last Month's "
    "Data, and clears the Undo list. Proceed";

// Replaces the roster with the extract's members of the document's crew group (selected by
// the first 8 characters of GroupCode, the first 3 for cabin crew), in the file's order.
//
// True when the roster was read: rows 0..n-1 hold the members as new records (nothing of a
// previous occupant survives), every later row is cleared, CrewCount is n and the document is
// modified. Lines of the group that cannot make a member (an employee number that is not a
// number from 1 to 999999999, or one already taken by an earlier line) are left out and listed
// in "Warnings from Roster Extract Load".
//
// False after a message (or after No to the question about an unusual file), and then the
// document is exactly as it was: a group code that is not 9 characters, a file that cannot be
// opened or read, no member of the group in the file, or more members than the 999 crew rows
// (the last of the 1000 rows is the legality trial's scratch copy) — a partial roster would
// silently leave out the junior members.
//
// folder (when given) receives the file's folder as soon as the file is opened, to be stored
// under "LastRosterPath", whatever the outcome; it is left alone when the file cannot be opened.
bool LoadRosterExtract(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                       std::filesystem::path* folder = nullptr);

}  // namespace lw::import
