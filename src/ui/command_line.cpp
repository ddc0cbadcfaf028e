#include "ui/command_line.h"

namespace lw::ui {

std::string JoinCommandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        if (!line.empty()) line += ' ';
        line += a;
    }
    return line;
}

std::optional<std::string> FileFromCommandLine(std::string_view line) {
    if (line.size() < 2) return std::nullopt;
    if (line.front() == '"') {
        line.remove_prefix(1);
        const size_t close = line.find('"');
        if (close != std::string_view::npos) line = line.substr(0, close);
    }
    if (line.empty()) return std::nullopt;
    return std::string(line);
}

}  // namespace lw::ui
