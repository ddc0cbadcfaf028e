#pragma once
// lwgen's command line.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "airports.h"
#include "timeutil.h"

namespace lwgen {

enum class Status { Captain, FirstOfficer, Cabin };

struct Options {
    uint64_t seed = 0;
    std::filesystem::path out;
    Month month;
    int base = 2;  // index into Bases(): YYZ
    Eqp eqp = Eqp::DH8;
    Status status = Status::Captain;
    int crew = 120;
    bool large = false;
    bool crlf = false;

    bool Pilots() const { return status != Status::Cabin; }
};

inline constexpr int kMaxCrew = 999;  // the crew table's rows, less the scratch row
// A group loaded from a large month stays this far under the 3000-pairing table.
inline constexpr int kLargePairings = 2990;

std::string Usage();

enum class ParseResult { Ok, Help, Error };
// On Error, *error says what was wrong.
ParseResult ParseOptions(const std::vector<std::string>& args, Options* options, std::string* error);

}  // namespace lwgen
