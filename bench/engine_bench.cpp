// The assignment engine on a full month: 999 crew members with built blocks and 3000 pairings.
// Budgets: one AssignPair with all its follow-ups within 2 ms; TrialAssign for the whole roster
// on one pairing day within 50 ms.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "quiet_interaction.h"
#include "block_builder.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "rules/gestures.h"

namespace {

using lw::model::Document;


struct Placement {
    int crew, pair, day;
};

// A month as the planner has it half way through: every member holds trips with two days off
// between them, most of the open time is still open.
struct BusyMonth {
    std::unique_ptr<Document> doc;
    std::vector<Placement> free;  // legal placements on free days, one per member
    int trialPair = -1;           // a one-day pairing open on trialDay
    int trialDay = 10;

    explicit BusyMonth(lw::model::CrewGroupKind group) {
        lw::bench::QuietInteraction ui;
        doc = lw::test::NewMonth(lw::base::Date::FromDmy(1, 4, 2026), 30, group, ui);
        Document& d = *doc;
        const bool cabin = group == lw::model::kFlightAttendants;
        std::vector<std::vector<int>> operating(30);
        for (int i = 0; i < lw::model::kPairLoadLimit; ++i) {
            const int length = 1 + i % 4;
            // Cabin positions of one trip share its number; pilots' numbers are the trip's own.
            const int number = cabin ? 1000 + i / 3 : 1000 + i % 8999;
            lw::test::PairingPlan trip = lw::test::Trip(number, length, 360 + (i % 8) * 60, 540, 300, 330);
            trip.operates.clear();
            for (int day = 0; day < 30; ++day)
                if ((day + i) % 3 == 0) trip.operates.push_back(day);
            if (cabin && (i / 3) % 5 == 0) trip.marks = "FRENCH PAIRING";
            if (group == lw::model::kCaptains && i >= 2900) trip.number = 1000 + (i - 2900);  // second-captain copies
            const int index = lw::test::AddPairing(d, trip);
            for (int day : trip.operates) operating[static_cast<size_t>(day)].push_back(index);
        }
        if (group == lw::model::kCaptains) d.LastLoadedPairIndex = 2899;

        std::vector<size_t> cursor(30, 0);
        for (int c = 0; c < lw::model::kCrewRows - 1; ++c) {
            const int row = lw::test::AddMember(d, "CREW, MEMBER " + std::to_string(c), 100000 + c);
            lw::model::TPilot& p = d.Crew[static_cast<size_t>(row)];
            p.LegalCheckIn = -1440;
            p.LanguageBits = c % 4 == 0 ? 1 : 0;
            for (int day = c % 4; day < 30;) {
                int placed = -1;
                auto& list = operating[static_cast<size_t>(day)];
                for (size_t& k = cursor[static_cast<size_t>(day)]; k < list.size(); ++k) {
                    const lw::model::TPair& q = d.Pairings[static_cast<size_t>(list[k])];
                    if (q.IsOpen(day) && day + q.PairLength <= 30) {
                        placed = list[k++];
                        break;
                    }
                }
                if (placed < 0) {
                    ++day;
                    continue;
                }
                lw::test::PutPairing(d, row, placed, day);
                day += d.Pairings[static_cast<size_t>(placed)].PairLength + 2;
            }
            if (c % 6 == 0 && p.DayAssignment[29] == lw::model::kDayEmpty)
                lw::test::PutDayActivity(d, row, 29, lw::test::TableActivity(d, "VC"));
        }
        for (int c = 0; c < d.CrewCount; ++c) lw::rules::ComputeCredit(d, c, false);
        lw::rules::ComputeReserveCutoff(d);
        lw::rules::CheckAllBlocks(d);
        if (group == lw::model::kCaptains) lw::rules::CheckTwoCaptains(d);

        // For each member a free day after a day off and before one, and a one-day pairing open on it.
        for (int c = 0; c < d.CrewCount; ++c) {
            const lw::model::TPilot& p = d.Crew[static_cast<size_t>(c)];
            for (int day = 1; day < 29; ++day) {
                if (p.DayAssignment[static_cast<size_t>(day - 1)] != -1 || p.DayAssignment[static_cast<size_t>(day)] != -1 ||
                    p.DayAssignment[static_cast<size_t>(day + 1)] != -1 || Covered(c, day - 1))
                    continue;
                const int pair = OneDayOpen(day);
                if (pair >= 0) {
                    free.push_back({c, pair, day});
                    break;
                }
            }
        }
        trialPair = OneDayOpen(trialDay);
    }

    bool Covered(int crew, int day) const {
        const lw::model::TPilot& p = doc->Crew[static_cast<size_t>(crew)];
        for (int i = 0; i < day; ++i) {
            const int32_t cell = p.DayAssignment[static_cast<size_t>(i)];
            if (cell >= 0 && i + doc->Pairings[static_cast<size_t>(cell)].PairLength > day) return true;
        }
        return false;
    }

    int OneDayOpen(int day) const {
        for (int i = 0; i <= doc->LastLoadedPairIndex; ++i) {
            const lw::model::TPair& q = doc->Pairings[static_cast<size_t>(i)];
            if (q.PairLength == 1 && q.IsOpen(day) && q.PairText.find("FRENCH PAIRING") == std::string::npos) return i;
        }
        return -1;
    }
};

BusyMonth& Month(int group) {
    static std::map<int, std::unique_ptr<BusyMonth>> months;
    auto& m = months[group];
    if (!m) m = std::make_unique<BusyMonth>(static_cast<lw::model::CrewGroupKind>(group));
    return *m;
}

// One assignment with every follow-up; the removal that puts the month back is not timed.
void BM_AssignPair(benchmark::State& state) {
    BusyMonth& m = Month(static_cast<int>(state.range(0)));
    lw::rules::Board board;
    lw::bench::QuietInteraction ui;
    size_t next = 0;
    for (auto _ : state) {
        const Placement& p = m.free[next++ % m.free.size()];
        if (lw::rules::AssignPair(*m.doc, board, ui, p.crew, p.pair, p.day, false) != lw::rules::kAssignDone) {
            state.SkipWithError("the placement was refused");
            break;
        }
        state.PauseTiming();
        lw::rules::RemovePair(*m.doc, board, p.crew, p.pair, p.day);
        state.ResumeTiming();
    }
}

// The same through the grid: a click with a pairing selected, then the crew balance.
void BM_GridClickAssign(benchmark::State& state) {
    BusyMonth& m = Month(static_cast<int>(state.range(0)));
    lw::rules::Board board;
    lw::bench::QuietInteraction ui;
    lw::rules::GridGestures grid(*m.doc, board, ui);
    size_t next = 0;
    for (auto _ : state) {
        const Placement& p = m.free[next++ % m.free.size()];
        board.Selected = {p.pair, p.day, 0};
        grid.LeftDown(p.crew, p.day, {});
        if (grid.LeftUp(p.crew, p.day, {}).effect != lw::rules::GridEffect::Assigned) {
            state.SkipWithError("the click was refused");
            break;
        }
        state.PauseTiming();
        lw::rules::RemovePair(*m.doc, board, p.crew, p.pair, p.day);
        state.ResumeTiming();
    }
}

void BM_RemovePair(benchmark::State& state) {
    BusyMonth& m = Month(static_cast<int>(state.range(0)));
    lw::rules::Board board;
    lw::bench::QuietInteraction ui;
    size_t next = 0;
    for (auto _ : state) {
        const Placement& p = m.free[next++ % m.free.size()];
        state.PauseTiming();
        lw::rules::AssignPair(*m.doc, board, ui, p.crew, p.pair, p.day, false);
        state.ResumeTiming();
        if (lw::rules::RemovePair(*m.doc, board, p.crew, p.pair, p.day) != lw::rules::kAssignDone) {
            state.SkipWithError("the removal was refused");
            break;
        }
    }
}

// The who's-legal list: every member tried on one pairing day.
void BM_TrialAssignWholeRoster(benchmark::State& state) {
    BusyMonth& m = Month(static_cast<int>(state.range(0)));
    int legal = 0;
    for (auto _ : state) {
        legal = 0;
        for (int c = 0; c < m.doc->CrewCount; ++c)
            if (lw::rules::TrialAssign(*m.doc, c, m.trialPair, m.trialDay) != lw::rules::kTrialRefused) ++legal;
    }
    state.counters["legal"] = legal;
}

BENCHMARK(BM_AssignPair)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridClickAssign)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RemovePair)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrialAssignWholeRoster)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
