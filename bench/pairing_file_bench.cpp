// Loading a whole airline's pairing file against reading the same file line by line.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "import/pairing_file.h"
#include "model/document.h"
#include "quiet_interaction.h"

#ifdef LWGEN_PATH
namespace {

namespace fs = std::filesystem;

// The generator's large month: one group keeps about 3000 pairings of the whole airline.
const fs::path& LargePairingFile() {
    static const fs::path file = [] {
        const fs::path dir = fs::temp_directory_path() / "lwbench-large";
        const fs::path prg = dir / "APR2027.PRG";
        if (!fs::exists(prg)) {
            const std::string cmd = std::string(LWGEN_PATH) + " --seed 1 --large --month 2027-04 --base YYZ --eqp DH8" +
                                    " --status capt --out " + dir.string() + " >/dev/null";
            if (std::system(cmd.c_str()) != 0) return fs::path();
        }
        return prg;
    }();
    return file;
}

void BM_ReadPairingFileLines(benchmark::State& state) {
    const fs::path& file = LargePairingFile();
    if (file.empty()) return state.SkipWithError("the generator did not run");
    size_t bytes = 0;
    for (auto _ : state) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) bytes += line.size() + 1;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_LoadPairingFile(benchmark::State& state) {
    const fs::path& file = LargePairingFile();
    if (file.empty()) return state.SkipWithError("the generator did not run");
    lw::bench::QuietInteraction ui;
    auto doc = std::make_unique<lw::model::Document>(2461000);
    doc->SetMonthDates(lw::base::Date::FromDmy(1, 4, 2027), lw::base::Date::FromDmy(30, 4, 2027), ui);
    doc->GroupCode = "YYZDH8CAZ";
    const auto size = static_cast<int64_t>(fs::file_size(file));
    for (auto _ : state) {
        if (!lw::import::LoadPairingFile(*doc, ui, file, "", false)) state.SkipWithError("load failed");
    }
    state.counters["pairings"] = doc->LastPairIndex + 1;
    state.SetBytesProcessed(size * static_cast<int64_t>(state.iterations()));
}

BENCHMARK(BM_ReadPairingFileLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadPairingFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
#endif
