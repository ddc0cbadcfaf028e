// Save and load of a full month against writing and reading the same bytes raw, in one run.
// Budget: each within 3 times its raw figure; bench_main prints the ratios.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "full_document.h"
#include "platform/atomic_file.h"
#include "persist/schedule_file.h"
#include "quiet_interaction.h"

namespace {

using lw::model::Document;

// 999 crew (the last of the 1000 rows is the legality trial's scratch copy) and 3000 pairings.
struct FullMonth {
    FullMonth() : doc(std::make_unique<Document>(2461000)) {
        lw::test::FillFullDocument(*doc, lw::model::kCrewRows - 1, lw::model::kPairLoadLimit);
        folder = std::filesystem::temp_directory_path() / "lwbench";
        std::filesystem::create_directories(folder);
        file = folder / "full.lw2";
        raw = folder / "raw.bin";
        bytes = lw::persist::EncodeSchedule(*doc, 0);
        lw::platform::WriteFileAtomically(file, bytes);
        lw::platform::WriteFileAtomically(raw, bytes);
    }
    std::unique_ptr<Document> doc;
    std::filesystem::path folder, file, raw;
    std::string bytes;
};

FullMonth& Month() {
    static FullMonth month;
    return month;
}

// Raw baseline: the same bytes written with the same durability (flush to disk, rename).
void BM_RawWrite(benchmark::State& state) {
    FullMonth& m = Month();
    for (auto _ : state) {
        if (lw::platform::WriteFileAtomically(m.raw, m.bytes) != lw::platform::WriteResult::Ok) state.SkipWithError("write");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

void BM_SaveSchedule(benchmark::State& state) {
    FullMonth& m = Month();
    lw::bench::QuietInteraction ui;
    for (auto _ : state) {
        if (!lw::persist::SaveSchedule(*m.doc, ui, m.file, 0)) state.SkipWithError("save");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

void BM_RawRead(benchmark::State& state) {
    FullMonth& m = Month();
    for (auto _ : state) {
        // A fresh buffer each time, as opening a month reads into one.
        std::string in;
        if (!lw::platform::ReadWholeFile(m.raw, in)) state.SkipWithError("read");
        benchmark::DoNotOptimize(in.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

void BM_LoadSchedule(benchmark::State& state) {
    FullMonth& m = Month();
    lw::bench::QuietInteraction ui;
    auto doc = std::make_unique<Document>(2461000);
    for (auto _ : state) {
        if (!lw::persist::LoadSchedule(*doc, ui, m.file)) state.SkipWithError("load");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveSchedule)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadSchedule)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
