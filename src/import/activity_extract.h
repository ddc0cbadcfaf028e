#pragma once
// Last month's work from CrewTrac: the crew activity extract (????actp.ext / ????actc.ext, one
// line per employee with the 31 days before the month) and the prior-period pairing extract
// (????prgp.ext / ????prgc.ext, one line per pairing). They give each crew member the
// carried-in duty, rest and credit that the legality checks start the month from.
//
// Crew activity extract, 0-based columns, 1605 characters a line:
//   0-8 employee number; 31 slots of 40 characters from column 9 (slot s at V = 9 + 40 s):
//     pairing slot: V..V+1 blank, V+2..V+6 pairing number (blank = empty slot),
//                   V+8..V+15 start date yyyymmdd;
//     activity slot: V..V+1 CrewTrac code, V+16..V+23 first day yyyymmdd, V+24..V+27 start,
//                   V+28..V+35 last day yyyymmdd, V+36..V+39 end;
//   1481-1604 block time of each of the 31 days before the month, oldest first, 4 digits each.
// Prior-period pairing extract, 1178 characters a line:
//   0-4 pairing number, 6-13 start date, 14-21 date of the pairing's first day in the tables,
//   22-25 report, 44-49 total credit, 50-57 time away from base, 66-69 rest used for the
//   check-in; duty period k (k = 0..30): date 70+24k, start 78+24k, end 90+24k;
//   daily entry k (k = 0..32, entry 0 is the day before the first day): station 814+11k,
//   block 817+11k, credit 821+11k.
// Times and durations are minutes, read as plain digits.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace lw::model {
class Document;
}

namespace lw::import {

inline constexpr std::string_view kLastOverlapDataPathSetting = "LastOverlapDataPath";
inline constexpr size_t kActivityLineLength = 1605;
inline constexpr size_t kPriorPairingLineLength = 1178;
// Far above a whole airline's extract; anything larger is not one.
inline constexpr size_t kExtractSizeLimit = size_t{64} << 20;

// The two open dialogs: the activity extract, starting in the folder kept under
// "LastOverlapDataPath", then the pairing extract, starting where the first file was found.
platform::FileRequest ActivityExtractRequest(std::string lastOverlapDataPath);
platform::FileRequest PriorPairingExtractRequest(std::string folder);

// Rebuilds every crew member's carried-in data from the two extracts: PrevDayData of all 62
// days, DayText of the 31 days before the month, LegalCheckIn and CreditCarriedIn (and the
// two reserved values after them). Members not in the activity extract are left with none.
// Codes and pairings that cannot be placed are listed at the end under "Errors from Overlap
// Info Extract Load"; the rest of the line still loads.
//
// True when the extract was read to its end; the document is then modified and no longer
// fresh. False after a message or a refused question (a file that cannot be opened or is too
// large, an empty activity extract, a month without dates, "No" to the line-length question,
// or the progress window stopped): the document is exactly as it was.
// folder (when given) receives the activity extract's folder as soon as that file was opened,
// to be kept under "LastOverlapDataPath" even when the load goes no further.
bool LoadLastMonthData(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& activityFile,
                       const std::filesystem::path& priorPairingFile, std::filesystem::path* folder = nullptr);

}  // namespace lw::import
