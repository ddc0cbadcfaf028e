// Every block check of a full month: 999 crew members with complete blocks.
// Budget: CheckAllBlocks within 20 ms for each month below.
#include <benchmark/benchmark.h>

#include <memory>

#include "quiet_interaction.h"
#include "block_builder.h"
#include "full_document.h"
#include "platform/interaction.h"
#include "rules/block_checks.h"

namespace {

using lw::model::Document;
using namespace lw::test;


constexpr int kCrew = lw::model::kCrewRows - 1;  // row 999 is the legality trial's scratch copy
constexpr int kTripsPerLength = 50;

// Trips of one to four days with varied reports, each operating every day of the month; the
// members of a start-day group take different trips, so no instance is held twice.
struct TripTable {
    std::array<std::vector<int>, 5> byLength;
};

TripTable AddTrips(Document& doc, bool cabin, int positions = 1, bool allFrench = false, int perLength = kTripsPerLength) {
    TripTable table;
    for (int length = 1; length <= 4; ++length) {
        for (int i = 0; i < perLength * positions; ++i) {
            PairingPlan plan;
            plan.number = 8000 + length * 100 + i / positions;  // the cabin positions of one trip share it
            plan.type = cabin ? "FA" : "CA";
            const int32_t report = 360 + (i * 37) % 540;  // 06:00 to 14:59
            for (int k = 0; k < length; ++k) {
                const int32_t start = k == 0 ? report : 420 + (i * 13 + k * 29) % 300;
                plan.days.push_back({start, 480 + (i * 11 + k * 17) % 200, 240 + (i * 7) % 120, 300 + (i * 5) % 90});
            }
            if (allFrench || i % 9 == 0) plan.marks = cabin ? "FRENCH PAIRING" : "USA SEGMENTS";
            if (i % 13 == 0) plan.route = "YTZ YOW YTZ";
            table.byLength[static_cast<size_t>(length)].push_back(AddPairing(doc, plan));
        }
    }
    return table;
}

// One block per member, as a planner would build it: line holders flying trips with days off
// between, reserves on RA/RB runs, a vacation week, dense blocks close to the 60/7 limits, and
// last month's final trip for everyone.
void FillBlocks(Document& doc, const TripTable& trips, int positions = 1, int perLength = kTripsPerLength) {
    const ActivityPlan ra = TableActivity(doc, "RA");
    const ActivityPlan rb = TableActivity(doc, "RB");
    const ActivityPlan vac = TableActivity(doc, "VC");
    for (int c = 0; c < kCrew; ++c) {
        const int row = AddMember(doc, "CREW " + std::to_string(c), 100000 + c);
        lw::model::TPilot& p = doc.Crew[static_cast<size_t>(row)];
        p.LanguageBits = c % (positions > 1 ? 3 : 11) == 0 ? 1 : 0;
        p.NoTz = c % 17 == 0 ? 1 : 0;
        p.Qualification = c % 23 == 0 ? 3 : 0;
        const int group = c % 7;  // start-day group
        const int slot = (c / 7) % (perLength * positions);
        PutOutsideDay(doc, row, 26, {.pairStart = 480, .pairLength = 2 * 1440 + 600, .dutyStart = 480, .dutyLength = 600, .hard = 300});
        PutOutsideDay(doc, row, 27, {.dutyStart = 420, .dutyLength = 620, .hard = 300});
        PutOutsideDay(doc, row, 28, {.dutyStart = 480, .dutyLength = 600, .hard = 300});
        p.LegalCheckIn = -2 * 1440 + 1080 + 660;
        const int kind = c % 10;
        int d = group;
        if (kind <= 5 || kind == 8) {
            for (int n = 0; d < doc.DayCount; ++n) {
                if (kind == 8 && d >= 10 && d < 17) {
                    PutDayActivity(doc, row, d, vac);
                    ++d;
                    continue;
                }
                const int length = 2 + (n + c) % 3;
                PutPairing(doc, row, trips.byLength[static_cast<size_t>(length)][static_cast<size_t>(slot)], d);
                d += length + 2 + n % 2;
            }
        } else if (kind <= 7) {
            for (int n = 0; d < doc.DayCount; ++n) {
                for (int k = 0; k < 4 && d < doc.DayCount; ++k, ++d) PutDayActivity(doc, row, d, (n + k) % 3 ? rb : ra);
                d += 2;
            }
        } else {
            for (int n = 0; d < doc.DayCount; ++n) {
                PutPairing(doc, row, trips.byLength[4][static_cast<size_t>(slot)], d);
                if (d + 4 < doc.DayCount) PutPairing(doc, row, trips.byLength[1][static_cast<size_t>(slot)], d + 4);
                d += 7;
            }
        }
    }
}

struct Month {
    // positions > 1: a Montreal cabin month, every trip French with that many cabin positions.
    explicit Month(lw::model::CrewGroupKind group, int positions = 1) {
        lw::bench::QuietInteraction ui;
        doc = NewMonth(lw::base::Date::FromDmy(1, 4, 2026), 30, group, ui);
        const bool cabin = group == lw::model::kFlightAttendants;
        // A French month fills the table: 250 trips of each length, each position a slot.
        const int perLength = positions > 1 ? lw::model::kPairLoadLimit / (4 * positions) : kTripsPerLength;
        FillBlocks(*doc, AddTrips(*doc, cabin, positions, positions > 1, perLength), positions, perLength);
    }
    std::unique_ptr<Document> doc;
};

void BM_CheckAllBlocksPilots(benchmark::State& state) {
    static Month month(lw::model::kFirstOfficers);
    for (auto _ : state) lw::rules::CheckAllBlocks(*month.doc);
}

void BM_CheckAllBlocksCabin(benchmark::State& state) {
    static Month month(lw::model::kFlightAttendants);
    for (auto _ : state) lw::rules::CheckAllBlocks(*month.doc);
}

void BM_CheckAllBlocksCabinFrench(benchmark::State& state) {
    static Month month(lw::model::kFlightAttendants, 3);
    for (auto _ : state) lw::rules::CheckAllBlocks(*month.doc);
}

// Every day cell filled, 3000 pairings: the heaviest file the tables can hold.
void BM_CheckAllBlocksFullDocument(benchmark::State& state) {
    static std::unique_ptr<Document> doc = [] {
        auto d = std::make_unique<Document>(2461000);
        FillFullDocument(*d, kCrew, lw::model::kPairLoadLimit);
        return d;
    }();
    for (auto _ : state) lw::rules::CheckAllBlocks(*doc);
}

BENCHMARK(BM_CheckAllBlocksPilots)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CheckAllBlocksCabin)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CheckAllBlocksCabinFrench)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CheckAllBlocksFullDocument)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
