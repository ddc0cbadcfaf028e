#pragma once
// What every lwtool command works with.
#include <filesystem>
#include <memory>
#include <string>

#include "cli/args.h"
#include "cli/cli_interaction.h"
#include "model/document.h"
#include "platform/clock.h"

namespace lw::cli {

struct Context {
    CliInteraction& ui;
    const platform::Clock& clock;
};

// Exit codes of lwtool.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitQuestion = 3;

// Opens a schedule file; null (after telling the user) when it cannot be opened.
std::unique_ptr<model::Document> OpenSchedule(Context& ctx, const std::string& file);
// Saves to -o OUT when given, else over the file that was opened.
bool SaveScheduleTo(Context& ctx, model::Document& doc, const Args& args, const std::string& openedFile, int kind = 0);

}  // namespace lw::cli
