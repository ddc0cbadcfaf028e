#pragma once
// Bringing crew blocks back from the CrewTrac BAW and LIN files: the lines found, then the
// chosen ones put onto the crew members with the same employee numbers through the
// assignment engine.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::import {

// One day entry of a LIN record.
struct BawLinEntry {
    bool pairing = false;
    char base = ' ';          // pairing: base code letter
    int32_t number = 0;       // pairing: pairing number
    std::string code;         // activity: CrewTrac code ("RB" for an R2 reserve)
    int32_t firstDay = -1;    // day index of the pairing's first day or the activity's start
    int32_t lastDay = -1;     // activity: day index of the end date (-1 when after the month)
    int32_t start = 0;        // activity: start minute
    int32_t end = 0;          // activity: end minute
    std::string text;         // the entry as written, for messages
};

// One line of the BAW file with its LIN record.
struct BawLinBlock {
    int32_t employee = 0;
    char crewLetter = ' ';
    std::string group;     // base and equipment code
    int32_t line = 0;      // line number of the BAW file
    std::string position;
    char lineType = ' ';   // 'L', 'P' or 'O' from the LIN record
    std::vector<BawLinEntry> entries;
};

struct BawLinFile {
    std::vector<BawLinBlock> blocks;
    std::vector<std::string> warnings;  // lines of the wrong length, records without a partner, bad dates
};

// A BAW file and its LIN file well beyond the largest roster.
inline constexpr size_t kBawLinReadLimit = 4u << 20;

// Reads both files against the month (dates become day indexes). False, after telling the
// user "File Error - Unable to Load Roster from this file.", when either cannot be read.
bool ReadBawLin(const model::Document& doc, platform::Interaction& ui, const std::filesystem::path& baw,
                const std::filesystem::path& lin, BawLinFile& out);

// The list box line of a block: its BAW line and whom it goes to.
std::string BawLinBlockLine(const model::Document& doc, const BawLinBlock& block);

// Crew row the block goes to, -1 when no member has that employee number. Open-time blocks
// go to the roster's open-time rows in order; `openUsed` counts those already handed out.
int BawLinCrewRow(const model::Document& doc, const BawLinBlock& block, int& openUsed);

// "Import": puts the chosen blocks (indexes into file.blocks) on their crew members. A block
// that cannot be placed whole is placed only when the planner agrees. Returns the warnings.
std::vector<std::string> ApplyBawLinBlocks(model::Document& doc, platform::Interaction& ui, const BawLinFile& file,
                                           const std::vector<size_t>& chosen);

// The whole dialog for lwtool and tests: read, list the blocks found, import them all and show
// the warnings. False when the files could not be read.
bool ImportBawLinFiles(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& baw,
                       const std::filesystem::path& lin);

}  // namespace lw::import
