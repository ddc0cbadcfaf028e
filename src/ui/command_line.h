#pragma once
// lwright's command line: --help, --version, and the schedule file to open at start.
#include <QString>
#include <QStringList>
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

// What the program is asked to do at start.
struct StartRequest {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<std::string> file;  // Run: the month to open (a file:// URL becomes its path)
    QString text;                     // Help, Version: for stdout; Error: for stderr
};

// arguments as QCoreApplication::arguments() gives them, the program first. The file
// arguments are joined into one line and read as FileFromCommandLine reads it.
StartRequest ParseStartArguments(const QStringList& arguments);

// Whether the arguments only ask for text (help or version), which needs no display.
bool AsksForTextOnly(const QStringList& arguments);

}  // namespace lw::ui
