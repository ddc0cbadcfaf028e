#pragma once
// What goes on the printed pages, in the printout's own units: the block printout (a row per
// crew member, a column per day, the reserves and open pairings at the end) and the visual
// pairings printout (the pairings window's grid on paper). Painting is left to the caller.
#include <string>
#include <vector>

#include "model/document.h"
#include "rules/pairings_layout.h"

namespace lw::output {

// ---- block printout: 1050 by 990 units fill the printable area
inline constexpr int kBlockPageWidth = 1050;
inline constexpr int kBlockPageHeight = 990;
inline constexpr int kBlockColumn = 30;    // one day
inline constexpr int kBlockLine = 10;      // one text line
inline constexpr int kBlockRowHeight = 30; // one crew row
inline constexpr int kBlockRowsPerPage = 28;
inline constexpr int kBlockFirstRowY = 60; // under the day ruler and its line

enum class DayLine { None, Dotted, Solid };  // the line down the left edge of a day column

struct DayHeading {
    std::string number;   // "%02d"
    std::string weekday;  // "SU".."SA"
    DayLine line = DayLine::Solid;
    bool operator==(const DayHeading&) const = default;
};

struct BlockCell {
    std::string text;          // pairing number, layover letters or activity code
    bool dottedUnderline = false;  // a purser pairing in a cabin month
    bool lateStroke = false;       // the day after a late-release pairing
    std::string request;       // the day-off request, printed in grey
    bool operator==(const BlockCell&) const = default;
};

struct BlockRow {
    int crew = 0;          // crew row (0-based)
    std::string label;     // "%d %-9s"
    std::string credit;    // block figure and the credits carried in
    int carryInWidth = 0;  // units of the "CARRYIN" box from x = 90, 0 for none
    std::vector<BlockCell> days;
    bool operator==(const BlockRow&) const = default;
};

struct BlockPage {
    std::string header;
    std::vector<BlockRow> rows;
    bool operator==(const BlockPage&) const = default;
};

struct BlockPrintout {
    std::vector<DayHeading> days;
    std::vector<BlockPage> pages;
    // Last page: the reserves count and the open pairing numbers of every day, under the rows.
    std::vector<int> reserves;
    std::vector<std::vector<std::string>> open;
    int summaryY = 0;  // y of the "RESERVES" row on the last page
};

// The draft question of the print command, as the planner is asked it.
struct DraftQuestion {
    const char* text;
    const char* title;
};
DraftQuestion BlockDraftQuestion(const model::Document& doc);

// Crew rows to print: a cabin month prints the rows the grid shows (given), a pilots' month
// every member but those on leave the whole month.
std::vector<int> BlockPrintRows(const model::Document& doc, const std::vector<int>& displayed);
// Pages for R rows when at most M open pairings start on one day.
int BlockPageCount(int rows, int mostOpen);
BlockPrintout LayoutBlockPrintout(const model::Document& doc, const std::vector<int>& rows, bool draft, bool printXes);

// ---- visual pairings printout: 960 by 1160 units, 32 day columns of 30, 58 lines of 20
inline constexpr int kPairsPageWidth = 960;
inline constexpr int kPairsPageHeight = 1160;
inline constexpr int kPairsColumn = 30;
inline constexpr int kPairsLine = 20;
inline constexpr int kPairsColumns = 32;
inline constexpr int kPairsFirstRowLine = 6;
inline constexpr int kPairsRowsPerPage = 58 - kPairsFirstRowLine;

struct PairsCell {
    int column = 0;
    std::string text;   // "%03d", layover letters or "--"
    std::string stars;  // under a pairing number
    bool operator==(const PairsCell&) const = default;
};

struct PairsPage {
    std::vector<std::string> header;  // the four header lines
    std::vector<std::vector<PairsCell>> rows;
    bool operator==(const PairsPage&) const = default;
};

struct PairsPrintout {
    std::vector<DayHeading> days;
    std::vector<PairsPage> pages;
};

// The star mark of a credit category: "*" .. "****".
std::string StarMark(int category);
PairsPrintout LayoutPairsPrintout(const model::Document& doc, const rules::PairingsLayout& layout);

}  // namespace lw::output
