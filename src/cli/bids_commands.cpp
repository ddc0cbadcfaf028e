// lwtool filter and bids: the filters window's buttons and the bids window's pages and buttons,
// one gesture per call. Picks and text matches live only in memory, so each call first replays
// the picks (--pick) and the text (--text) it is given. ROW is the 1-based crew row.
#include "cli/bids_commands.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "bids/bids.h"
#include "bids/filters.h"
#include "platform/profile.h"

namespace lw::cli {

namespace {

int CrewRow(const model::Document& doc, const Args& args, bool required) {
    if (!args.Has("--crew")) {
        if (required) throw UsageError("--crew is required");
        return -1;
    }
    const int row = *args.Int("--crew");
    if (row < 1 || row > doc.CrewCount) throw UsageError("no crew member in row " + std::to_string(row));
    return row - 1;
}

std::vector<int> Numbers(const Args& args) {
    std::vector<int> out;
    for (const std::string& list : args.Values("--pick")) {
        std::stringstream in(list);
        std::string item;
        while (std::getline(in, item, ',')) {
            try {
                out.push_back(std::stoi(item));
            } catch (const std::exception&) {
                throw UsageError("--pick takes pairing numbers, not " + item);
            }
        }
    }
    return out;
}

std::string IsoDate(const base::CalendarDate& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buf;
}

void PrintState(const model::Document& doc, const bids::FilterWindow& w) {
    std::cout << "filters: " << (doc.FiltersOn ? "on" : "off") << "\n";
    std::cout << "caption: " << w.caption << "\n";
    std::cout << "pairings caption: " << w.pairsCaption << "\n";
    std::cout << "edit: " << w.editText << "\n";
    for (int i = 0; i <= doc.LastPairIndex; ++i) {
        const model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
        if (p.PairMark == bids::kMarkNone) continue;
        std::cout << p.Designation() << (p.PairMark == bids::kMarkPicked ? " picked" : " matched") << "\n";
    }
}

constexpr const char* kFilterUsage =
    "usage: lwtool filter apply|remove|invert|toggle|save|recall|on|off|render FILE [--pick N,N..] [--text T] "
    "[--crew ROW] [--number N] [--employee N] [-o OUT]\n       lwtool filter wizard [--left KEY]... [--right KEY]...";

int Wizard(Context& ctx, const Args& args) {
    const auto left = args.Values("--left");
    const auto right = args.Values("--right");
    if (left.size() > 4 || right.size() > 4 || args.Positionals().size() != 1)
        throw UsageError("usage: lwtool filter wizard [--left KEY]... [--right KEY]...   (four of each at most)");
    std::array<std::string, 8> edits;
    for (size_t i = 0; i < left.size(); ++i) edits[i] = left[i];
    for (size_t i = 0; i < right.size(); ++i) edits[4 + i] = right[i];
    const auto text = bids::WizardText(edits, ctx.ui);
    if (!text) return kExitFailed;
    std::cout << *text << "\n";
    return kExitDone;
}

}  // namespace

int CommandFilter(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--pick", "--text", "--crew", "--number", "--employee", "--left", "--right", "-o"},
                    {"--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.empty()) throw UsageError(kFilterUsage);
    const std::string action = pos[0];
    if (action == "wizard") return Wizard(ctx, args);
    if (pos.size() != 2) throw UsageError(kFilterUsage);
    auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    bids::FilterWindow w(*doc, ctx.ui);
    w.selectedCrew = CrewRow(*doc, args, false);

    if (action == "render") {
        std::cout << bids::RenderSavedFilter(doc->Crew[static_cast<size_t>(CrewRow(*doc, args, true))].SavedFilters);
        return kExitDone;
    }
    if (action == "on" || action == "off") {
        std::string caption;
        if (action == "off") {
            bids::EmployeeFilterOff(*doc, caption);
        } else {
            if (!args.Int("--employee")) throw UsageError("--employee is required");
            if (!bids::EmployeeFilterOn(*doc, ctx.ui, *args.Int("--employee"), caption)) return kExitFailed;
        }
        w.pairsCaption = caption;
        PrintState(*doc, w);
        return kExitDone;
    }

    for (int n : Numbers(args))
        if (!w.ClickCell(n)) throw UsageError("no pairing has the number " + std::to_string(n));
    const std::string text = args.Value("--text").value_or("");
    const bool replayText = action != "apply" && action != "save" && args.Has("--text");
    if (replayText) {
        w.editText = text;
        w.ApplyFilters();
    }
    bool save = false;
    if (action == "apply") {
        w.editText = text;
        w.ApplyFilters();
        save = doc->FiltersOn;  // the recent texts travel with the schedule; a No changes nothing
    } else if (action == "remove") {
        w.RemoveFilters();
    } else if (action == "invert") {
        w.Invert();
    } else if (action == "toggle") {
        if (!args.Int("--number")) throw UsageError("--number is required");
        if (!w.ClickCell(*args.Int("--number"))) throw UsageError("no pairing has that number");
    } else if (action == "save") {
        w.editText = text;
        if (!w.SaveToMember()) return kExitFailed;
        save = true;
    } else if (action == "recall") {
        if (!w.RecallFromMember() && w.selectedCrew < 0) return kExitFailed;
    } else {
        throw UsageError(kFilterUsage);
    }
    PrintState(*doc, w);
    if (save) return SaveScheduleTo(ctx, *doc, args, pos[1]) ? kExitDone : kExitFailed;
    return kExitDone;
}

int CommandBids(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--text", "-o"}, {"--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.size() != 2)
        throw UsageError(
            "usage: lwtool bids show|guess|edit|set-filters|set-days-off|mail-to FILE --crew ROW [--text BID] [-o OUT]");
    const std::string& action = pos[0];
    auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    const int crew = CrewRow(*doc, args, true);
    model::TPilot& member = doc->Crew[static_cast<size_t>(crew)];
    if (action == "show") {
        std::cout << member.BidText << "\n" << bids::RenderSavedFilter(member.SavedFilters);
        return kExitDone;
    }
    if (action == "mail-to") {
        const std::string address =
            bids::PilotMailAddress(member, platform::Profile(platform::Profile::DefaultPath()));
        if (address.empty()) {
            std::cerr << "lwtool bids: no mail address for " << member.Name
                      << " (none in the bid, none under PilotMailAddress)\n";
            return kExitFailed;
        }
        std::cout << address << "\n";
        return kExitDone;
    }
    if (action == "edit") {
        if (!bids::StoreBid(*doc, ctx.ui, crew, args.Required("--text"))) return kExitFailed;
        return SaveScheduleTo(ctx, *doc, args, pos[1]) ? kExitDone : kExitFailed;
    }
    const bids::GuessedBid bid = bids::GuessBid(*doc, member.BidText);
    if (action == "guess") {
        std::cout << bids::GuessText(bid);
        return kExitDone;
    }
    if (action == "set-filters") {
        std::string caption;
        bids::SetFiltersFromBid(*doc, ctx.ui, crew, bid, caption);
        std::cout << bids::RenderSavedFilter(member.SavedFilters);
    } else if (action == "set-days-off") {
        bids::SetDayOffRequests(*doc, ctx.ui, crew, bid);
        for (int d = 0; d < doc->DayCount; ++d)
            if (member.DayFlagA[static_cast<size_t>(d)] >= bids::kFirstRequestGroup)
                std::cout << IsoDate(doc->DayDate[static_cast<size_t>(d)]) << " group "
                          << int{member.DayFlagA[static_cast<size_t>(d)]} << "\n";
    } else {
        throw UsageError("unknown bids action " + action);
    }
    return SaveScheduleTo(ctx, *doc, args, pos[1]) ? kExitDone : kExitFailed;
}

}  // namespace lw::cli
