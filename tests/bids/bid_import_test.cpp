// The pilot bids import on a March month with four pilots and a pairing on one of their days.
#include "bids/bid_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "../fake_interaction.h"
#include "../support/block_builder.h"
#include "../temp_folder.h"
#include "output/document_dump.h"

namespace {

using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;

// One record of the bidding system's file; fields are numbered from 1 as the file lists them.
std::string Record(std::map<int, std::string> fields, bool endMarker = true) {
    std::string out;
    for (int n = 1; n <= 35; ++n) out += (n == 1 ? "\"" : "\",\"") + fields[n];
    return out + "\"," + (endMarker ? "\"end_x_bid\"" : "\"\"") + "\r\n";
}

std::map<int, std::string> Alpha() {
    std::map<int, std::string> f = {
        {1, "000123"},      {2, "Ann"},        {3, "Alpha"},       {4, "ann@example.com"}, {5, "416-555-0101"},
        {6, "905-555-0199"}, {7, "x"},         {8, "y"},           {9, "3"},               {10, "1"},
        {11, "2"},          {12, "3,+2"},      {13, "10"},         {14, ""},               {15, "1"},
        {16, "4"},          {17, "0"},         {18, "17"},         {19, "Y"},              {20, "Pairings"},
        {21, "12"},         {22, "Off 5-9\v12\v"}, {23, ""},       {24, "z8101 z8102"},    {30, "8103"},
        {31, "Thanks"},     {32, "none"},      {33, "2,3"},        {34, "2027-02-10"},     {35, "14:22:31.123"}};
    return f;
}

class BidsImportMonth : public ::testing::Test {
protected:
    void SetUp() override {
        doc = lw::test::NewMonth(lw::base::Date::FromDmy(1, 3, 2027), 31, lw::model::kCaptains, ui);
        for (int n : {8101, 8102, 8103}) lw::test::AddPairing(*doc, lw::test::DayTrip(n, 420, 600));
        lw::test::AddMember(*doc, "ALPHA A", 123);
        lw::test::AddMember(*doc, "BRAVO B", 4567);
        lw::test::AddMember(*doc, "CHARLIE C", 1002003);
        lw::test::AddMember(*doc, "DELTA D", 777);
        lw::test::PutPairing(*doc, 1, 0, 4);  // BRAVO flies on 5 March
        doc->Crew[3].BidText = "OLD BID";
        ui.calls.clear();
    }
    std::string Write(const std::string& text) {
        lw::test::WriteBytes(dir / "bids.csv", text);
        return (dir / "bids.csv").string();
    }
    std::string Dump() const { return lw::output::DumpDocument(*doc, {}); }
    FakeInteraction ui;
    lw::test::TempFolder dir;
    std::unique_ptr<lw::model::Document> doc;
};

TEST_F(BidsImportMonth, BidsImportComposesBidsMarksDaysAndWarns) {
    auto bravo = Alpha();
    bravo[1] = "004567";
    bravo[20] = "res";
    bravo[12] = "1,2,3,4,6,7,8,9,10,11";
    bravo[13] = "5";
    bravo[14] = "x";
    auto charlie = Alpha();
    charlie[1] = "1002003";
    const std::string file = Write("EMP,FIRST,LAST\r\n" + Record(Alpha()) + Record(bravo) + Record(charlie, false));
    ui.answers = {Answer::No};
    ASSERT_TRUE(lw::bids::ImportPilotBids(*doc, ui, file));

    const lw::model::TPilot& alpha = doc->Crew[0];
    EXPECT_EQ(alpha.BidText,
              "ANN ALPHA    000123\n"
              "MAX DAYS: 17MAX DAYS RES: 12    CREW REST: Y    PAIR/RES: PAIRINGS    LBW: 3\n"
              "VAC: 1   STAT: 2   GDO: 3,+2   PDO1: 10   PDO NEXT: 1   USED PDO: 4   SIM: 0   \n"
              "\n"
              "(1). OFF 5-9 12\v\n"
              "(3). Z8101 Z8102\n"
              "\nPREF PAIRS: 8103"
              "\n\nCOMMENTS THIS: THANKS"
              "\nCOMMENTS LAST: NONE"
              "\n\n"
              "EMAIL: ANN@EXAMPLE.COM   PH1: 416-555-0101   PH2: 905-555-0199\n"
              "HIST PDO: 2,3SUBMITTED: 2027-02-10 14:22:31");
    EXPECT_EQ(alpha.Phone1, "416-555-0101");
    EXPECT_EQ(alpha.Phone2, "905-555-0199");
    EXPECT_FALSE(alpha.BidsReserve);
    EXPECT_EQ(alpha.DayFlagA[2], 13);   // 3 March
    EXPECT_EQ(alpha.DayFlagA[32], 13);  // 2 April
    EXPECT_EQ(alpha.DayFlagA[9], 14);   // 10 March

    const lw::model::TPilot& b = doc->Crew[1];
    EXPECT_TRUE(b.BidsReserve);
    EXPECT_NE(b.BidText.find("GDO: 1,2,3,4,6,7,8,9,10,11 ERROR! TO MANY GDOS    PDO1: 5 ERROR!    PDO2: X ERROR!    "),
              std::string::npos);
    EXPECT_EQ(b.DayFlagA[0], 0);  // the too long list marks nothing
    EXPECT_EQ(b.DayFlagA[4], 0);  // the day of the pairing

    EXPECT_EQ(doc->Crew[2].BidText, "");
    EXPECT_EQ(doc->Crew[3].BidText, "OLD BID");
    const std::string warnings =
        "* GDO Load Error for BRAVO B  Emp Number 4567.\n"
        "* PDO1 Load Error for BRAVO B  Emp Number 4567.\n"
        "* PDO2 Load Error for BRAVO B  Emp Number 4567.\n"
        "BRAVO B Flagged as Bidding Reserve.\n"
        "* Bid Found but Unable to Extract Bid Data for CHARLIE C  Emp Number 1002003.\n"
        "No Bid Found for DELTA D  Emp Number 777.";
    std::vector<Call> shown;
    for (const Call& c : ui.calls)
        if (c.kind != "Progress") shown.push_back(c);
    std::string clip = warnings;
    for (size_t i = 0; (i = clip.find('\n', i)) != std::string::npos; i += 2) clip.replace(i, 1, "\r\n");
    EXPECT_EQ(shown, (std::vector<Call>{
                         {"Ask", "Linewright",
                          "Current Bids will be replaced on an individual basis when a bid is found in this file. "
                          "Would you Like to Delete All Current Bids First"},
                         {"BeginProgress", "Importing Pilot Bids", "4"},
                         {"EndProgress", "", ""},
                         {"ShowList", "Missing Bids / Warnings.  List Copied to Windows Clipboard", warnings},
                         {"SetClipboard", "", clip + "\r\n"},
                     }));
    EXPECT_EQ(ui.calls[2], (Call{"Progress", "0", "Searching for Bid 1 of 4"}));
    EXPECT_TRUE(doc->Modified);
}

TEST_F(BidsImportMonth, BidsImportKeepsTheVerticalTabThatEndsARequest) {
    auto alpha = Alpha();
    alpha[22] = "Off 5\v";
    alpha[24] = "";
    ui.answers = {Answer::No};
    ASSERT_TRUE(lw::bids::ImportPilotBids(*doc, ui, Write(Record(alpha))));
    const std::string& bid = doc->Crew[0].BidText;
    const size_t from = bid.find("(1). ");
    ASSERT_NE(from, std::string::npos) << bid;
    EXPECT_EQ(bid.substr(from, bid.find("\nPREF PAIRS") - from), "(1). OFF 5\v\n");
}

TEST_F(BidsImportMonth, BidsImportDeleteCancelAndRefusals) {
    const std::string file = Write(Record(Alpha()));
    ui.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(lw::bids::ImportPilotBids(*doc, ui, file));
    EXPECT_EQ(doc->Crew[3].BidText, "");
    EXPECT_EQ(ui.calls[1], (Call{"Ask", "Linewright",
                                 "Confirm that you wish to Delete All Pilot Bids before Importing the Bids from the CSV "
                                 "File"}));

    // Cancel, a missing file and a cabin month leave the document as it was.
    doc->Crew[3].BidText = "OLD BID";
    doc->Modified = false;
    const std::string before = Dump();
    ui.calls.clear();
    ui.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(lw::bids::ImportPilotBids(*doc, ui, file));
    EXPECT_FALSE(lw::bids::ImportPilotBids(*doc, ui, (dir / "none.csv").string()));
    doc->CrewGroup = lw::model::kFlightAttendants;
    EXPECT_FALSE(lw::bids::ImportPilotBids(*doc, ui, file));
    doc->CrewGroup = lw::model::kCaptains;
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(ui.Messages(), (std::vector<Call>{{"Message", "Linewright", "Unable to Open File " + (dir / "none.csv").string()},
                                                {"Message", "Linewright", "This Feature is for Pilot Use Only"}}));

    // A file larger than any bids file is refused before any bid is deleted.
    const auto huge = dir / "huge.csv";
    lw::test::WriteBytes(huge, Record(Alpha()));
    ASSERT_EQ(truncate(huge.c_str(), off_t{65} << 20), 0);
    ui.calls.clear();
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(lw::bids::ImportPilotBids(*doc, ui, huge.string()));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright",
                                            huge.string() + " is larger than any bids file (64 MB) and was not read."}}));
    EXPECT_EQ(Dump(), before);
}

TEST_F(BidsImportMonth, BidsImportSurvivesJunk) {
    doc->Crew[3].BidText.clear();
    std::string junk = "\"000123\",";
    for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 7919) % 256);
    junk += "\"004567\",\"a\",\"b\"end_x_bid";
    ASSERT_TRUE(lw::bids::ImportPilotBids(*doc, ui, Write(junk)));
    EXPECT_EQ(doc->Crew[0].BidText, "");
    EXPECT_EQ(doc->Crew[1].BidText, "");
}

TEST_F(BidsImportMonth, BidsImportGdoListRules) {
    // A "+" day lies after the month; the list stops at the first day it cannot mark.
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 0, " 3 ,+2", 13), "");
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 0, "next+5", 14), "");
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 1, "6,5,7", 13), " ERROR! ");
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 1, "32", 13), " ERROR! ");
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 1, "1,,2", 13), " ERROR! ");
    EXPECT_EQ(lw::bids::MarkBidDays(*doc, 1, "1,2,3,4,6,7,8,9,10,x", 14), " ERROR! TO MANY PDOs ");
    EXPECT_EQ(doc->Crew[0].DayFlagA[2], 13);
    EXPECT_EQ(doc->Crew[0].DayFlagA[32], 13);
    EXPECT_EQ(doc->Crew[0].DayFlagA[35], 14);
    EXPECT_EQ(doc->Crew[1].DayFlagA[5], 13);  // marked before the pairing's day stopped the list
    EXPECT_EQ(doc->Crew[1].DayFlagA[6], 0);
}

}  // namespace
