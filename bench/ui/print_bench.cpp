// The block printout and the visual pairings of a full month (999 crew, 3000 pairings, every
// day cell filled) laid out and written as PDF. Budget: the 999-crew block printout within 10 s.
#include <QDir>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "full_document.h"
#include "print/printout_painter.h"

namespace {

const lw::model::Document& FullMonth() {
    static const std::unique_ptr<lw::model::Document> doc = [] {
        auto d = std::make_unique<lw::model::Document>();
        lw::test::FillFullDocument(*d, lw::model::kCrewRows - 1, lw::model::kPairLoadLimit);
        d->BlocksBuilt = 1;
        return d;
    }();
    return *doc;
}

void BM_PrintBlocksPdf(benchmark::State& state) {
    const lw::model::Document& doc = FullMonth();
    std::vector<int> rows;
    for (int c = 0; c < doc.CrewCount; ++c) rows.push_back(c);
    const QString file = QDir::temp().filePath("lwbench-blocks.pdf");
    for (auto _ : state)
        if (!lw::print::WritePdf(doc, lw::print::Printout::Blocks, rows, false, true, file, QPageSize::A4))
            return state.SkipWithError("the PDF could not be written");
    state.counters["crew"] = static_cast<double>(rows.size());
    state.counters["pdf_kb"] = static_cast<double>(std::filesystem::file_size(file.toStdString())) / 1024.0;
}
BENCHMARK(BM_PrintBlocksPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintPairingsPdf(benchmark::State& state) {
    const lw::model::Document& doc = FullMonth();
    const QString file = QDir::temp().filePath("lwbench-pairings.pdf");
    for (auto _ : state)
        if (!lw::print::WritePdf(doc, lw::print::Printout::Pairings, {}, false, false, file, QPageSize::A4))
            return state.SkipWithError("the PDF could not be written");
}
BENCHMARK(BM_PrintPairingsPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
