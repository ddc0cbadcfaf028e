#pragma once
// Runs a writer once for every way each of its file operations can go wrong: operation 1, 2, ...
// refused, and every write also cut short and hit by a full disk, until the writer gets through
// with no fault left to inject. After each run the folders must hold exactly the files they held
// before (no temporary file left); the writer's own checks say what the planner must see.
//
//   FaultLoop loop;
//   loop.folders = {dir.Path()};
//   loop.reset = [&] { ...put the files and the document back... };
//   loop.attempt = [&](platform::FileOps& ops) { return Save(..., ops); };
//   loop.failed = [&](const FaultPoint& p) { ...the message, the old bytes, Modified... };
//   loop.succeeded = [&](const FaultPoint*) { ...the new bytes... };
//   EXPECT_EQ(loop.Run().points, 9);
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "persist/failing_file_ops.h"

namespace lw::test {

struct FaultPoint {
    int n = 0;  // the operation that went wrong, counting from 1
    platform::FileOp op = platform::FileOp::Create;
    FaultWay way = FaultWay::Fail;

    // Faults a sound writer rides out: a short write is only a reason to write the rest, and
    // once the new file is renamed into place it is whole even if the folder flush fails.
    bool Survivable() const { return way == FaultWay::ShortWrite || op == platform::FileOp::SyncFolder; }
    std::string Describe() const {
        return "operation " + std::to_string(n) + " (" + std::string(platform::FileOpName(op)) + ") " +
               FaultWayName(way);
    }
};

struct FaultLoopResult {
    int points = 0;                       // faults injected
    std::vector<platform::FileOp> clean;   // the operations of a run without faults
};

struct FaultLoop {
    std::vector<std::filesystem::path> folders;
    std::function<void()> reset;
    std::function<bool(platform::FileOps&)> attempt;
    std::function<void(const FaultPoint&)> failed;
    std::function<void(const FaultPoint*)> succeeded;  // null: the run without a fault

    FaultLoopResult Run() const {
        FaultLoopResult result;
        for (int n = 1; n < 10000; ++n) {
            std::optional<platform::FileOp> opAtN;
            for (FaultWay way : {FaultWay::Fail, FaultWay::ShortWrite, FaultWay::DiskFull}) {
                if (way != FaultWay::Fail && opAtN != platform::FileOp::Write) break;
                FailingFileOps ops(n, way);
                reset();
                const std::vector<std::string> before = Listing();
                const bool done = attempt(ops);
                if (!ops.firedOn) {
                    // Operation n was never reached: this was a clean run, the end of the loop.
                    EXPECT_TRUE(done) << "the writer failed without a fault";
                    if (succeeded) succeeded(nullptr);
                    result.clean = ops.done;
                    return result;
                }
                opAtN = ops.firedOn;
                ++result.points;
                const FaultPoint point{n, *ops.firedOn, way};
                SCOPED_TRACE(point.Describe());
                if (point.Survivable()) {
                    EXPECT_TRUE(done) << "the writer gave up on a fault it should ride out";
                    if (done && succeeded) succeeded(&point);
                    continue;
                }
                EXPECT_FALSE(done) << "a failed write was reported as done";
                EXPECT_EQ(Listing(), before) << "the folder changed (a temporary or partial file was left)";
                failed(point);
            }
        }
        ADD_FAILURE() << "the writer never finished";
        return result;
    }

private:
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& folder : folders) {
            std::error_code ec;
            for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
                names.push_back(entry.path().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace lw::test
