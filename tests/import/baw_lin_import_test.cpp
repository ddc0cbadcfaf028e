// Crew blocks brought back from CrewTrac files: the round trip through the export, and every
// warning of files that do not fit the month.
#include "import/baw_lin_import.h"

#include <gtest/gtest.h>

#include "output/crewtrac_export.h"
#include "../output/crewtrac_month.h"
#include "temp_folder.h"

namespace {

using lw::test::FakeInteraction;
using lw::test::k14;
using lw::test::k20;
using lw::test::kNoNotes;
using lw::test::LinLine;
using Call = FakeInteraction::Call;

// Every day a block holds, as the planner sees it.
std::string Blocks(const lw::model::Document& doc) {
    std::string s;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const lw::model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < doc.DayCount; ++d) {
            const size_t i = static_cast<size_t>(d);
            if (p.DayAssignment[i] == lw::model::kDayEmpty) continue;
            s += p.Name + " " + std::to_string(d) + " " + std::to_string(p.DayAssignment[i]) + " [" + p.DayCode[i] +
                 "] [" + p.DayExtractCode[i] + "]";
            for (int32_t v : p.DayActivity[i]) s += " " + std::to_string(v);
            s += "\n";
        }
    }
    return s;
}

class BawLinImport : public ::testing::Test {
protected:
    lw::test::TempFolder dir;
    FakeInteraction ui;
};

TEST_F(BawLinImport, ExportedMonthComesBackWhole) {
    auto doc = lw::test::CrewTracPilotMonth((dir / "apr.lw2").string());
    FakeInteraction quiet;
    ASSERT_TRUE(lw::output::ExportCrewTrac(*doc, quiet, {"APR", "V", "8", lw::output::CrewTracCrewType::Captain}).completed);
    const std::string before = Blocks(*doc);
    lw::rules::Board board;
    for (int c = 0; c < doc->CrewCount; ++c) {
        lw::model::TPilot& p = doc->Crew[static_cast<size_t>(c)];
        for (int d = 0; d < doc->DayCount; ++d) {
            const size_t i = static_cast<size_t>(d);
            if (p.DayAssignment[i] >= 0) {
                ASSERT_EQ(lw::rules::RemovePair(*doc, board, c, p.DayAssignment[i], d), 0);
            }
            p.DayAssignment[i] = lw::model::kDayEmpty;
            p.DayCode[i].clear();
            p.DayExtractCode[i].clear();
            p.DayActivity[i] = {};
        }
    }
    ASSERT_EQ(Blocks(*doc), "");

    ASSERT_TRUE(lw::import::ImportBawLinFiles(*doc, ui, dir / "Export" / "APR.BAW", dir / "Export" / "APR.LIN"));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"ShowList", "Import BAW and LIN Blocks",
                                            "001 000123456 PV8CA P  4 entries  ADAMS, ANN\n"
                                            "002 000000000 PV8CA O  1 entries  open time\n"
                                            "003 000234567 PV8CA L  1 entries  BAKER, BEN\n"
                                            "004 000345678 PV8CA P  3 entries  COLE, CAL\n"
                                            "005 000456789 PV8CA L  1 entries  DAVIS, DON"}}));
    // The day without a CrewTrac code never went over, and the A reserve came back cut at
    // midnight.
    EXPECT_EQ(lw::test::Changes(before, Blocks(*doc)),
              (lw::test::Lines{"-ADAMS, ANN 24 -2 [RA ] [RA] 1200 600 0 0 1 1 0 1 0 0",
                               "-ADAMS, ANN 27 -2 [XYZ] [--] 600 60 0 0 0 0 0 0 0 0",
                               "+ADAMS, ANN 24 -2 [RA ] [RA] 1200 240 0 0 1 1 0 1 0 0"}));
    EXPECT_TRUE(doc->Pairings[0].IsTaken(2));
    EXPECT_TRUE(doc->Pairings[0].IsOpen(9));
}

std::string Pair(const char* name, const char* date) { return std::string("10ZJ  ") + name + " " + date + k20; }
std::string Act(const char* code, const char* from, const char* start, const char* to, const char* end) {
    return std::string("99") + code + k14 + from + start + to + end;
}

TEST_F(BawLinImport, WarningsAndBlocksThatDoNotFit) {
    auto doc = lw::test::CrewTracPilotMonth((dir / "apr.lw2").string());
    lw::test::WriteBytes(dir / "B.BAW",
                         "000123456 PV8001CA\r\n000999999 PV8002CA\r\n000234567 PV8003CA\r\n12345\r\n"
                         "000345678 PV8004CA\r\n");
    lw::test::WriteBytes(
        dir / "B.LIN",
        LinLine("0ZJ 2604PV8") +
            LinLine("1PV8001L00000000CA" + kNoNotes + Pair("V1001", "260410") + Act("VC", "260416", "0720", "260416", "0960")) +
            LinLine("1PV8002L00000000CA" + kNoNotes) +
            LinLine("1PV8003L00000000CA" + kNoNotes + Pair("V1002", "260406") + Pair("V1001", "260403") +
                    Pair("V9999", "260407") + Act("ZQ", "260408", "0600", "260408", "0700") +
                    Act("VC", "260415", "0720", "260416", "0960") + Pair("V1001", "260503")) +
            "1PV8004\r\n" + LinLine("1PV8009L00000000CA" + kNoNotes));
    const std::string adamsBefore = Blocks(*doc);
    ui.answers = {lw::platform::Answer::No, lw::platform::Answer::Yes};
    ASSERT_TRUE(lw::import::ImportBawLinFiles(*doc, ui, dir / "B.BAW", dir / "B.LIN"));
    const std::vector<Call> expected = {
        {"ShowList", "Import BAW and LIN Blocks",
         "001 000123456 PV8CA L  2 entries  ADAMS, ANN\n"
         "002 000999999 PV8CA L  0 entries  not on the Roster\n"
         "003 000234567 PV8CA L  5 entries  BAKER, BEN"},
        {"Ask", "Linewright", "ADAMS, ANN: the block of line 001 cannot be placed whole. Place what can be placed?"},
        {"Ask", "Linewright", "BAKER, BEN: the block of line 003 cannot be placed whole. Place what can be placed?"},
        {"ShowList", "Summary",
         "BAW line 4 is 5 characters long, not 18: skipped\n"
         "LIN line 4: entry 10ZJ  V1001 260503 is not a day of this month: skipped\n"
         "LIN line 5 is 7 characters long, not 1320: skipped\n"
         "Line 004 of the BAW file has no LIN record: skipped\n"
         "LIN record of line 009 has no BAW line: skipped\n"
         "Line 001: day 10 is not free for V1001\n"
         "Employee 000999999 of line 002 is not on the Roster\n"
         "Line 003: pairing V1002 does not operate on day 6\n"
         "Line 003: pairing V1001 on day 3 is taken\n"
         "Line 003: pairing V9999 is not in the pairing table\n"
         "Line 003: no activity has the CrewTrac code ZQ"},
    };
    EXPECT_EQ(ui.calls, expected);
    // ADAMS said No: nothing of the block; BAKER said Yes: the vacation that fitted.
    EXPECT_EQ(lw::test::Changes(adamsBefore, Blocks(*doc)),
              (lw::test::Lines{"+BAKER, BEN 14 -2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                               "+BAKER, BEN 15 -2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0"}));
}

TEST_F(BawLinImport, MissingFileIsRefused) {
    auto doc = lw::test::CrewTracPilotMonth((dir / "apr.lw2").string());
    lw::test::WriteBytes(dir / "B.BAW", "");
    ASSERT_FALSE(lw::import::ImportBawLinFiles(*doc, ui, dir / "B.BAW", dir / "none.LIN"));
    EXPECT_EQ(ui.calls,
              (std::vector<Call>{{"Message", "Linewright", "File Error - Unable to Load Roster from this file."}}));
}

}  // namespace
