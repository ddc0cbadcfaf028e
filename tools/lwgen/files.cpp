// File names of the month and the shared helpers of the writers.
#include "writers.h"

namespace lwgen {

std::string MonthStem(const Options& options) {
    return options.month.Title() + std::to_string(options.month.YearNumber());
}

std::string ExtractName(const Options& options, int period, std::string_view kind) {
    return std::string(Bases()[static_cast<size_t>(options.base)].code) + std::to_string(period) + std::string(kind) +
           (options.Pilots() ? "p" : "c") + ".ext";
}

}  // namespace lwgen
