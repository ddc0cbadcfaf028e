// lwtool toolbox: the buttons the toolbox window draws for the month.
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "model/activity_codes.h"
#include "base/time_text.h"
#include "output/document_dump.h"

namespace lw::cli {

int CommandToolbox(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {}, {"--yes", "--no"});
    if (args.Positionals().size() != 1) throw UsageError("usage: lwtool toolbox FILE");
    const auto doc = OpenSchedule(ctx, args.Positionals()[0]);
    if (!doc) return kExitFailed;
    const model::Toolbox toolbox = model::BuildToolbox(*doc);
    std::cout << toolbox.title << "\n";
    for (const model::ToolboxButton& b : toolbox.buttons) {
        char line[160];
        if (b.value < 0) {  // a day-off request marks the day, it carries no times
            std::snprintf(line, sizeof line, "%-3s %6d at %3d,%3d  request  ", b.label.c_str(), b.value, b.rect.left,
                          b.rect.top);
            std::cout << line << output::Quote(b.caption) << "\n";
            continue;
        }
        std::snprintf(line, sizeof line, "%-3s %6d at %3d,%3d  start %s tafb %s credit %s hard %s%s%s%s%s  ",
                      b.label.c_str(), b.value, b.rect.left, b.rect.top,
                      base::FormatTime(b.activity.StartTime).c_str(), base::FormatTime(b.activity.Tafb()).c_str(),
                      base::FormatTime(b.activity.Credit).c_str(), base::FormatTime(b.activity.HardTime).c_str(),
                      b.reserve ? " reserve" : "", b.activity.ContainsDuty ? " duty" : "",
                      b.activity.CarsDuty ? " cars" : "", b.excludeCredit ? " excluded" : "");
        std::cout << line << output::Quote(b.caption) << "\n";
    }
    return kExitDone;
}

}  // namespace lw::cli
