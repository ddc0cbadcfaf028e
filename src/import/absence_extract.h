#pragma once
// The CrewTrac crew absence extract (????absp.ext for pilots, ????absc.ext for cabin crew):
// each crew member's absences, reserve days and other activities, put on the days of this
// month or, on request, of the month that follows.
//
// One employee per line, 443 characters: the employee number in columns 0-8, then 31 slots
// of 14 characters, slot s (0..30) starting at column c = 9 + 14 * s:
//   c, c+1       CrewTrac activity code; two blanks end the line's slots
//   c+2, c+3     first day, 01 = the first day of the month loaded
//   c+4, c+5     last day
//   c+6 .. c+9   start time, minutes after midnight (0000..1440)
//   c+10 .. c+13 end time, minutes after midnight; earlier than the start = the next day
// Employee number 99999, or a line shorter than 10 characters, ends the data.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace lw::model { class Document; }

namespace lw::import {

inline constexpr std::string_view kLastCrewAbsPathSetting = "LastCrewAbsPath";
inline constexpr size_t kAbsenceLineLength = 443;

// The open dialog for a crew absence extract, starting in the folder last used
// (setting "LastCrewAbsPath").
platform::FileRequest AbsenceExtractRequest(std::string lastCrewAbsPath);

// Puts the extract's activities on the days of the roster's members: day indices 0.. for this
// month, DayCount.. with nextMonth. Lines of employees not on the roster are passed over. An
// activity already on a day is replaced; a day taken by a pairing (its first day or any day
// it runs over) keeps the pairing.
//
// Loading this month's absences over a document that is no longer fresh first asks whether
// conflicting toolbox assignments may be erased; No returns false with nothing changed.
//
// True when the file was read through: the days are written, FreshDocument is cleared, and for
// this month every member's long leave is worked out again (a member on leave all month bids
// reserve). Everything that could not be recorded is listed in "Warnings from Absences Extract
// Load": a day held by a pairing, a code without a toolbox activity (recorded without credit or
// duty), a slot whose days fall outside the 62 days a block holds, a slot that cannot be read.
// A file in which no roster member appears is said so.
//
// False after a message (or after No to a question), and then the document is exactly as it
// was: the file cannot be opened, or it fails part-way through reading (no half-loaded month).
//
// folder (when given) receives the file's folder as soon as the file is opened, to be stored
// under "LastCrewAbsPath", whatever the outcome.
bool LoadAbsenceExtract(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                        bool nextMonth, std::filesystem::path* folder = nullptr);

}  // namespace lw::import
