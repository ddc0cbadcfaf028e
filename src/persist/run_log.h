#pragma once
// The run log LWDebug.txt: a trace of what the program did, written line by line so that it
// survives a crash. A run that ends normally closes it with "Linewright Termination Normal";
// the next start recognises a log without "Termination" as an abnormal end, keeps it under a
// dated name and tells the planner.
#include <filesystem>
#include <string_view>

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/interaction.h"
#include "base/log_sink.h"
#include "platform/profile.h"

namespace lw::persist {

class RunLog : public base::LogSink {
public:
    RunLog() = default;
    // Closes the file without the termination line: only End() marks a normal end.
    ~RunLog() override;
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // $XDG_STATE_HOME/linewright, else $HOME/.local/state/linewright; empty when neither is set.
    static std::filesystem::path DefaultFolder(
        const platform::EnvironmentLookup& env = platform::ProcessEnvironment);
    // Whether this run keeps a log: "DebugFile" of section "LW" is 1 (default 0).
    static bool Wanted(const platform::Profile& profile);

    // Creates the folder, moves an abnormally ended previous log aside (telling the planner),
    // and opens a new, empty LWDebug.txt. False, with the log closed, when that fails.
    // Does nothing and returns true when the log is already open.
    bool Start(const std::filesystem::path& folder, platform::Interaction& ui, const platform::Clock& clock);
    // Start() when Wanted(profile); otherwise nothing is created and the log stays closed.
    bool StartIfWanted(const platform::Profile& profile, const std::filesystem::path& folder,
                       platform::Interaction& ui, const platform::Clock& clock);

    // Appends the line as given (callers end it with "\n"); nothing when the log is closed.
    void Write(std::string_view line) override;
    // Writes "Linewright Termination Normal\n" and closes the log.
    void End();
    bool IsOpen() const { return fd_ >= 0; }

private:
    void Close();
    int fd_ = -1;
};

}  // namespace lw::persist
