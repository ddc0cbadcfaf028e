#include "import/pairing_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fake_interaction.h"
#include "import/pairing_file.h"
#include "import/pairing_records.h"
#include "model/document.h"
#include "temp_folder.h"

namespace {

using lw::base::Date;
using lw::model::Document;
using namespace lw::test::prg;

class PairingText : public ::testing::Test {
protected:
    PairingText() {
        doc->SetMonthDates(lw::base::Date::FromDmy(1, 3, 2025), lw::base::Date::FromDmy(31, 3, 2025), ui);
        doc->GroupCode = "YYZDH8CAZ";
    }
    bool Load(const std::string& text) {
        lw::test::WriteBytes(dir / "month.PRG", text);
        return lw::import::LoadPairingFile(*doc, ui, dir / "month.PRG", "", false);
    }
    const std::string& Text(int i) const { return doc->Pairings[static_cast<size_t>(i)].PairText; }

    lw::test::TempFolder dir;
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    lw::test::FakeInteraction ui;
};

TEST_F(PairingText, EveryRecordTypeWithLayoverAndTotals) {
    Header h;
    h.tafb = 2000;
    h.credit = 900;
    h.weekdays = "YYYYYNN";
    h.except = {{{3, 10}, {0, 0}, {3, 17}, {0, 0}}};
    h.hard = {300, 240, 0, 0, 0, 0};
    Duty first{.credit = 400, .hotel = "DELTA OTTAWA CITY CENTRE", .more = {75, 60, 240}};
    Ymd day2{2025, 3, 4};
    OtherCarrier dh{.date = day2};
    Segment home{.date = day2, .flight = "1456", .from = "BOS", .to = "YYZ", .dep = 600, .arr = 690, .time = 90,
                 .deadhead = true};
    Duty last{.date = day2, .start = 450, .end = 780, .duty = 330, .layover = 0, .credit = 500, .station = "YYZ",
              .more = {90, 0, 210}};
    ASSERT_TRUE(Load(h.Line() + Segment{}.Line() + OtherSegment{}.Line() + first.Line() + dh.Line() + home.Line() +
                     last.Line()));

    EXPECT_EQ(Text(0),
              "    Z8101   BSE REPT:06:00L   OPERATES - MAR.1-MAR.31 EXCEPT SAT SUN\n"
              "    CA01FO01                        EXCEPT MAR.10 MAR.17  \n"
              " \n"
              "  1     123   YYZ-YUL   07:00 08:15   1:15\n"
              "  1     LMO   YUL-YOW   09:00 10:00              1:15   1:00   4:00   5:00  YOW 20:00\n"
              "    REPT: 06:00 D-END: 11:00 DELTA OTTAWA CITY CENTRE               \n"
              "  2 DHWS 1234 YOW-BOS   08:00 09:15         CNF\n"
              "  2  DH1456   BOS-YYZ   10:00 11:30   1:30  1:30   0:00   3:30   5:30 \n"
              "    REPT: 07:30 D-END: 13:00\n"
              "   TOTALS  TAFB 33:20   BLOCK  9:00   CREDIT 15:00   FAT UNITS: 13:30   DUTY: 10:30 \n"
              "   USA SEGMENT ");
}

TEST_F(PairingText, LateReleaseShowsCrewOnDutyAndWeekdaysFlown) {
    Header h;
    h.tafb = 2000;
    h.credit = 600;
    h.late = true;
    h.weekdays = "YNNNNNN";
    Ymd day2{2025, 3, 4};
    Segment back{.date = day2, .flight = "0200", .from = "YUL", .to = "YYZ", .dep = 600, .arr = 675};
    Duty last{.date = day2, .start = 540, .end = 720, .duty = 180, .layover = 0, .station = "YYZ"};
    ASSERT_TRUE(Load(h.Line() + Segment{}.Line() + Duty{.hotel = "CREW REST"}.Line() + back.Line() + last.Line()));

    EXPECT_EQ(Text(0),
              "    Z8101   BSE REPT:06:00L   OPERATES - MAR.1-MAR.31 MON\n"
              "    CA01FO01                         \n"
              " \n"
              "  1     123   YYZ-YUL   07:00 08:15   1:15  0:00   0:00   0:00   5:00 \n"
              "     CREW ON DUTY CREW REST                              \n"
              "  2     200   YUL-YYZ   10:00 11:15   1:15  0:00   0:00   0:00   3:00 \n"
              "    REPT: 09:00 D-END: 12:00\n"
              "   TOTALS  TAFB 33:20   BLOCK  0:00   CREDIT 10:00   FAT UNITS: 10:00   DUTY:  8:00 \n");
}

TEST_F(PairingText, ShortLinesAreRefusedWithNothingWritten) {
    lw::model::TPair pair;
    pair.PairText = "kept";
    const std::string segment = Segment{}.Line();
    EXPECT_FALSE(lw::import::RenderPairingRecord(pair, segment.substr(0, 61), lw::base::Date()));
    EXPECT_FALSE(lw::import::RenderPairingRecord(pair, Header{}.Line().substr(0, 144), lw::base::Date()));
    EXPECT_TRUE(lw::import::RenderPairingRecord(pair, "3Z8 no duty here", lw::base::Date()));  // nothing to show
    EXPECT_EQ(pair.PairText, "kept");
}

class UsSegmentScan : public PairingText {};

TEST_F(UsSegmentScan, MarksDeparturesOnceAndNeverTwice) {
    Header bos{.pairing = "Z8101"}, arrival{.pairing = "Z8102"};
    std::string file = bos.Line() + Segment{.to = "BOS"}.Line() + Segment{.from = "BOS", .to = "LAX"}.Line() +
                       Segment{.from = "LAX", .to = "YYZ"}.Line() + Duty{}.Line();
    file += arrival.Line() + Segment{.to = "BOS"}.Line() + Duty{}.Line();
    ASSERT_TRUE(Load(file));
    const std::string marked = Text(0);
    EXPECT_EQ(marked.substr(marked.size() - 16), "\n   USA SEGMENT ");
    EXPECT_TRUE(doc->Pairings[0].UsaSegments);
    EXPECT_FALSE(doc->Pairings[1].UsaSegments);
    EXPECT_EQ(Text(1).find("USA"), std::string::npos);

    // A second scan keeps the one mark.
    EXPECT_EQ(lw::import::ScanUsSegments(*doc, ui), 1);
    EXPECT_EQ(Text(0), marked);
    EXPECT_TRUE(doc->Pairings[0].UsaSegments);
}

class CityPairSummary : public PairingText {};

TEST_F(CityPairSummary, SegmentTimeAndDeadheadsPerCityPairAndPrefix) {
    const std::string shortLine = Segment{.to = "YHZ"}.Line().substr(0, 79) + "\n";
    const std::string file = Header{}.Line() + Segment{}.Line() + Segment{.from = "YUL", .to = "YYZ", .time = 80}.Line() +
                             OtherCarrier{}.Line() + Segment{.codes = "V5", .time = 60}.Line() + Segment{}.Line() +
                             shortLine + OtherCarrier{.codes = "V5", .from = "YYZ", .to = "YUL"}.Line() + Duty{}.Line();
    const std::string expected =
        "         ----- Z8 -----  ----- V5 ----- \n"
        "YYZ-YUL    02:30  DH  0    01:00  DH  1\n"
        "YUL-YYZ    01:20  DH  0                \n"
        "YOW-BOS    00:00  DH  1                \n";
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(doc->DocTexts[21], expected);
    EXPECT_EQ(lw::import::BuildCityPairSummary(dir / "month.PRG"), expected);
    EXPECT_EQ(lw::import::BuildCityPairSummary(dir / "missing.PRG"), std::nullopt);
}

TEST_F(CityPairSummary, StopsAtFiveHundredPairsAndTwentyPrefixes) {
    std::string file, expected = "         ----- Z8 ----- \n";
    auto code = [](int i) { return std::string{char('A' + i / 26 % 26), char('A' + i % 26), 'Q'}; };
    for (int i = 0; i < 501; ++i) {
        file += Segment{.from = code(i), .time = 1}.Line();
        if (i < 500) expected += code(i) + "-YUL    00:01  DH  0\n";
    }
    file += Segment{.from = code(0), .time = 1}.Line();  // after the stop: not counted
    lw::test::WriteBytes(dir / "pairs.PRG", file);
    EXPECT_EQ(lw::import::BuildCityPairSummary(dir / "pairs.PRG"), expected);

    file.clear();
    expected = "        ";
    std::string row = "YYZ-YUL";
    for (int i = 0; i < 21; ++i) {
        const std::string prefix = code(i).substr(0, 2);
        file += Segment{.codes = prefix}.Line();
        if (i == 20) break;
        expected += " ----- " + prefix + " ----- ";
        row += "    01:15  DH  0";
    }
    lw::test::WriteBytes(dir / "prefixes.PRG", file);
    EXPECT_EQ(lw::import::BuildCityPairSummary(dir / "prefixes.PRG"), expected + "\n" + row + "\n");
}

}  // namespace
