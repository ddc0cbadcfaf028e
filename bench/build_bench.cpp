// Build Blocks and the who's-legal lists on a full month: 999 crew members holding trips and
// 3000 pairings. Budgets: who's legal for one pairing day within 50 ms; Build Blocks within
// 200 ms; the pairings window's layout is timed alongside.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "block_builder.h"
#include "platform/profile.h"
#include "quiet_interaction.h"
#include "rules/build_blocks.h"
#include "rules/pairings_layout.h"
#include "rules/whos_legal.h"

namespace {

using lw::model::Document;

constexpr int kWhosLegalDay = 12;

// 3000 trips of one to four days, each flying every fourth day; every member flies the next
// open trip every five days from a start day of their own, and bids a handful of numbers.
struct FullMonth {
    std::unique_ptr<Document> doc;
    int oneDayTrip = -1;  // a one-day trip still open on kWhosLegalDay

    FullMonth() {
        lw::bench::QuietInteraction ui;
        doc = lw::test::NewMonth(lw::base::Date::FromDmy(1, 4, 2026), 30, lw::model::kCaptains, ui);
        Document& d = *doc;
        for (int i = 0; i < lw::model::kPairLoadLimit; ++i) {
            lw::test::PairingPlan trip =
                lw::test::Trip(1000 + i, 1 + i % 4, 300 + (i * 41) % 600, 480 + (i * 7) % 180, 300, 300 + i % 120);
            trip.operates.clear();
            for (int day = i % 4; day < 30; day += 4) trip.operates.push_back(day);
            lw::test::AddPairing(d, trip);
        }
        int next = 0;
        for (int c = 0; c < lw::model::kCrewRows - 1; ++c) {
            const int row = lw::test::AddMember(d, "MEMBER " + std::to_string(c), 200000 + c);
            lw::model::TPilot& p = d.Crew[static_cast<size_t>(row)];
            p.LegalCheckIn = -1440;
            p.SavedFilters = std::to_string(1000 + (c * 7) % 3000) + std::to_string(1000 + (c * 13) % 3000) + "TEXT";
            for (int day = c % 5; day < 26; day += 5) {
                for (int tries = 0; tries < 40; ++tries, next = (next + 1) % lw::model::kPairLoadLimit) {
                    const lw::model::TPair& q = d.Pairings[static_cast<size_t>(next)];
                    if (q.IsOpen(day) && q.PairLength <= 3) {
                        lw::test::PutPairing(d, row, next, day);
                        break;
                    }
                }
            }
        }
        for (int i = 0; i <= d.LastPairIndex && oneDayTrip < 0; ++i) {
            const lw::model::TPair& q = d.Pairings[static_cast<size_t>(i)];
            if (q.PairLength == 1 && q.IsOpen(kWhosLegalDay)) oneDayTrip = i;
        }
    }
};

FullMonth& Month() {
    static FullMonth month;
    return month;
}

void BM_WhosLegalOnePairingDay(benchmark::State& state) {
    FullMonth& m = Month();
    size_t lines = 0;
    for (auto _ : state) {
        const lw::rules::WhosLegalLists lists = lw::rules::WhosLegal(*m.doc, m.oneDayTrip, kWhosLegalDay);
        lines = lists.legal.size() + lists.bidders.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["legal+bidders"] = static_cast<double>(lines);
}

void BM_BuildBlocks(benchmark::State& state) {
    FullMonth& m = Month();
    lw::bench::QuietInteraction ui;
    const lw::platform::Profile profile(std::filesystem::temp_directory_path() / "lwbench-no-such.ini");
    lw::rules::Board board;
    for (auto _ : state) {
        state.PauseTiming();
        m.doc->BlocksBuilt = 0;
        state.ResumeTiming();
        const lw::rules::BuildOutcome out = lw::rules::BuildBlocks(*m.doc, board, ui, profile, {});
        if (!out.built) {
            state.SkipWithError("the build stopped");
            break;
        }
    }
}

void BM_LayoutPairings(benchmark::State& state) {
    FullMonth& m = Month();
    lw::rules::PairingsLayout layout;
    for (auto _ : state) {
        lw::rules::LayoutPairings(*m.doc, layout);
        benchmark::DoNotOptimize(layout.rowCount);
    }
    state.counters["rows"] = layout.rowCount;
}

BENCHMARK(BM_WhosLegalOnePairingDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildBlocks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutPairings)->Unit(benchmark::kMillisecond);

}  // namespace
