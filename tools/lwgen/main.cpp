// lwgen: writes an invented but plausible month of every input file the planners load, from
// a seed, so that loaders, tests and benchmarks have realistic data without company files.
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "airline.h"
#include "calendar.h"
#include "crew.h"
#include "options.h"
#include "writers.h"

namespace {

using namespace lwgen;

bool Save(const std::filesystem::path& path, const TextFile& file, bool crlf, std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const char* eol = crlf ? "\r\n" : "\n";
    for (const std::string& line : file.lines) out << line << eol;
    out.close();
    if (!out) {
        *error = "cannot write " + path.string();
        return false;
    }
    return true;
}

int Run(const Options& options) {
    std::error_code ec;
    std::filesystem::create_directories(options.out, ec);
    if (ec) {
        std::cerr << "lwgen: cannot create " << options.out.string() << ": " << ec.message() << "\n";
        return 1;
    }

    const Network network;
    const std::vector<Trip> trips = BuildMonthPairings(options, network);
    const std::vector<CrewMember> roster = BuildRoster(options);
    PriorPairings prior(options, network);
    const std::vector<CrewCalendar> calendars = PlanCalendars(options, roster, prior);

    std::vector<TextFile> files;
    files.push_back(WritePairingFile(options, trips));
    for (TextFile& f : WriteListings(options, trips)) files.push_back(std::move(f));
    files.push_back(WriteToolbox(options));
    files.push_back(WriteRoster(options, roster));
    files.push_back(WriteAbsences(options, roster, calendars, false));
    files.push_back(WriteAbsences(options, roster, calendars, true));
    for (TextFile& f : WriteActivity(options, roster, calendars)) files.push_back(std::move(f));
    for (TextFile& f : WritePilotBids(options, roster, trips)) files.push_back(std::move(f));

    for (const TextFile& f : files) {
        const std::filesystem::path path = options.out / f.name;
        std::string error;
        if (!Save(path, f, options.crlf, &error)) {
            std::cerr << "lwgen: " << error << "\n";
            return 1;
        }
        std::cout << path.string() << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    std::string error;
    switch (ParseOptions(args, &options, &error)) {
    case ParseResult::Help: std::cout << Usage(); return 0;
    case ParseResult::Error: std::cerr << "lwgen: " << error << "\n" << Usage(); return 2;
    case ParseResult::Ok: break;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::cerr << "lwgen: internal error: " << e.what() << "\n";
        return 1;
    }
}
