#pragma once
// The month's pairing file from the pairing optimiser (".PRG" / ".Vandrel"): every pairing of
// the airline, one block of fixed-column records per operating date. The loader keeps the
// pairings of the document's crew group and makes one copy per crew position the group flies.
//
// What the document holds afterwards:
// - Success (true): the pairing table is replaced by the file's pairings of the group, crew
//   assignments follow their pairings into the new table (those that no longer fit are
//   removed, after the planner agreed), US pairings are marked, pairings across the month's
//   clock change are shifted, the city-pair summary is rebuilt, the document is modified.
//   The caller then shows the pairing warnings report, the caption and rebuilds the blocks.
// - Any failure (false): the document is exactly as it was. The file is read into a separate
//   table and only put in place once it has been read to its end and the planner has agreed to
//   lose any assignments that no longer fit. This holds for a file that cannot be opened, is
//   not a pairing file, holds more pairings than the table takes, holds none of the group's
//   pairings, is broken part-way, when the planner stops the progress window or answers No.
//
// Reading rules beyond the column layout:
// - Lines longer than 998 characters are cut to their first 998 (the records end at column 302)
//   and the rest of such a line is skipped; "\r\n" line ends read as "\n".
// - A numeric field beyond the end of a line reads 0 and logs "Cannot GetInt. String too Short".
// - A record of the group too short for the texts it shows (see RecordTextWidth), a duty dated
//   before its trip's first day or 31 days or more after it, an impossible duty date, a pairing
//   number outside 1..9999 or a pairing with more than 1000 detail records is a broken file:
//   "File Error - ..." and the pairing numbers read so far ("Pair Loading Progress").
// - A letter in column 2 ("X") is no digit of the pairing number: the number is columns 3-5.
// - The city-pair summary is gathered in the same pass over the file.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace lw::model { class Document; }

namespace lw::import {

inline constexpr std::string_view kLastPrgPathSetting = "LastPrgPath";

// The accepted selection codes of the pairing file's columns 1 (base letter) and 2 (equipment).
struct PairingSelection {
    bool hasBase = false;  // without a base letter nothing is taken
    char base = ' ';
    bool ignoreEquipment = false;
    char equipment = '\0';  // '\0' when the group code names no equipment
    char secondEquipment = 'X';

    bool Takes(std::string_view line) const;
};

// The document's codes (manualCodes empty): the base letter is character 8 of GroupCode, or for a
// shorter code the letter of the first base airport in it; the equipment from the first aircraft
// type in it (a CRJ group also takes "2" in place of "X"); a flight-attendant group takes every
// equipment. Manual codes: base letter then an optional equipment digit. Equipment is ignored
// when ignoreEquipment is set or the manual codes have no equipment digit.
PairingSelection SelectPairings(const model::Document& doc, std::string_view manualCodes, bool ignoreEquipment);

// What the "Load Vandrel Pairings" dialog hands to LoadPairingFile.
struct PairingCodes {
    std::string manualCodes;
    bool ignoreEquipment = false;
};

// The dialog's OK: the typed codes when useManual is set (nullopt after "You have not entered a
// Base Code.", the dialog stays open), else the document's codes, equipment ignored for
// flight attendants.
std::optional<PairingCodes> DialogPairingCodes(const model::Document& doc, platform::Interaction& ui, bool useManual,
                                               std::string_view baseCode, std::string_view eqpCode);

// The open dialog for a pairing file, starting in the folder last used ("LastPRGPath").
platform::FileRequest PairingFileRequest(std::string lastPrgPath);

// Replaces the document's pairings with the group's pairings of the file (see the top of this
// file). folder, when given, always receives the chosen file's folder, to be kept under
// "LastPRGPath" (written as kLastPrgPathSetting) whatever the outcome.
bool LoadPairingFile(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                     std::string_view manualCodes, bool ignoreEquipment, std::filesystem::path* folder = nullptr);

}  // namespace lw::import
