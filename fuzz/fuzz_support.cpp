#include "fuzz_support.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "import/new_month.h"
#include "import/pairing_file.h"
#include "import/roster_extract.h"
#include "import/toolbox_file.h"
#include "output/document_dump.h"

#ifndef LW_FUZZ_DIR
#error "LW_FUZZ_DIR must name the fuzz folder"
#endif

namespace lw::fuzz {

namespace fs = std::filesystem;

platform::Answer ScriptedInteraction::Ask(std::string_view, std::string_view, platform::Buttons buttons,
                                          platform::Icon) {
    const size_t k = asked_++;
    const unsigned char b =
        input_.empty() ? 0 : static_cast<unsigned char>(input_[input_.size() - 1 - k % input_.size()]);
    switch (buttons) {
        case platform::Buttons::Ok: return platform::Answer::Ok;
        case platform::Buttons::OkCancel: return b % 2 ? platform::Answer::Ok : platform::Answer::Cancel;
        case platform::Buttons::YesNo: return b % 2 ? platform::Answer::Yes : platform::Answer::No;
        case platform::Buttons::YesNoCancel:
            return b % 3 == 0 ? platform::Answer::Yes : b % 3 == 1 ? platform::Answer::No : platform::Answer::Cancel;
    }
    return platform::Answer::Cancel;
}

bool ScriptedInteraction::Progress(int, std::string_view) {
    const size_t call = progressCalls_++;
    if (input_.size() < 2 || input_.back() != '!') return true;
    return call != static_cast<unsigned char>(input_[input_.size() - 2]);
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void CheckInvariants(const model::Document& doc) {
    if (doc.CrewCount < 0 || doc.CrewCount > model::kCrewRows - 1) Fail("CrewCount " + std::to_string(doc.CrewCount));
    if (doc.LastPairIndex < -1 || doc.LastPairIndex > model::kPairLoadLimit)
        Fail("LastPairIndex " + std::to_string(doc.LastPairIndex));
    if (doc.LastLoadedPairIndex < -1 || doc.LastLoadedPairIndex > model::kPairLoadLimit)
        Fail("LastLoadedPairIndex " + std::to_string(doc.LastLoadedPairIndex));
    if (doc.ActivityCount < 0 || doc.ActivityCount > model::kActivitySlots)
        Fail("ActivityCount " + std::to_string(doc.ActivityCount));
    if (doc.DayCount < 0 || doc.DayCount > model::kMonthDays) Fail("DayCount " + std::to_string(doc.DayCount));
    if (doc.Crew.size() != static_cast<size_t>(model::kCrewRows) ||
        doc.Pairings.size() != static_cast<size_t>(model::kPairSlots) ||
        doc.Activities.size() != static_cast<size_t>(model::kActivitySlots))
        Fail("a table changed its size");
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < model::kDayCells; ++d) {
            const int32_t a = p.DayAssignment[static_cast<size_t>(d)];
            if (a == model::kDayEmpty || a == model::kDayActivity) continue;
            if (a < 0 || a > doc.LastPairIndex)
                Fail("crew " + std::to_string(c) + " day " + std::to_string(d) + " holds pairing " + std::to_string(a));
        }
    }
    for (const model::TAction& a : doc.History.Actions()) {
        const bool ok = (a.Kind == 0 || a.Kind == 1) && a.Day >= 0 && a.Day < model::kDayCells && a.Crew >= 0 &&
                        a.Crew < doc.CrewCount && a.Pair >= 0 && a.Pair <= doc.LastPairIndex;
        if (!ok)
            Fail("history entry " + std::to_string(a.Kind) + "/" + std::to_string(a.Day) + "/" + std::to_string(a.Crew) +
                 "/" + std::to_string(a.Pair));
    }
    if (doc.History.Size() > model::History::kLimit) Fail("history longer than its limit");
}

const fs::path& ScratchFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "lwfuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot create a scratch folder");
        return fs::path(pattern);
    }();
    return folder;
}

fs::path WriteScratch(std::string_view name, std::string_view bytes) {
    const fs::path file = ScratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) Fail("cannot write " + file.string());
    return file;
}

void SetUpBaseMonth(model::Document& doc) {
    // Always answers Yes: the set-up itself must succeed, whatever the input.
    ScriptedInteraction ui("\x01");
    const fs::path base = fs::path(LW_FUZZ_DIR) / "base";
    const import::MonthSpan span = import::ScheduleMonthSpan(3, 2027);
    if (!import::SetUpNewMonth(doc, ui, span.first, span.last, model::kCaptains, "YYZDH8CAZ") ||
        !import::LoadToolboxFile(doc, ui, base / "MAR2027.box") ||
        !import::LoadRosterExtract(doc, ui, base / "YYZ1perp.ext") ||
        !import::LoadPairingFile(doc, ui, base / "MAR2027.PRG", "", false))
        Fail("the base month cannot be set up from " + base.string());
    doc.Modified = false;
}

std::pair<std::string_view, std::string_view> SplitInput(std::string_view input) {
    const size_t at = input.find('\x1e');
    if (at == std::string_view::npos) return {input, {}};
    return {input.substr(0, at), input.substr(at + 1)};
}

int32_t FuzzToday() { return base::Date::FromDmy(15, 2, 2027).Number(); }

std::string Snapshot(const model::Document& doc) { return output::DumpDocument(doc, output::DumpSections{}); }

}  // namespace lw::fuzz
