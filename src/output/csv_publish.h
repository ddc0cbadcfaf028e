#pragma once
// The three spreadsheet files published with the blocks page: the block list, the month
// layout (one column per day) and the planned absences for the crew-tracking system's load.
// Each function returns the whole file, lines ending in CR LF.
#include <string>

#include "model/document.h"

namespace lw::output {

// "<stem>.csv": one line per block with its pairings and activities, each with its date.
std::string BlockListCsv(const model::Document& doc);
// "<stem>_Month_Layout.csv": the month as a grid, one row per block, one column per day.
std::string MonthLayoutCsv(const model::Document& doc);
// "<stem> CT Planned Absences.csv": one line per activity day with its start and end.
std::string PlannedAbsencesCsv(const model::Document& doc);

// A name or code as one CSV field: quoted when it holds a comma, a quote or a line break, so
// the columns stay under their headings.
std::string CsvField(const std::string& text);

}  // namespace lw::output
