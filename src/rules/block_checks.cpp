// CheckBlock runs the crew group's checks in order; the two-captain check looks across blocks.
#include "rules/block_checks.h"

#include <algorithm>
#include <vector>

#include "rules/check_support.h"
#include "rules/duty_rules.h"

namespace lw::rules {

namespace {

using namespace blockcheck;

void RunPilotChecks(Document& doc, int crew, TPilot& p) {
    const HardTimeTable hard = BuildHardTimeTable(doc, p);
    CheckPilotRest(doc, p);
    CheckFatigue(doc, p);
    CheckHardTimeIn28(doc, p, hard);
    CheckLongDuties(doc, p);
    CheckDutyRules(doc, crew);
    CheckDutyIn28(doc, p);
    CheckPilotConsecutiveDays(doc, p);
    CheckReserveMix(doc, p);
    if (p.Qualification == 3) CheckCheckPilotCredit(doc, p);
    if (p.NoTz != 0) CheckPairTextDays(doc, p, "YTZ", " Not Qualified for YTZ on");
    if (p.NoYcg != 0) CheckPairTextDays(doc, p, "YCG", " Not Qualified for YCG on");
    if (p.LanguageBits == 1 || p.LanguageBits == 3) CheckPairTextDays(doc, p, "USA SEGMENT", " USA Pairing on ");
}

void RunCabinChecks(Document& doc, int crew, TPilot& p, const CabinIndex* cabin) {
    CheckCabinRest(doc, p);
    CheckCabinDaysOnOff(doc, p);
    CheckFrenchCabin(doc, crew, cabin);
    if (p.Qualification == 2) CheckFamPairings(doc, p);
    CheckReducedBlockReserve(doc, p);
}

void Check(Document& doc, int crew, const CabinIndex* cabin) {
    if (crew < 0 || crew >= static_cast<int>(doc.Crew.size())) return;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (p.EmployeeNumber == -1) return;
    p.DayIllegal.fill(0);
    p.DayWarning.fill(0);
    p.IllegalText.clear();
    p.TwoCaptainClash = false;
    p.IllegalRunFromLastMonth = false;
    p.ClearWarnings();
    p.RuleLog.clear();
    if (doc.IsFlightAttendants())
        RunCabinChecks(doc, crew, p, cabin);
    else
        RunPilotChecks(doc, crew, p);
    p.RulesChecked = 1;
}

}  // namespace

void CheckBlock(model::Document& doc, int crew) { Check(doc, crew, nullptr); }

void CheckAllBlocks(model::Document& doc) {
    if (!doc.IsFlightAttendants()) {
        for (int c = 0; c < doc.CrewCount; ++c) Check(doc, c, nullptr);
        return;
    }
    // The checks change no block, so who holds what is found once for the whole crew.
    const CabinIndex cabin(doc);
    for (int c = 0; c < doc.CrewCount; ++c) Check(doc, c, &cabin);
}

void CheckTwoCaptains(model::Document& doc) {
    const int days = std::min(doc.DayCount, model::kMonthDays);
    const int32_t lastLoaded = doc.LastLoadedPairIndex;
    auto isCopy = [&](int32_t index) { return index > lastLoaded && static_cast<size_t>(index) < doc.Pairings.size(); };
    // Who holds each first-captain pairing number on each day, found once for the whole crew.
    std::vector<std::vector<std::pair<int32_t, int>>> firstCaptains;
    auto findFirstCaptain = [&](int d, int32_t number) -> const TPilot* {
        if (firstCaptains.empty()) {
            firstCaptains.resize(static_cast<size_t>(days));
            for (int c = 0; c < doc.CrewCount; ++c) {
                const TPilot& m = doc.Crew[static_cast<size_t>(c)];
                for (int x = 0; x < days; ++x) {
                    const int32_t index = m.DayAssignment[static_cast<size_t>(x)];
                    if (index >= 0 && index <= lastLoaded && static_cast<size_t>(index) < doc.Pairings.size())
                        firstCaptains[static_cast<size_t>(x)].emplace_back(doc.Pairings[static_cast<size_t>(index)].PairNumber, c);
                }
            }
        }
        for (const auto& [pairNumber, row] : firstCaptains[static_cast<size_t>(d)])
            if (pairNumber == number) return &doc.Crew[static_cast<size_t>(row)];
        return nullptr;
    };

    for (int c = 0; c < doc.CrewCount; ++c) {
        TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.EmployeeNumber == -1) continue;
        if (p.TwoCaptainClash)
            CheckBlock(doc, c);
        if (p.LanguageBits == 0) continue;
        const char* finding = nullptr;
        for (int d = 0; d < days; ++d) {
            const int32_t index = p.DayAssignment[static_cast<size_t>(d)];
            if (!isCopy(index)) continue;
            const TPilot* other = findFirstCaptain(d, doc.Pairings[static_cast<size_t>(index)].PairNumber);
            if (!other || other->LanguageBits <= 0) continue;
            if ((p.LanguageBits & 1) && (other->LanguageBits & 1)) finding = " Both 60 on 2 Capt Pair ";
            if ((p.LanguageBits & 2) && (other->LanguageBits & 2)) finding = " Both MED on 2 Capt Pair ";
        }
        if (finding) {
            p.IllegalText += finding;
            p.TwoCaptainClash = true;
        }
    }
}

}  // namespace lw::rules
