// Every writer under every file fault: each step of the write refused in turn, every write cut
// short and hit by a full disk. Whatever goes wrong, the planner is told, the file on disk is the
// one from before (or still absent), no temporary file is left and nothing claims to be done.
#include <gtest/gtest.h>

#include <memory>

#include "fake_interaction.h"
#include "output/crewtrac_export.h"
#include "output/crewtrac_month.h"
#include "platform/atomic_file.h"
#include "persist/backup.h"
#include "persist/fault_loop.h"
#include "persist/schedule_file.h"
#include "recording_log.h"
#include "support/full_document.h"
#include "temp_folder.h"

namespace lw::test {
namespace {

using platform::FileOp;
using Calls = std::vector<FakeInteraction::Call>;

constexpr const char* kCannotCreate =
    "Unable to create file. File may be Read Only or In use by Another Application. Use Save As to Save as a new name";
constexpr const char* kDiskFull = "Error Saving File. Disk may be Full. Try Saving to Another Location ";

// The message SaveSchedule shows for a fault.
Calls SaveMessage(const FaultPoint& p) {
    return {{"Message", "File Error", p.op == platform::FileOp::Create ? kCannotCreate : kDiskFull}};
}

std::unique_ptr<model::Document> Month(int crew, int pairs) {
    auto doc = std::make_unique<model::Document>(2461000);
    FillFullDocument(*doc, crew, pairs);
    return doc;
}

TEST(SaveFaults, AtomicWriteOfSeveralChunksUnderEveryFault) {
    TempFolder dir;
    const auto target = dir / "big.bin";
    // Three chunks of writing, so a fault can strike the first, a middle and the last.
    std::string bytes(2 * (1 << 20) + 12345, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('A' + i % 23);
    const std::string old = "the old file\r\n";

    for (const bool existed : {true, false}) {
        SCOPED_TRACE(existed ? "replacing a file" : "a new file");
        std::string error;
        FaultLoop loop;
        loop.folders = {dir.Path()};
        loop.reset = [&] {
            std::filesystem::remove(target);
            if (existed) WriteBytes(target, old);
            error.clear();
        };
        loop.attempt = [&](platform::FileOps& ops) {
            return platform::WriteFileAtomically(target, bytes, &error, ops) == platform::WriteResult::Ok;
        };
        loop.failed = [&](const FaultPoint& p) {
            EXPECT_EQ(ReadBytes(target), existed ? old : "<missing>");
            const std::string reason = p.way == FaultWay::DiskFull ? "No space left on device" : "Input/output error";
            EXPECT_EQ(error.substr(error.size() - reason.size()), reason) << error;
        };
        loop.succeeded = [&](const FaultPoint*) { EXPECT_TRUE(ReadBytes(target) == bytes); };
        const FaultLoopResult result = loop.Run();
        EXPECT_EQ(result.clean, (std::vector<platform::FileOp>{platform::FileOp::Create, platform::FileOp::Write, platform::FileOp::Write, platform::FileOp::Write,
                                                     platform::FileOp::Flush, platform::FileOp::Sync, platform::FileOp::Close, platform::FileOp::Rename,
                                                     platform::FileOp::SyncFolder}));
        EXPECT_EQ(result.points, 15);
    }
}

TEST(SaveFaults, AtomicWriteResultSaysWhetherTheFileCouldBeMade) {
    TempFolder dir;
    FailingFileOps create(1);
    EXPECT_EQ(platform::WriteFileAtomically(dir / "a", "x", nullptr, create), platform::WriteResult::CannotCreate);
    FailingFileOps rename(6);
    std::string error;
    EXPECT_EQ(platform::WriteFileAtomically(dir / "a", "x", &error, rename), platform::WriteResult::WriteFailed);
    EXPECT_EQ(error, "rename to " + (dir / "a").string() + ": Input/output error");
    EXPECT_EQ(rename.done, (std::vector<platform::FileOp>{platform::FileOp::Create, platform::FileOp::Write, platform::FileOp::Flush, platform::FileOp::Sync,
                                                platform::FileOp::Close, platform::FileOp::Rename, platform::FileOp::Remove}));
}

TEST(SaveFaults, ScheduleSaveOfEveryKind) {
    TempFolder dir;
    const auto file = dir / "May.lw2";
    auto doc = Month(3, 4);
    FakeInteraction firstUi;
    ASSERT_TRUE(persist::SaveSchedule(*doc, firstUi, file, model::kWorkingFile));
    const std::string old = ReadBytes(file);
    doc->Crew[1].Name = "CHANGED SINCE THE LAST SAVE";

    for (int kind = model::kWorkingFile; kind <= model::kFinalViewer; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        const std::string expected = persist::EncodeSchedule(*doc, kind);
        FakeInteraction ui;
        RecordingLog log;
        doc->RunLog = &log;
        FaultLoop loop;
        loop.folders = {dir.Path()};
        loop.reset = [&] {
            WriteBytes(file, old);
            doc->Modified = true;
            ui.calls.clear();
            log.lines.clear();
        };
        loop.attempt = [&](platform::FileOps& ops) { return persist::SaveSchedule(*doc, ui, file, kind, ops); };
        loop.failed = [&](const FaultPoint& p) {
            EXPECT_EQ(ui.Messages(), SaveMessage(p));
            EXPECT_EQ(ReadBytes(file), old);
            EXPECT_TRUE(doc->Modified);
            EXPECT_EQ(log.lines, std::vector<std::string>{"SaveBlksBegin\n"});
        };
        loop.succeeded = [&](const FaultPoint*) {
            EXPECT_TRUE(ReadBytes(file) == expected);
            EXPECT_FALSE(doc->Modified);
            EXPECT_TRUE(ui.Messages().empty());
            EXPECT_EQ(log.lines, (std::vector<std::string>{"SaveBlksBegin\n", "SaveBlksEnd\n"}));
        };
        EXPECT_EQ(loop.Run().points, 9);
        doc->RunLog = nullptr;
    }
}

TEST(SaveFaults, TimedCopy) {
    TempFolder dir;
    auto doc = Month(2, 3);
    doc->CurrentFileName = (dir / "May.lw2").string();
    doc->BlocksBuilt = 1;
    const std::string working = "the working file as last saved";
    const std::string oldCopy = "ten minutes ago";
    WriteBytes(dir / "May.lw2", working);
    const std::string expected = persist::EncodeSchedule(*doc, model::kWorkingFile);
    FakeInteraction ui;
    RecordingLog log;
    doc->RunLog = &log;
    persist::TimerTick tick{};

    FaultLoop loop;
    loop.folders = {dir.Path()};
    loop.reset = [&] {
        WriteBytes(dir / "May.BAK", oldCopy);
        doc->Modified = true;
        doc->BackupCountdown = 1;
        ui.calls.clear();
        log.lines.clear();
    };
    loop.attempt = [&](platform::FileOps& ops) {
        tick = persist::OnTimer(*doc, ui, true, ops);
        return tick == persist::TimerTick::Copied;
    };
    loop.failed = [&](const FaultPoint& p) {
        EXPECT_EQ(tick, persist::TimerTick::CopyFailed);
        EXPECT_EQ(ui.Messages(), SaveMessage(p));
        EXPECT_EQ(ReadBytes(dir / "May.BAK"), oldCopy);
        EXPECT_EQ(ReadBytes(dir / "May.lw2"), working);
        EXPECT_TRUE(doc->Modified);
        EXPECT_EQ(doc->BackupCountdown, 20);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"BackupTimerTrigger\n", "SaveBlksBegin\n"}));
    };
    loop.succeeded = [&](const FaultPoint*) {
        EXPECT_TRUE(ReadBytes(dir / "May.BAK") == expected);
        EXPECT_EQ(ReadBytes(dir / "May.lw2"), working);
        EXPECT_TRUE(doc->Modified);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"BackupTimerTrigger\n", "SaveBlksBegin\n", "SaveBlksEnd\n",
                                                       "BackupTimerFinish\n"}));
    };
    EXPECT_EQ(loop.Run().points, 9);
    doc->RunLog = nullptr;
}

TEST(SaveFaults, BackupCommand) {
    TempFolder dir, stick;
    auto doc = Month(2, 3);
    doc->CurrentFileName = (dir / "May.lw2").string();
    const platform::FixedClock clock({7, 9, 2026, 14, 30, 5});
    const auto target = stick / "Backup Sept 7 2026 at 1430 May.lw2";
    const std::string expected = persist::EncodeSchedule(*doc, model::kWorkingFile);
    FakeInteraction ui;
    std::filesystem::path written;

    FaultLoop loop;
    loop.folders = {dir.Path(), stick.Path()};
    loop.reset = [&] {
        doc->Modified = true;
        doc->AssignsSinceBackup = 37;
        ui.calls.clear();
    };
    loop.attempt = [&](platform::FileOps& ops) {
        written = persist::BackupTo(*doc, ui, nullptr, {stick.Path(), true}, clock, ops);
        return !written.empty();
    };
    loop.failed = [&](const FaultPoint& p) {
        EXPECT_EQ(ui.Messages(), SaveMessage(p));
        EXPECT_EQ(ReadBytes(target), "<missing>");
        EXPECT_TRUE(doc->Modified);
        EXPECT_EQ(doc->AssignsSinceBackup, 37) << "the reminder count went back to 0 without a backup";
    };
    loop.succeeded = [&](const FaultPoint*) {
        EXPECT_EQ(written, target);
        EXPECT_TRUE(ReadBytes(target) == expected);
        EXPECT_TRUE(doc->Modified);
        EXPECT_EQ(doc->AssignsSinceBackup, 0);
        std::filesystem::remove(target);
    };
    EXPECT_EQ(loop.Run().points, 9);
}

TEST(SaveFaults, CrewTracExportKeepsTheOldPair) {
    TempFolder dir, reference;
    const output::CrewTracInputs inputs{"AP26V8CA", "V", "8", output::CrewTracCrewType::Captain};
    FakeInteraction refUi;
    auto refDoc = CrewTracPilotMonth((reference / "apr.lw2").string());
    ASSERT_TRUE(output::ExportCrewTrac(*refDoc, refUi, inputs).completed);
    const std::string newBaw = ReadBytes(reference / "Export" / "AP26V8CA.BAW");
    const std::string newLin = ReadBytes(reference / "Export" / "AP26V8CA.LIN");

    auto doc = CrewTracPilotMonth((dir / "apr.lw2").string());
    const auto export_ = dir / "Export";
    std::filesystem::create_directories(export_);
    const std::string oldBaw = "000999999 PV8001CA\r\n", oldLin = "last month's lines\r\n";
    FakeInteraction ui;
    output::CrewTracResult result;

    FaultLoop loop;
    loop.folders = {export_};
    loop.reset = [&] {
        WriteBytes(export_ / "AP26V8CA.BAW", oldBaw);
        WriteBytes(export_ / "AP26V8CA.LIN", oldLin);
        ui.calls.clear();
    };
    loop.attempt = [&](platform::FileOps& ops) {
        result = output::ExportCrewTrac(*doc, ui, inputs, ops);
        return result.completed;
    };
    loop.failed = [&](const FaultPoint& p) {
        // Operations 1-5 write the new BAW file beside the old one, 6-10 the LIN file, 11-17 the
        // journal naming both; 18 puts the BAW file in place and 19 the LIN file.
        const bool baw = p.n <= 5 || p.n == 18;
        std::string message;
        if (p.op == platform::FileOp::Create) message = baw ? "Cant create BAW file for Exporting Blocks"
                                                  : "Cant create LIN file for Exporting Blocks";
        else if (p.way == FaultWay::DiskFull) message = baw ? "Cannot Save BAW File to specified disk. Disk may be full"
                                                            : "Cannot Save LIN file to specified disk. Disk may be full";
        else message = baw ? "Can't Save BAW File!" : "Cant Save LIN File!";
        EXPECT_EQ(ui.calls, (Calls{{"Message", "File Error", message}}));
        // Both files are made up before either is written.
        EXPECT_EQ(result.summary,
                  (std::vector<std::string>{"Blk 2 is Exported as OpenTime. Emp Num is 0",
                                            "Blk 3 Capt Pairings-LineIndoc. Not Exported",
                                            "DAVIS, DON No Draft Credit Code Inserted", message}));
        EXPECT_EQ(ReadBytes(export_ / "AP26V8CA.BAW"), oldBaw);
        EXPECT_EQ(ReadBytes(export_ / "AP26V8CA.LIN"), oldLin);
    };
    loop.succeeded = [&](const FaultPoint*) {
        EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "Finished Exporting to CrewTrac format"}}));
        EXPECT_EQ(ReadBytes(export_ / "AP26V8CA.BAW"), newBaw);
        EXPECT_TRUE(ReadBytes(export_ / "AP26V8CA.LIN") == newLin);
    };
    EXPECT_EQ(loop.Run().points, 26);  // seven on each file, nine on the journal, two renames, the folder
}

}  // namespace
}  // namespace lw::test
