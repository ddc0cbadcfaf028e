// lwtool on a month other planners share: the lock another planner holds, --force, a damaged
// month never saved over, and a roster loaded over a month in progress only when asked.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "import/roster_extract.h"
#include "persist/month_lock.h"
#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;
using lw::test::RunToolOn;

class LwToolShared : public ::testing::Test {
protected:
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kCaptains);
        doc->GroupCode = "YYZDH8CAZ";  // the sample roster's captains
        lw::test::AddCrew(*doc, "ADAMS, ANN");
        lw::test::AddCrew(*doc, "BAKER, BEN");
        lw::test::AddPairing(*doc, {.number = 1001}, {3, 12});
        lw::test::Settle(*doc);
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, Month(), lw::model::kWorkingFile));
    }
    std::filesystem::path Month() const { return dir / "apr.lw2"; }
    lw::test::ToolResult Tool(std::vector<std::string> args) { return RunToolOn(dir, Month(), std::move(args)); }
    lw::test::TempFolder dir;
};

TEST_F(LwToolShared, AHeldMonthIsNotWrittenUnlessForced) {
    std::unique_ptr<lw::persist::MonthLock> lock;
    lw::persist::LockHolder holder;
    ASSERT_EQ(lw::persist::MonthLock::Take(Month(), lock, holder), lw::persist::MonthLock::Outcome::Taken);
    const std::string before = ReadBytes(Month());

    const auto refused = Tool({"assign", "F", "--crew", "1", "--pair", "0", "--day", "4"});
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    const std::string start = "[File Error] " + Month().string() + " is open by " + getpwuid(geteuid())->pw_name +
                              " on " + host + " (process " + std::to_string(getpid()) + ") since ";
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err.substr(0, start.size()), start);
    const std::string end = " Nothing was saved; use --force to save anyway.\n";
    ASSERT_GT(refused.err.size(), end.size());
    EXPECT_EQ(refused.err.substr(refused.err.size() - end.size()), end);
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_EQ(ReadBytes(Month()), before);
    // The copies for viewers and the company save the month first, so they are refused too.
    for (const char* copy : {"viewer", "company"}) {
        const auto exported = Tool({"export", copy, "F"});
        EXPECT_EQ(exported.exit, 1) << copy;
        EXPECT_NE(exported.err.find(" Nothing was saved; use --force to save anyway.\n"), std::string::npos) << copy;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "Viewer"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Company"));
    EXPECT_EQ(ReadBytes(Month()), before);
    // Reading is never refused.
    EXPECT_EQ(Tool({"info", "F"}).exit, 0);

    const auto forced = Tool({"assign", "F", "--crew", "1", "--pair", "0", "--day", "4", "--force"});
    EXPECT_EQ(forced.exit, 0) << forced.err;
    EXPECT_NE(ReadBytes(Month()), before);
}

TEST_F(LwToolShared, ADamagedMonthIsNeverSavedOver) {
    std::string bytes = ReadBytes(Month());
    const size_t marker = bytes.rfind("EndOfFile");
    ASSERT_NE(marker, std::string::npos);
    bytes[marker + 8] = 'X';
    lw::test::WriteBytes(Month(), bytes);

    const auto refused = Tool({"assign", "F", "--crew", "1", "--pair", "0", "--day", "4"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err,
              "[Linewright] This file may be currupt. No End Of File found. Consider loading Backup File\n"
              "[File Error] " + Month().string() +
                  " was opened as a damaged month (No End Of File found) and is not saved over. Save the result "
                  "under another name with -o OUT.\n");
    EXPECT_EQ(ReadBytes(Month()), bytes);

    const auto elsewhere = Tool({"assign", "F", "--crew", "1", "--pair", "0", "--day", "4", "-o",
                                 (dir / "mended.lw2").string()});
    EXPECT_EQ(elsewhere.exit, 0) << elsewhere.err;
    EXPECT_EQ(ReadBytes(Month()), bytes);
    EXPECT_TRUE(std::filesystem::exists(dir / "mended.lw2"));
}

TEST_F(LwToolShared, ARosterOverAMonthInProgressIsAskedFirst) {
    ASSERT_EQ(Tool({"assign", "F", "--crew", "1", "--pair", "0", "--day", "4"}).exit, 0);
    const std::string before = ReadBytes(Month());
    const std::string roster =
        (std::filesystem::path(LW_SOURCE_DIR) / "samples" / "capt-yyz-dh8-2027-03" / "YYZ1perp.ext").string();
    const std::string question = std::string("[Linewright] ") + lw::import::kReplaceRosterQuestion;

    const auto unanswered = Tool({"import", "roster", "F", roster});
    EXPECT_EQ(unanswered.exit, 3);
    EXPECT_EQ(unanswered.err.substr(0, question.size()), question);
    const auto no = Tool({"import", "roster", "F", roster, "--no"});
    EXPECT_EQ(no.exit, 1);
    EXPECT_EQ(ReadBytes(Month()), before);

    const auto yes = Tool({"import", "roster", "F", roster, "--yes"});
    EXPECT_EQ(yes.exit, 0) << yes.err;
    EXPECT_NE(ReadBytes(Month()), before);
    // The assignment's history went with the roster it named.
    const auto undo = Tool({"undo", "F"});
    EXPECT_EQ(undo.exit, 1);
    EXPECT_EQ(undo.err, "lwtool undo: the history is empty\n");
}

// An export killed after its journal was written, with the LIN file already in place and the
// new BAW file still beside the old one, is finished when the month is next opened.
TEST_F(LwToolShared, AKilledExportIsFinishedWhenTheMonthIsNextOpened) {
    const auto out = dir / "Export";
    std::filesystem::create_directories(out);
    lw::test::WriteBytes(out / "AP26V8CA.BAW", "last month's BAW");
    lw::test::WriteBytes(out / "AP26V8CA.LIN", "this month's LIN");
    lw::test::WriteBytes(out / "AP26V8CA.BAW.lwtmp-000000-1-1", "this month's BAW");
    lw::test::WriteBytes(out / "AP26V8CA.BAW.lwset",
                         "LWSET1\nAP26V8CA.BAW\tAP26V8CA.BAW.lwtmp-000000-1-1\t\n"
                         "AP26V8CA.LIN\tAP26V8CA.LIN.lwtmp-000000-1-2\t\nEND\n");
    EXPECT_EQ(Tool({"info", "F"}).exit, 0);
    EXPECT_EQ(ReadBytes(out / "AP26V8CA.BAW"), "this month's BAW");
    EXPECT_EQ(ReadBytes(out / "AP26V8CA.LIN"), "this month's LIN");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(out)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"AP26V8CA.BAW", "AP26V8CA.LIN"}));
}

}  // namespace
