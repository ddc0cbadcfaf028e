// The block grid of a full month (999 crew, 3000 pairings, every day cell filled) painted into
// a 1920 x 1080 image. Budgets: one full screen within 8 ms; scrolling one page and painting
// the new screen within 8 ms. The first screen after a font change, when every text is drawn
// anew, is measured beside them.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <memory>

#include "full_document.h"
#include "quiet_interaction.h"
#include "platform/profile.h"
#include "ui/block_font.h"
#include "ui/block_grid_view.h"
#include "ui/workspace.h"

namespace {

struct FullScreen {
    lw::bench::QuietInteraction ui;
    lw::platform::Profile profile{"/nonexistent/lwright-bench.ini"};
    lw::ui::Workspace ws{ui, profile};
    std::unique_ptr<lw::ui::BlockGridView> view;
    QImage image{1920, 1080, QImage::Format_RGB32};

    FullScreen() {
        auto doc = std::make_unique<lw::model::Document>();
        lw::test::FillFullDocument(*doc, lw::model::kCrewRows - 1, lw::model::kPairLoadLimit);
        for (int c = 0; c < doc->CrewCount; ++c) {
            doc->Crew[static_cast<size_t>(c)].DayIllegal[static_cast<size_t>(c % 30)] = 1;
            doc->Crew[static_cast<size_t>(c)].DayWarning[static_cast<size_t>((c + 7) % 30)] = 1;
        }
        ws.prefs().Grid = true;
        ws.Replace(std::move(doc));
        view = std::make_unique<lw::ui::BlockGridView>(ws);
        view->setFrameShape(QFrame::NoFrame);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->resize(1920, 1080);
        view->show();
        QApplication::processEvents();
        view->verticalScrollBar()->setValue(400);
    }

    void Paint() {
        QPainter painter(&image);
        view->PaintGrid(painter, image.rect());
    }
};

// Made on first use and taken down in main, while the application still exists.
std::unique_ptr<FullScreen> screen;

FullScreen& Screen() {
    if (!screen) screen = std::make_unique<FullScreen>();
    return *screen;
}

void BM_PaintFullScreen(benchmark::State& state) {
    FullScreen& s = Screen();
    for (auto _ : state) {
        s.Paint();
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
BENCHMARK(BM_PaintFullScreen)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state) {
    FullScreen& s = Screen();
    QScrollBar* bar = s.view->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        s.Paint();
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

// The first screen after the font changes (or the program starts): every text drawn anew.
void BM_PaintFirstScreen(benchmark::State& state) {
    FullScreen& s = Screen();
    for (auto _ : state) {
        state.PauseTiming();
        s.view->SetBlockFont(lw::ui::BlockFont(s.ws.prefs(), false));
        state.ResumeTiming();
        s.Paint();
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
BENCHMARK(BM_PaintFirstScreen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen.reset();
    return 0;
}
