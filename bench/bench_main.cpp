// Runs every benchmark, then prints each budgeted ratio against its raw baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Work measured against a raw baseline in the same run, and the most it may take.
struct Budget {
    const char* work;
    const char* baseline;
    double limit;
};

const Budget kBudgets[] = {
    {"BM_SaveSchedule", "BM_RawWrite", 3.0},
    {"BM_LoadSchedule", "BM_RawRead", 3.0},
    {"BM_LoadPairingFile", "BM_ReadPairingFileLines", 3.0},
};

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) times[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    int over = 0;
    for (const Budget& b : kBudgets) {
        const auto work = reporter.times.find(b.work);
        const auto base = reporter.times.find(b.baseline);
        if (work == reporter.times.end() || base == reporter.times.end() || base->second <= 0) continue;
        const double ratio = work->second / base->second;
        std::printf("%-20s / %-14s ratio %5.2f (budget %.1f) %s\n", b.work, b.baseline, ratio, b.limit,
                    ratio <= b.limit ? "ok" : "OVER BUDGET");
        if (ratio > b.limit) ++over;
    }
    benchmark::Shutdown();
    return over == 0 ? 0 : 1;
}
