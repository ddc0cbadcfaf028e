// Viewer and company copies of a real month: where they go, every field they lose (and keep),
// that the month the planner works on stays as it was, and every message on the way.
#include "output/viewer_export.h"

#include <gtest/gtest.h>

#include "output/exceptions_report.h"
#include "persist/fault_loop.h"
#include "persist/schedule_file.h"
#include "recording_log.h"
#include "rules/engine_month.h"
#include "temp_folder.h"

namespace lw::test {
namespace {

using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using output::CopyOutcome;
using platform::Answer;

constexpr const char* kReportTitle = "Linewright Exceptions and Warnings Report";

// April 2026 for captains in folder SKED, not yet saved: phones, notes, saved filters, bids,
// day-off requests and locks inside and after the month, a two-captain mark, a history and
// shared notes.
std::unique_ptr<model::Document> PersonalMonth(const std::filesystem::path& file) {
    auto doc = MakeMonth(model::kCaptains);
    doc->CurrentFileName = file.string();
    const int trip = AddPairing(*doc, {.number = 1302, .length = 2, .dailyCredit = 360}, {2, 9});
    const int ann = AddCrew(*doc, "ADAMS, ANN", 1234);
    const int ben = AddCrew(*doc, "BAKER, BEN", 5678);
    Hold(*doc, ann, trip, 2);
    Hold(*doc, ben, trip, 9);
    doc->Pairings[static_cast<size_t>(trip)].DayStatus[9] = -2;  // flown with two captains
    model::TPilot& a = doc->Crew[static_cast<size_t>(ann)];
    a.Phone2 = "905-555-0101";
    a.QuickNotes = "prefers early reports";
    a.SavedFilters = "1302";
    a.BidText = "P1302 X12";
    a.DayFlagA[11] = 1;
    a.DayLocked[2] = 1;
    a.DayFlagA[35] = 2;  // a request and a lock in the days after the month
    a.DayLocked[40] = 1;
    doc->Crew[static_cast<size_t>(ben)].BidText = "RES";
    doc->History.Record(ann, trip, 2, model::History::kAssigned);
    doc->DocTexts[model::kSharedNotesText] = "Crew room moves to gate 12 on the 15th";
    doc->DocTexts[4] = "planner's own text";
    Settle(*doc);
    doc->Modified = true;
    return doc;
}

// The exceptions report both commands show first.
Call Report(model::Document& doc) {
    std::string joined;
    for (const std::string& line : output::ExceptionsReport(doc)) joined += (joined.empty() ? "" : "\n") + line;
    return {"ShowList", kReportTitle, joined};
}

// What the planner saw, without the busy cursor.
Calls Seen(const FakeInteraction& ui) {
    Calls seen;
    for (const Call& c : ui.calls)
        if (c.kind != FakeInteraction::Kind::SetBusy) seen.push_back(c);
    return seen;
}

// The lines every copy loses from ADAMS's and BAKER's records and the history.
const Lines kCrewLinesTakenOut = {
    "-  phones \"416-555-1000\" \"905-555-0101\"  quick-notes \"prefers early reports\"  filters \"1302\"  bid "
    "\"P1302 X12\"  roster-status \"\"",
    "+  phones \"\" \"\"  quick-notes \"\"  filters \"\"  bid \"\"  roster-status \"\"",
};

// Both copies lose the same personal data: the crew lines above, and every request and lock,
// on the days after the month too.
void AppendPersonalDataTakenOut(Lines& expected) {
    expected.insert(expected.end(), kCrewLinesTakenOut.begin(), kCrewLinesTakenOut.end());
    const std::string activity = " code \"\" extract \"\" text \"\" activity 0 0 0 0 0 0 0 0 0 0 prev 0 0 0 0 0 0 0 0 0 0";
    for (const char* line : {"-  cell 2 assignment 0 request 0 locked 1", "-  cell 11 assignment -1 request 1 locked 0",
                             "-  cell 35 assignment -1 request 2 locked 0", "-  cell 40 assignment -1 request 0 locked 1"})
        expected.push_back(line + activity);
    expected.push_back("+" + PairCell(2, 0));
    expected.push_back("-  phones \"416-555-1001\" \"\"  quick-notes \"\"  filters \"\"  bid \"RES\"  roster-status \"\"");
    expected.push_back("+  phones \"\" \"\"  quick-notes \"\"  filters \"\"  bid \"\"  roster-status \"\"");
}

class CopyExport : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(sked);
        doc = PersonalMonth(sked / "MAR.lw2");
        report = Report(*doc);
        before = Dump(*doc);
    }
    std::unique_ptr<model::Document> Load(const std::filesystem::path& file) {
        auto copy = std::make_unique<model::Document>(doc->Today());
        FakeInteraction quiet;
        EXPECT_TRUE(persist::LoadSchedule(*copy, quiet, file));
        return copy;
    }
    CopyOutcome Viewer(int stage) {
        return output::SaveForViewer(*doc, ui, [stage] { return std::optional<int>(stage); });
    }
    // The month as the planner has it: every saved field, its name, saved to its own file.
    void ExpectMonthUnchanged() {
        EXPECT_EQ(Dump(*doc), before);
        EXPECT_EQ(doc->CurrentFileName, (sked / "MAR.lw2").string());
        EXPECT_FALSE(doc->Modified);
        EXPECT_EQ(ReadBytes(sked / "MAR.lw2"), persist::EncodeSchedule(*doc, model::kWorkingFile));
    }

    TempFolder dir;
    std::filesystem::path sked = dir / "SKED";
    FakeInteraction ui;
    std::unique_ptr<model::Document> doc;
    Call report;
    std::string before;
};

TEST_F(CopyExport, PreSkedViewerCopyWithoutPersonalData) {
    ui.answers = {Answer::No};
    const CopyOutcome outcome = Viewer(output::kViewerPreSked);
    const std::filesystem::path copy = sked / "Viewer" / "Presked_MAR.lwv";
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.path, copy);
    EXPECT_EQ(Seen(ui), (Calls{report,
                               {"Ask", "Linewright",
                                "Viewer File Saved as " + copy.string() +
                                    " without personal data.\nDo you want to e-mail the lwv file now."}}));
    ExpectMonthUnchanged();

    EXPECT_EQ(ReadBytes(copy).substr(5, 18), std::string("\x0E\0\0\0LWViewPrSked29", 18));
    Lines expected = {"-variant 0", "+variant 2", "-doc-text 22 \"Crew room moves to gate 12 on the 15th\"",
                      "-history 1", "-action 0 assign day 2 crew 0 pair 0", "+history 0",
                      // the file keeps no two-captain mark
                      "-  status 0 0 2 0 0 0 0 0 0 -2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                      "+  status 0 0 2 0 0 0 0 0 0 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"};
    AppendPersonalDataTakenOut(expected);
    EXPECT_EQ(Changes(before, Dump(*Load(copy))), expected);
}

TEST_F(CopyExport, CompanyCopyKeepsSharedNotesAndIsMailedOnYes) {
    ui.answers = {Answer::Yes};
    const CopyOutcome outcome = output::SaveForCompany(*doc, ui);
    const std::filesystem::path copy = sked / "Company" / "MAR.lw2";
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.path, copy);
    EXPECT_EQ(Seen(ui), (Calls{report,
                               {"Ask", "Linewright",
                                "File Saved as " + copy.string() +
                                    " without personal data.\nDo you want to e-mail the lw2 file now."},
                               {"MailFile", "MAR.lw2", copy.string()}}));
    ExpectMonthUnchanged();

    EXPECT_EQ(ReadBytes(copy).substr(5, 16), std::string("\x0C\0\0\0Linewright29", 16));
    Lines expected = {"-history 1", "-action 0 assign day 2 crew 0 pair 0", "+history 0",
                      "-  status 0 0 2 0 0 0 0 0 0 -2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                      "+  status 0 0 2 0 0 0 0 0 0 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"};
    AppendPersonalDataTakenOut(expected);
    EXPECT_EQ(Changes(before, Dump(*Load(copy))), expected);
}

TEST_F(CopyExport, EveryStageItsNameAndHeaderAndASecondRunOverwrites) {
    const std::pair<int, const char*> stages[] = {{output::kViewerPreBuild, "PreBuild_MAR.lwv"},
                                                  {output::kViewerPreSked, "Presked_MAR.lwv"},
                                                  {output::kViewerFinal, "Final_MAR.lwv"}};
    for (const auto& [stage, name] : stages) {
        ui.answers = {Answer::No};
        EXPECT_EQ(Viewer(stage).path, sked / "Viewer" / name);
        EXPECT_EQ(Load(sked / "Viewer" / name)->FileVariant, stage);
    }
    doc->Crew[0].Name = "ADAMS, ANNE";
    ui.answers = {Answer::No};
    EXPECT_TRUE(Viewer(output::kViewerFinal).written);
    EXPECT_EQ(Load(sked / "Viewer" / "Final_MAR.lwv")->Crew[0].Name, "ADAMS, ANNE");
    EXPECT_EQ(Load(sked / "MAR.lw2")->Crew[0].Name, "ADAMS, ANNE");
}

// A schedule kept under another extension still gives the company an ".lw2" file, the one
// named in the question and mailed.
TEST_F(CopyExport, PathsBesideTheSchedule) {
    EXPECT_EQ(output::ViewerCopyPath("/p/SKED/MAR.lw2", output::kViewerPreBuild), "/p/SKED/Viewer/PreBuild_MAR.lwv");
    EXPECT_EQ(output::ViewerCopyPath("/p/v1.2/MAR", output::kViewerFinal), "/p/v1.2/Viewer/Final_MAR.lwv");
    EXPECT_EQ(output::ViewerCopyPath("MAR.lw2", output::kViewerPreSked), "Viewer/Presked_MAR.lwv");
    EXPECT_EQ(output::CompanyCopyPath("/p/SKED/MAR.lw2"), "/p/SKED/Company/MAR.lw2");
    EXPECT_EQ(output::CompanyCopyPath("/p/SKED/MAR.skd"), "/p/SKED/Company/MAR.lw2");
}

TEST_F(CopyExport, UnnamedScheduleAndCancelledStageWriteNothing) {
    doc->CurrentFileName.clear();
    bool asked = false;
    auto chooser = [&] {
        asked = true;
        return std::optional<int>(output::kViewerFinal);
    };
    EXPECT_FALSE(output::SaveForViewer(*doc, ui, chooser).written);
    EXPECT_FALSE(asked);
    EXPECT_FALSE(output::SaveForCompany(*doc, ui).written);
    const Call unnamed{"Message", "File Error", "File Must be Named First, Select Save As"};
    EXPECT_EQ(Seen(ui), (Calls{report, unnamed, report, unnamed}));
    EXPECT_TRUE(doc->Modified);

    doc->CurrentFileName = (sked / "MAR.lw2").string();
    ui.calls.clear();
    EXPECT_FALSE(output::SaveForViewer(*doc, ui, [] { return std::optional<int>(); }).written);
    EXPECT_EQ(Seen(ui), Calls{report});
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(Dump(*doc), before);
    EXPECT_TRUE(std::filesystem::is_empty(sked));
}

TEST_F(CopyExport, MailProgramThatCannotStart) {
    ui.answers = {Answer::Yes};
    ui.mailStarts = false;
    const std::filesystem::path copy = sked / "Viewer" / "PreBuild_MAR.lwv";
    EXPECT_TRUE(Viewer(output::kViewerPreBuild).written);
    const Calls seen = Seen(ui);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2], (Call{"MailFile", "PreBuild_MAR.lwv", copy.string()}));
    EXPECT_EQ(seen[3], (Call{"Message", "Linewright",
                             "No mail program could be started. The copy is saved as " + copy.string() + "."}));
}

// A file where the folder should be: the copy cannot be created; the schedule itself is saved.
TEST_F(CopyExport, FolderThatCannotBeMade) {
    WriteBytes(sked / "Viewer", "not a folder");
    EXPECT_FALSE(Viewer(output::kViewerPreBuild).written);
    EXPECT_EQ(Seen(ui), (Calls{report,
                               {"Message", "File Error",
                                "Unable to create file. File may be Read Only or In use by Another Application. Use "
                                "Save As to Save as a new name"}}));
    ExpectMonthUnchanged();
}

// A schedule file that does not read back whole (here the disk quietly drops its end marker)
// gives no copy, and the month is still the planner's.
TEST_F(CopyExport, ScheduleThatDoesNotReadBackGivesNoCopy) {
    struct TruncatingOps : platform::FileOps {
        platform::FileOps& real = platform::RealFileOps();
        int Create(const std::filesystem::path& f, unsigned m, int& h) override { return real.Create(f, m, h); }
        int Write(int h, const char* data, size_t size, size_t& taken) override {
            // The schedule's last item, the end marker, never reaches the disk.
            const size_t cut = size > 13 ? size - 13 : size;
            const int err = real.Write(h, data, cut, taken);
            taken = size;
            return err;
        }
        int Flush(int h) override { return real.Flush(h); }
        int Sync(int h) override { return real.Sync(h); }
        int Close(int h) override { return real.Close(h); }
        int Rename(const std::filesystem::path& a, const std::filesystem::path& b) override { return real.Rename(a, b); }
        int Remove(const std::filesystem::path& f) override { return real.Remove(f); }
        int SyncFolder(const std::filesystem::path& f) override { return real.SyncFolder(f); }
    } truncating;
    EXPECT_FALSE(output::SaveForCompany(*doc, ui, truncating).written);
    EXPECT_EQ(Seen(ui), (Calls{report,
                               {"Message", "Linewright",
                                "This file may be currupt. No End Of File found. Consider loading Backup File"}}));
    EXPECT_FALSE(std::filesystem::exists(sked / "Company" / "MAR.lw2"));
    EXPECT_EQ(Dump(*doc), before);
}

// A second-captain copy whose marks a reload lost gets them back on the planner's month; the
// run log shows the whole command: the marks, the save, the reload and the copy.
TEST_F(CopyExport, TwoCaptainMarksComeBackAndTheRunLogTracesEveryStep) {
    const int base = 0;  // 1302, flown with two captains on the 10th
    const int copyIndex = AddPairing(*doc, {.number = 1302, .length = 2, .dailyCredit = 360}, {9});
    doc->LastLoadedPairIndex = base;
    doc->Pairings[base].DayStatus[9] = 2;
    Hold(*doc, 0, copyIndex, 9);
    before = Dump(*doc);
    RecordingLog log;
    doc->RunLog = &log;
    ui.answers = {Answer::No};
    EXPECT_TRUE(output::SaveForCompany(*doc, ui).written);
    EXPECT_EQ(Changes(before, Dump(*doc)),
              (Lines{"-  status 0 0 2 0 0 0 0 0 0 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                     "+  status 0 0 2 0 0 0 0 0 0 -2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                     "-  status 0 0 0 0 0 0 0 0 0 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                     "+  status 0 0 0 0 0 0 0 0 0 -2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"}));
    EXPECT_EQ(log.lines, (Lines{"FlagTwoCaptPairsBegin\n", "FlagTwoCaptPairsEnd\n", "SaveBlksBegin\n", "SaveBlksEnd\n",
                                "LoadBlksBegin\n", "LoadBlksLoadPairs\n", "Pairing 1302 Loaded\n", "Pairing 1302 Loaded\n",
                                "LoadBlksLoadEmployees\n", "Employee ADAMS, ANN Loaded\n", "Employee BAKER, BEN Loaded\n",
                                "LoadMonthDataBegin\n", "LoadUndoRedoString\n", "LoadBlksEnd\n", "SaveBlksBegin\n",
                                "SaveBlksEnd\n"}));
}

// Every way the two saves (the schedule, then the copy) can fail: the message, the files as
// they were, the month untouched and still marked changed when its own save failed.
TEST_F(CopyExport, EveryFailingStepOfEitherSave) {
    const std::string oldSchedule = "yesterday's schedule", oldCopy = "yesterday's copy";
    std::filesystem::create_directories(sked / "Viewer");
    const std::filesystem::path copy = sked / "Viewer" / "Presked_MAR.lwv";
    FaultLoop loop;
    loop.folders = {sked, sked / "Viewer"};
    loop.reset = [&] {
        WriteBytes(sked / "MAR.lw2", oldSchedule);
        WriteBytes(copy, oldCopy);
        doc->Modified = true;
        ui.calls.clear();
        ui.answers = {Answer::No};
    };
    loop.attempt = [&](platform::FileOps& ops) {
        return output::SaveForViewer(*doc, ui, [] { return std::optional<int>(output::kViewerPreSked); }, ops).written;
    };
    loop.failed = [&](const FaultPoint& point) {
        const bool scheduleSaved = ReadBytes(sked / "MAR.lw2") != oldSchedule;
        EXPECT_EQ(doc->Modified, !scheduleSaved);
        if (scheduleSaved) {
            EXPECT_EQ(ReadBytes(sked / "MAR.lw2"), persist::EncodeSchedule(*doc, model::kWorkingFile));
        }
        EXPECT_EQ(ReadBytes(copy), oldCopy);
        EXPECT_EQ(Dump(*doc), before);
        const std::string text =
            point.op == platform::FileOp::Create
                ? "Unable to create file. File may be Read Only or In use by Another Application. Use Save As to Save as "
                  "a new name"
                : "Error Saving File. Disk may be Full. Try Saving to Another Location ";
        EXPECT_EQ(Seen(ui), (Calls{report, {"Message", "File Error", text}}));
    };
    int copiesMade = 0;
    loop.succeeded = [&](const FaultPoint*) {
        ++copiesMade;
        ExpectMonthUnchanged();
        EXPECT_EQ(ReadBytes(copy).substr(9, 14), "LWViewPrSked29");
    };
    // Seven operations in each save, three ways for each write.
    EXPECT_EQ(loop.Run().points, 18);
    EXPECT_EQ(copiesMade, 5);
}

}  // namespace
}  // namespace lw::test
