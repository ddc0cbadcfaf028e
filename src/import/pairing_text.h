#pragma once
// What the planner reads about a pairing and the month: the printable pairing text written
// from the pairing file's records, the mark on pairings that fly out of US airports, and the
// city-pair summary of segment time and deadheads printed after the pairing report.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date.h"

namespace lw::model { class Document; class TPair; }
namespace lw::base { class LogSink; }
namespace lw::platform { class Interaction; }

namespace lw::import {

// Appended to the text of a pairing with a US departure; the block check looks for it.
inline constexpr std::string_view kUsSegmentMarker = "   USA SEGMENT ";

// Shortest line that holds every text a record shows: type 1 through its crew complement (145),
// type 2 through its deadhead mark (62), type 3 with a duty through its hotel text (99), type 4
// through its code (86), type 5 through its to-station (47). Other lines show nothing.
size_t RecordTextWidth(std::string_view line);

// A duty record without a duty leaves columns 30 and 31 blank (or has no such columns).
bool DutyRecordHasDuty(std::string_view line);

// Appends the text of one pairing-file record to pair.PairText: the header of a type 1 record,
// one line per segment (types 2, 4, 5), the duty figures, layover and, at the last duty, the
// pairing totals (type 3). The times and totals shown are taken from pair, so the caller fills
// the record's figures first. firstDate is the pairing's first operating day, from which the
// segments' day numbers count. Numbers beyond the end of the line read 0 (logged to log).
// False, with nothing appended, when the line is shorter than RecordTextWidth.
bool RenderPairingRecord(model::TPair& pair, std::string_view line, base::Date firstDate,
                         base::LogSink* log = nullptr);

// Whether a pairing text holds a segment that departs from a US airport ("BOS-").
bool HasUsDeparture(std::string_view pairText);

// Marks every pairing of the document's table that departs from a US airport: UsaSegments set
// and kUsSegmentMarker appended to its text (once: a pairing already carrying the marker is
// not marked a second time). Shows the progress window "Scanning for USA Segments". Returns
// the number of pairings marked.
int ScanUsSegments(model::Document& doc, platform::Interaction& ui);

// The city-pair summary fed one file line at a time, for a reader already walking the file.
class CityPairSummaryBuilder {
public:
    CityPairSummaryBuilder();
    // Lines after the one that would need a 501st city pair or a 21st prefix are not counted.
    void Add(std::string_view line);
    bool Full() const { return full_; }
    std::string Text() const;

private:
    struct Cell {
        int64_t time = 0;
        int32_t deadheads = 0;
    };
    int RowOf(uint64_t key);

    bool full_ = false;
    std::vector<std::array<char, 7>> names_;
    std::vector<uint16_t> prefixes_;
    size_t lastPrefix_ = 0;
    std::vector<Cell> cells_;
    std::vector<uint64_t> slotKeys_;  // open addressing over the city-pair names
    std::vector<int16_t> slotRows_;
};

// The city-pair summary of a pairing file: segment time and other-carrier deadheads per city
// pair (in order of first appearance) and per two-character pairing prefix. Every base counts;
// lines shorter than 80 characters are skipped; the table stops at 500 city pairs and 20
// prefixes. nullopt when the file cannot be read.
std::optional<std::string> BuildCityPairSummary(const std::filesystem::path& file);

}  // namespace lw::import
