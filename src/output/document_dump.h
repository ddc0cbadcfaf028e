#pragma once
// A stable text form of every saved field of a document, for scripts and for comparing months.
#include <string>

#include "model/document.h"

namespace lw::output {

struct DumpSections {
    bool document = true;
    bool pairings = true;
    bool crew = true;
    bool history = true;
};

std::string DumpDocument(const model::Document& doc, const DumpSections& sections);

// How to read the dump, printed by "lwtool dump --help".
extern const char* const kDumpFormatHelp;

// Text as a quoted, printable string: \\ \" \n \r \t and \xHH for other control and
// non-ASCII bytes.
std::string Quote(std::string_view text);

}  // namespace lw::output
