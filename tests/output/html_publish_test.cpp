// Publishing the blocks: the page and the three CSV files byte for byte for a real month,
// where they go, and every message when a file cannot be written.
#include "output/html_publish.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "output/csv_publish.h"
#include "output/publish_month.h"
#include "persist/fault_loop.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

using lw::output::PublishForInternet;
using lw::test::FakeInteraction;
using lw::test::ReadBytes;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using Paths = std::vector<std::filesystem::path>;

std::string Xs(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "<TD>X</TD>";
    return out;
}

std::string Td(const std::string& text) { return "<TD>" + text + "</TD>"; }

// The header cells of April 2026, which starts on a Wednesday.
std::string AprilHeader() {
    const char* week[] = {"WE", "TH", "FR", "SA", "SU", "MO", "TU"};
    std::string out;
    for (int day = 1; day <= 30; ++day) {
        char cell[32];
        std::snprintf(cell, sizeof cell, "<TH>%s %02d</TH>", week[(day - 1) % 7], day);
        out += cell;
    }
    return out;
}

// Thirty comma-separated fields, the given ones filled.
std::string AprilFields(const std::map<int, std::string>& filled) {
    std::string out;
    for (int d = 0; d < 30; ++d) {
        if (d) out += ",";
        if (auto f = filled.find(d); f != filled.end()) out += f->second;
    }
    return out;
}

const std::string kPage =
    "<title>Apr 2026</title>\r\n"
    "<BODY BGCOLOR=\"#ffcc00\"TEXT=\"#000000\"LINK=\"#008080\"VLINK=\"#00aa00\">\r\n"
    "<B><font face=\"Courier\" size=2>\r\n"
    "<center>Crew Blocks for Apr 2026\r\n"
    "<br><br></center>\r\n"
    "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=1>\r\n"
    "<TR>\r\n"
    "<TH>Name</TH><TH>Emp Num</TH><TH>Block</TH>" + AprilHeader() + "\r\n"
    "<TR>\r\n"
    "<B><font face=\"Arial\" size=1>\r\n"
    "<TR><TD>J SMITH</TD><TD>123456</TD><TD>25:30</TD>" + Xs(2) + Td("1001") + Td("YUL") + Td("YVR") + Xs(4) +
    Td("VAC") + Td("VAC") + Td("VAC") + Xs(7) + Td("RB ") + Td("->") + Xs(3) + Td("XYZ") + Xs(4) + Td("RA ") +
    Td("->") + "</TR>\r\n"
    "<TR><TD>OPEN TIME</TD><TD>0</TD><TD>05:00</TD>" + Xs(4) + Td("1002") + Xs(25) + "</TR>\r\n"
    "<TR><TD>CAPT PAIRINGS</TD><TD>-1</TD><TD>05:00</TD>" + Xs(7) + Td("1003") + Xs(22) + "</TR>\r\n"
    "<TR><TD>A JONES</TD><TD>234567</TD><TD>45:00</TD>" + Xs(6) + Td("1005") + Td("YOW") + Xs(12) + Td("1004") +
    Td("YHZ") + Td("YQB") + Xs(5) + Td("1006") + Td("YYC") + Td("YEG") + "</TR>\r\n"
    "<TR><TD>B LEE, JR</TD><TD>345678</TD><TD>00:00</TD>" + Xs(30) + "</TR>\r\n";

const std::string kBlockList =
    "Apr,2026\r\n"
    "J SMITH,123456,1001,2026-04-03,VAC,2026-04-10,VAC,2026-04-11,VAC,2026-04-12,RB ,2026-04-20,XYZ,2026-04-25,"
    "RA ,2026-04-30\r\n"
    "OPEN TIME,0,1002,2026-04-05\r\n"
    "CAPT PAIRINGS,-1,1003,2026-04-08\r\n"
    "A JONES,234567,1005,2026-04-07,1004,2026-04-21,1006,2026-04-29\r\n"
    "\"B LEE, JR\",345678\r\n";

std::string LayoutHeader() {
    std::string out = "Name,Emp Num,";
    for (int day = 1; day <= 30; ++day) out += (day > 1 ? ",2026-04-" : "2026-04-") + std::string(day < 10 ? "0" : "") + std::to_string(day);
    return out + "\r\n";
}

const std::string kLayout =
    LayoutHeader() +
    "J SMITH,123456," + AprilFields({{2, "V1001"}, {9, "VAC"}, {10, "VAC"}, {11, "VAC"}, {19, "RB "}, {24, "XYZ"},
                                     {29, "RA "}}) + "\r\n" +
    "OPEN TIME,0," + AprilFields({{4, "V1002"}}) + "\r\n" +
    "CAPT PAIRINGS,-1," + AprilFields({{7, "V1003"}}) + "\r\n" +
    "A JONES,234567," + AprilFields({{6, "V1005"}, {20, "V1004"}, {28, "W1006"}}) + "\r\n" +
    "\"B LEE, JR\",345678," + AprilFields({}) + "\r\n" +
    "\r\n";

// The vacation day by day; the B reserve and the last night's A reserve end the next morning,
// the last one on the first of May.
const std::string kAbsences =
    "CNTL,20260401,20260430,PILOT,\r\n"
    "123456,VAC,20260410,1200,20260410,1600\r\n"
    "123456,VAC,20260411,1200,20260411,1600\r\n"
    "123456,VAC,20260412,1200,20260412,1600\r\n"
    "123456,RB ,20260420,1200,20260421,0200\r\n"
    "123456,XYZ,20260425,1000,20260425,1100\r\n"
    "123456,RA ,20260430,2000,20260501,0600\r\n";

class Publish : public ::testing::Test {
protected:
    void SetUp() override {
        doc = lw::test::PublishPilotMonth((dir / "ROSTER.lw2").string());
        doc->RunLog = &log;
    }
    std::string File(const std::string& name) const { return ReadBytes(dir / name); }
    Paths Four(const std::filesystem::path& folder) const {
        return {folder / "ROSTER.htm", folder / "ROSTER.csv", folder / "ROSTER_Month_Layout.csv",
                folder / "ROSTER CT Planned Absences.csv"};
    }
    lw::test::TempFolder dir;
    std::unique_ptr<lw::model::Document> doc;
    lw::test::RecordingLog log;
    FakeInteraction ui;
};

TEST_F(Publish, AllFourFilesBesideTheSchedule) {
    const std::string before = lw::test::Dump(*doc);
    const auto result = PublishForInternet(*doc, ui);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.written, Four(dir.Path()));
    EXPECT_EQ(File("ROSTER.htm"), kPage);
    EXPECT_EQ(File("ROSTER.csv"), kBlockList);
    EXPECT_EQ(File("ROSTER_Month_Layout.csv"), kLayout);
    EXPECT_EQ(File("ROSTER CT Planned Absences.csv"), kAbsences);
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "HTML and Various CVS Files Saved to folder " + dir.Path().string()}}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"SaveForNetBegin\n", "SaveForNetEnd\n", "Save CSV begin\n", "Save CSV begin\n"}));
    EXPECT_EQ(lw::test::Dump(*doc), before);

    // Published again: the files are replaced without asking.
    doc->Crew[4].Name = "B LEE";
    EXPECT_TRUE(PublishForInternet(*doc, ui).completed);
    EXPECT_EQ(File("ROSTER.csv"), kBlockList.substr(0, kBlockList.size() - 20) + "B LEE,345678\r\n");
}

TEST_F(Publish, EveryRefusal) {
    doc->CurrentFileName.clear();
    EXPECT_FALSE(PublishForInternet(*doc, ui).completed);
    doc->CurrentFileName = (dir / "ROSTER.lw2").string();

    // The folder cannot be made: a file stands where it would go.
    lw::test::WriteBytes(dir / "web", "not a folder");
    EXPECT_TRUE(PublishForInternet(*doc, ui, dir / "web" / "april").written.empty());

    // The month layout cannot be made: the files are published together or not at all.
    std::filesystem::create_directories(dir / "ROSTER_Month_Layout.csv");
    auto result = PublishForInternet(*doc, ui);
    EXPECT_EQ(result.written, Paths{});
    EXPECT_FALSE(std::filesystem::exists(dir / "ROSTER.htm"));
    EXPECT_FALSE(std::filesystem::exists(dir / "ROSTER.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir / "ROSTER CT Planned Absences.csv"));
    std::filesystem::remove(dir / "ROSTER_Month_Layout.csv");

    EXPECT_EQ(log.lines, (std::vector<std::string>{"SaveForNetBegin\n", "SaveForNetBegin\n", "SaveForNetEnd\n",
                                                   "Save CSV begin\n"}));

    EXPECT_EQ(ui.calls, (Calls{{"Message", "File Error", "File Must be Named First, Select Save As"},
                               {"Message", "File Error", "Cant create file for Internet Publishing"},
                               {"Message", "File Error", "Cant create CSV file"}}));
    EXPECT_EQ(ui.icons, (std::vector<lw::platform::Icon>{lw::platform::Icon::Information, lw::platform::Icon::Stop,
                                                          lw::platform::Icon::Stop}));
}

// Whatever step of whichever file goes wrong, the four files are all last month's, whole, and
// the planner is told which file failed: the page and its CSV files are never mixed.
TEST_F(Publish, EveryFileFaultLeavesWholeFiles) {
    const std::vector<std::string> names = {"ROSTER.htm", "ROSTER.csv", "ROSTER_Month_Layout.csv",
                                            "ROSTER CT Planned Absences.csv"};
    const std::vector<std::string> fresh = {kPage, kBlockList, kLayout, kAbsences};
    lw::test::FaultLoop loop;
    loop.folders = {dir.Path()};
    loop.reset = [&] {
        for (const std::string& name : names) lw::test::WriteBytes(dir / name, "old " + name);
        ui.calls.clear();
    };
    loop.attempt = [&](lw::platform::FileOps& ops) { return PublishForInternet(*doc, ui, {}, ops).completed; };
    loop.failed = [&](const lw::test::FaultPoint& point) {
        for (const std::string& name : names) EXPECT_EQ(File(name), "old " + name);
        // Operations 1-20 write the four new files (five each), 21-27 the journal naming them
        // (counted to the last file), 28-31 put them in place.
        const int n = point.n;
        const size_t file = n <= 20 ? static_cast<size_t>((n - 1) / 5) : n <= 27 ? 3 : static_cast<size_t>(n - 28);
        const std::string kind = file == 0 ? "HTML" : "CSV";
        const std::string text =
            point.op == lw::platform::FileOp::Create
                ? (file == 0 ? "Cant create file for Internet Publishing" : "Cant create CSV file")
            : point.way == lw::test::FaultWay::DiskFull ? "Cannot Save " + kind + " File to specified disk. Disk may be full"
                                                        : "Can't Save " + kind + " File!";
        EXPECT_EQ(ui.calls, (Calls{{"Message", "File Error", text}}));
    };
    loop.succeeded = [&](const lw::test::FaultPoint*) {
        for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(File(names[i]), fresh[i]);
        EXPECT_EQ(ui.calls.size(), 1u);
    };
    EXPECT_EQ(loop.Run().points, 42);  // seven on each new file, nine on the journal, four renames, the folder
}

// Names and codes from outside files stay text on the page and in their CSV columns; a row
// never grows past 36 day cells; a later day's own entry wins over an earlier trip's stations.
TEST(PublishRows, OutsideTextAndLongTripsNearTheEnd) {
    auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers, 1, 2, 2026, 28);
    const int longTrip = lw::test::AddPairing(*doc, {.number = 7, .length = 10}, {26});
    lw::test::SetLayovers(*doc, longTrip, "AAABBBCCCDDDEEEFFFGGGHHHIIIJJJ");
    const int trip = lw::test::AddPairing(*doc, {.number = 3001, .length = 3}, {0});
    lw::test::SetLayovers(*doc, trip, "YULYVR");
    const int row = lw::test::AddCrew(*doc, "<b>O'NEIL & \"SON\"</b>", 42);
    lw::test::Hold(*doc, row, trip, 0);
    lw::test::PutDayActivity(*doc, row, 2, lw::test::ActivityPlan{"A,B", "--", 600, 60});
    lw::test::Hold(*doc, row, longTrip, 26);

    const std::string page = lw::output::PublishPageText(*doc);
    const std::string last = page.substr(page.rfind("<TR><TD>"));
    EXPECT_EQ(last, "<TR><TD>&lt;b&gt;O'NEIL &amp; \"SON\"&lt;/b&gt;</TD><TD>42</TD><TD>00:00</TD>" + Td("3001") +
                        Td("YUL") + Td("A,B") + Xs(23) + Td("7") + Td("AAA") + Td("BBB") + Td("CCC") + Td("DDD") +
                        Td("EEE") + Td("FFF") + Td("GGG") + Td("HHH") + Td("III") + "</TR>\r\n");
    const std::string list = lw::output::BlockListCsv(*doc);
    EXPECT_EQ(list, "Feb,2026\r\n\"<b>O'NEIL & \"\"SON\"\"</b>\",42,3001,2026-02-01,\"A,B\",2026-02-03,0007,2026-02-27\r\n");
}

}  // namespace
