#pragma once
// The pairing system's listing files (.LIS): which aircraft type flies each leg, which cabin
// pairings need a French-speaking crew member, and the US meals note. The scan marks each
// loaded pairing's PairText from them.
//
// What the scan reads in the listing (nothing else of its layout matters):
//   - a pairing's block runs from the last occurrence of its designation ("V8101") to 17
//     characters after the first "MEALS CAD:" that follows;
//   - a leg flown by a type is marked "CRA [", "CRJ [", "DH1 [" or "E75 [", with the leg's
//     4-character flight number 71 characters before the mark (63 in cabin listings);
//   - "FRENCH" anywhere in a cabin pairing's block makes it a French pairing;
//   - "MEALS US:" starts the US meals note, which runs to the block's last character but one.
// A file is taken whole when it holds no NUL byte; otherwise it is read from the smallest of
// the offsets 2500, 2400, ... 0 from which at least 5000 characters run to a NUL, which skips a
// binary header.
//
// What the scan writes into PairText:
//   - "  CRA" (or CRJ, DH1, E75) 35 characters after the leg's flight number, replacing a type
//     tag already standing there;
//   - " FRENCH PAIRING" for a cabin pairing whose block says FRENCH, removed again when it no
//     longer does;
//   - one share-of-type block such as " *** CRA>49% CRA>24% CRA>0% *** ", replacing the
//     previous one;
//   - "\n   " and the US meals note, replacing the previous one.
// Scanning the same files again leaves PairText as it is.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace lw::model {
class Document;
}

namespace lw::import {

inline constexpr std::string_view kLastFrenchPathSetting = "LastFrenchPath";
// The listing text of all chosen files together is kept to this size.
inline constexpr size_t kLisBufferSize = 6'000'000;
// Less listing text than this is not a listing.
inline constexpr size_t kLisMinimumText = 5000;

// The open dialog for one or more LIS files, starting in the folder kept under "LastFrenchPath".
platform::FileRequest LisFilesRequest(std::string lastFrenchPath);

struct LisScanDetails {
    // The planner answered No to a file whose name lacks the month: choose the files again.
    bool chooseAgain = false;
    // Where the files were found, to be kept under "LastFrenchPath"; empty when the names were refused.
    std::filesystem::path folder;
};

// Marks every pairing of the table from the listing files, in the order given, then lists the
// errors ("Flag CRA and French Pairings Errors") and the summary ("Flag French Pairings from
// LIS Summary"). Pairings missing from the listing are listed and left as they are.
//
// True when the pairings were scanned; the document is then modified. False, with the
// document exactly as it was, when no file was given, a file name without the month's title
// was refused (details->chooseAgain), the listing could not be read (a file that gives no text,
// or less than 5000 characters in all), or the progress window was stopped.
bool ScanLisFiles(model::Document& doc, platform::Interaction& ui, const std::vector<std::filesystem::path>& files,
                  LisScanDetails* details = nullptr);

}  // namespace lw::import
