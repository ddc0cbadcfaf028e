#pragma once
// What every lwtool command works with.
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "cli/args.h"
#include "cli/cli_interaction.h"
#include "model/document.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"

namespace lw::cli {

struct Context {
    CliInteraction& ui;
    const platform::Clock& clock;
    // --force: write even though another planner holds the month's lock.
    bool force = false;
    // Each month opened, as it was read: saving over it checks it is still the same file.
    std::map<std::string, platform::FileIdentity> readAs = {};
};

// Exit codes of lwtool.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitQuestion = 3;

// Opens a schedule file; null (after telling the user) when it cannot be opened.
std::unique_ptr<model::Document> OpenSchedule(Context& ctx, const std::string& file);
// Saves to -o OUT when given, else over the file that was opened: under the month's lock, never
// over a month another planner changed since it was read, never over a damaged month.
bool SaveScheduleTo(Context& ctx, model::Document& doc, const Args& args, const std::string& openedFile, int kind = 0);
// Saves doc to target under target's lock; readAs: what was read from target, if it was.
bool SaveLocked(Context& ctx, model::Document& doc, const std::string& target, int kind,
                const platform::FileIdentity* readAs);

}  // namespace lw::cli
