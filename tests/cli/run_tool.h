#pragma once
// Runs the real lwtool binary in a shell and keeps its exit code and everything it printed.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "temp_folder.h"

namespace lw::test {

struct ToolResult {
    int exit = -1;
    std::string out, err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs lwtool with the arguments, today fixed, its output kept in files of dir.
inline ToolResult RunTool(const TempFolder& dir, const std::vector<std::string>& args) {
    std::string cmd = "LWRIGHT_TODAY=2026-12-08 " + ShellQuote(LWTOOL_PATH);
    for (const std::string& a : args) cmd += " " + ShellQuote(a);
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    cmd += " >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
    const int status = std::system(cmd.c_str());
    ToolResult r;
    r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadBytes(out);
    r.err = ReadBytes(err);
    return r;
}

// RunTool with every argument "F" standing for the month file.
inline ToolResult RunToolOn(const TempFolder& dir, const std::filesystem::path& file, std::vector<std::string> args) {
    for (std::string& a : args)
        if (a == "F") a = file.string();
    return RunTool(dir, args);
}

}  // namespace lw::test
