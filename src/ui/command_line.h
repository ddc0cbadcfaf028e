#pragma once
// The schedule file named when the program is started.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::ui {

// The arguments after the program name, joined by single spaces as one command line.
std::string JoinCommandLine(const std::vector<std::string>& args);

// A command line of fewer than two characters names no file; a line that begins with a double
// quote loses its surrounding quotes.
std::optional<std::string> FileFromCommandLine(std::string_view line);

}  // namespace lw::ui
