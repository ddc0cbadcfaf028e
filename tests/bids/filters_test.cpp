// Pairing filters on a March month of five pairings, two sharing number 8102.
#include "bids/filters.h"

#include <gtest/gtest.h>

#include "../fake_interaction.h"
#include "../support/block_builder.h"

namespace {

using lw::bids::FilterWindow;
using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;

class FilterMonth : public ::testing::Test {
protected:
    void SetUp() override {
        doc = lw::test::NewMonth(lw::base::Date::FromDmy(1, 3, 2027), 31, lw::model::kCaptains, ui);
        Add(8101, "YYZ YTZ YYZ");
        Add(8102, "YYZ YUL YYZ");
        Add(8103, "YYZ YOW YQB");
        Add(8104, "YYZ YTZ YYZ");
        Add(8102, "YYZ YHZ YYZ");
        lw::test::AddMember(*doc, "ADAMS J", 100827);
        lw::test::AddMember(*doc, "BROWN K", 100833);
        ui.calls.clear();
    }
    void Add(int number, std::string route) {
        lw::test::PairingPlan plan = lw::test::DayTrip(number, 420, 600);
        plan.route = std::move(route);
        lw::test::AddPairing(*doc, plan);
    }
    std::vector<int> Marks() const {
        std::vector<int> out;
        for (int i = 0; i <= doc->LastPairIndex; ++i) out.push_back(doc->Pairings[static_cast<size_t>(i)].PairMark);
        return out;
    }
    FakeInteraction ui;
    std::unique_ptr<lw::model::Document> doc;
};

TEST_F(FilterMonth, FilterApplyShowsMatchesLessExclusionsPlusPicks) {
    FilterWindow w(*doc, ui);
    ASSERT_TRUE(w.ClickCell(8104));
    w.editText = "Z,!YTZ;";
    w.ApplyFilters();
    EXPECT_EQ(Marks(), (std::vector<int>{0, 2, 2, 1, 2}));  // the picked 8104 stays though it holds YTZ
    EXPECT_TRUE(doc->FiltersOn);
    EXPECT_EQ(w.caption, "Scanning Pair 8102");
    EXPECT_EQ(w.pairsCaption, "Filters On");
    EXPECT_EQ(w.currentText, "Z,!YTZ;");
    EXPECT_EQ(lw::bids::RecentTexts(*doc), std::vector<std::string>{"Z,!YTZ;"});
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_FALSE(lw::bids::PairingShown(*doc, 0));
    EXPECT_TRUE(lw::bids::PairingShown(*doc, 3));

    // Exclusions alone match nothing; the empty text keeps only the picks.
    for (const char* text : {"!YTZ;", ""}) {
        w.editText = text;
        w.ApplyFilters();
        EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 1, 0})) << text;
        EXPECT_TRUE(doc->FiltersOn);
    }
    EXPECT_EQ(lw::bids::RecentTexts(*doc), (std::vector<std::string>{"!YTZ;", "Z,!YTZ;"}));
}

TEST_F(FilterMonth, FilterApplyAsksForTheSemicolon) {
    FilterWindow w(*doc, ui);
    w.editText = "YUL,YHZ;";
    w.ApplyFilters();
    ASSERT_EQ(Marks(), (std::vector<int>{0, 2, 0, 0, 2}));
    const Call question{"Ask", "Linewright", "Text Filter List must end in semi-colon ;. Do you want to Add semi-colon"};

    // No: the earlier matches are gone, nothing else changes.
    doc->FiltersOn = false;
    ui.answers = {Answer::No};
    w.editText = "YOW";
    w.ApplyFilters();
    EXPECT_EQ(ui.calls, std::vector<Call>{question});
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_FALSE(doc->FiltersOn);
    EXPECT_EQ(w.editText, "YOW");
    EXPECT_EQ(lw::bids::RecentTexts(*doc), std::vector<std::string>{"YUL,YHZ;"});

    ui.answers = {Answer::Yes};
    w.ApplyFilters();
    EXPECT_EQ(w.editText, "YOW;");
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 2, 0, 0}));
    EXPECT_EQ(lw::bids::RecentTexts(*doc), (std::vector<std::string>{"YOW;", "YUL,YHZ;"}));
}

TEST_F(FilterMonth, FilterRecentTextsKeepTwentyNewestFirst) {
    for (int i = 0; i < 20; ++i) doc->DocTexts[static_cast<size_t>(i)] = "K" + std::to_string(i) + ";";
    doc->DocTexts[5] = "z,!ytz;";
    lw::bids::AddRecentText(*doc, "Z,!YTZ;");
    std::vector<std::string> expected = {"Z,!YTZ;"};
    for (int i = 0; i < 20; ++i)
        if (i != 5) expected.push_back("K" + std::to_string(i) + ";");
    EXPECT_EQ(lw::bids::RecentTexts(*doc), expected);
    lw::bids::AddRecentText(*doc, "NEW;");
    expected.insert(expected.begin(), "NEW;");
    expected.pop_back();
    EXPECT_EQ(lw::bids::RecentTexts(*doc), expected);
}

TEST_F(FilterMonth, FilterCellsInvertAndClicks) {
    const auto cells = lw::bids::NumberCells(*doc);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[1].number, 8102);
    EXPECT_EQ(cells[1].firstPair, 1);
    EXPECT_EQ(cells[3].firstPair, 3);

    FilterWindow w(*doc, ui);
    w.ClickCell(8101);
    w.editText = "YUL,YHZ;";
    w.ApplyFilters();
    ASSERT_EQ(Marks(), (std::vector<int>{1, 2, 0, 0, 2}));
    w.Invert();  // text matches become picks, earlier picks drop
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 1, 1, 1}));
    w.ClickCell(8102);  // both pairings of the number
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 1, 1, 0}));
    EXPECT_FALSE(w.ClickCell(9999));

    w.RemoveFilters();
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_FALSE(doc->FiltersOn);
    EXPECT_EQ(w.editText, "");
    EXPECT_EQ(w.currentText, "");
    EXPECT_EQ(w.pairsCaption, "");
}

TEST_F(FilterMonth, FilterSaveAndRecallWithACrewMember) {
    FilterWindow w(*doc, ui);
    EXPECT_FALSE(w.SaveToMember());
    EXPECT_FALSE(w.RecallFromMember());
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright", "You have not selected the name to Save Filters to"},
                                           {"Message", "Linewright",
                                            "You have not selected the name to Recall the Filters from"}}));

    w.selectedCrew = 1;
    EXPECT_FALSE(w.RecallFromMember());
    EXPECT_EQ(w.caption, "No Filters to Recall from BROWN K");

    w.ClickCell(8102);
    w.ClickCell(8104);
    w.editText = "YOW;";
    ASSERT_TRUE(w.SaveToMember());
    EXPECT_EQ(doc->Crew[1].SavedFilters, "810281048102TEXTYOW;");  // once per pairing
    EXPECT_EQ(w.caption, "Filters Saved to BROWN K");
    EXPECT_EQ(doc->FilterCrewIndex, 1);

    doc->Crew[0].SavedFilters = "01020103TEXTZ;";
    w.ClickCell(8104);  // 8102 picked only
    w.editText = "YTZ;";
    w.ApplyFilters();
    ASSERT_EQ(Marks(), (std::vector<int>{2, 1, 0, 2, 1}));
    w.selectedCrew = 0;
    ASSERT_TRUE(w.RecallFromMember());
    // 102 and 103 are not this month's numbers: earlier picks drop, the text waits in the edit.
    EXPECT_EQ(Marks(), (std::vector<int>{2, 0, 0, 2, 0}));
    EXPECT_EQ(w.editText, "Z;");
    EXPECT_EQ(w.caption, "Filters Recalled from ADAMS J");
    doc->Crew[0].SavedFilters = "81038102TEXT";
    ASSERT_TRUE(w.RecallFromMember());
    EXPECT_EQ(Marks(), (std::vector<int>{2, 1, 1, 2, 1}));
    EXPECT_EQ(w.editText, "");
}

TEST_F(FilterMonth, FilterEmployeeOnAndOff) {
    std::string caption;
    EXPECT_FALSE(lw::bids::EmployeeFilterOn(*doc, ui, 5, caption));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright", "Unable to Find Employee to Filter"}}));
    EXPECT_FALSE(doc->FiltersOn);

    doc->Pairings[0].PairMark = 1;
    ASSERT_TRUE(lw::bids::EmployeeFilterOn(*doc, ui, 100833, caption));  // nothing saved: all hidden
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(caption, "Filters On for BROWN K");
    EXPECT_EQ(doc->FilterOwnerName, "BROWN K");

    // INDOC1 matches the pairing whose first leg leaves from elsewhere than the second lands.
    doc->Crew[1].SavedFilters = "8104TEXTINDOC1,YHZ,,!YUL;";
    ASSERT_TRUE(lw::bids::EmployeeFilterOn(*doc, ui, 100833, caption));
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 2, 1, 2}));
    doc->Crew[1].SavedFilters = "TEXTYTZ";  // saved without the semicolon: the whole key counts
    ASSERT_TRUE(lw::bids::EmployeeFilterOn(*doc, ui, 100833, caption));
    EXPECT_EQ(Marks(), (std::vector<int>{2, 0, 0, 2, 0}));

    lw::bids::EmployeeFilterOff(*doc, caption);
    EXPECT_EQ(Marks(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_FALSE(doc->FiltersOn);
    EXPECT_EQ(doc->FilterOwnerName, "");
    EXPECT_EQ(caption, "Filters Off");
}

TEST(FilterText, LegTestNeedsTwoLegLines) {
    lw::model::TPair p;
    const std::string leg1 = "2Z8103         7100         YYZ        0465YOW        0555";
    const std::string leg2 = "2Z8103         7101         YOW        0585YQB        0675";
    p.SourceLine = "1Z8103\n" + leg1 + "\n" + leg2 + "\n";
    EXPECT_TRUE(lw::bids::LegTest(p));
    p.SourceLine = "1Z8103\n" + leg1 + "\n3Z8103\n";
    EXPECT_FALSE(lw::bids::LegTest(p));
    p.SourceLine = "1Z8103\n" + leg1 + "\n" + leg2.substr(0, 40);
    EXPECT_FALSE(lw::bids::LegTest(p));
    p.SourceLine = "";
    EXPECT_FALSE(lw::bids::LegTest(p));
}

TEST(FilterText, WizardBuildsTheTextFilter) {
    FakeInteraction ui;
    EXPECT_EQ(lw::bids::WizardText({"Z", "", "", "", "YTZ", "", "", ""}, ui), "Z,!YTZ;");
    EXPECT_EQ(lw::bids::WizardText({"", "", "", "YUL", "", "A", "", "B"}, ui), "YUL,!A,!B;");
    EXPECT_EQ(lw::bids::WizardText({"123456789012345678901234567890X"}, ui), "12345678901234567890123456789;");
    EXPECT_EQ(lw::bids::WizardText({}, ui), "");
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(lw::bids::WizardText({"", "", "", "", "YTZ"}, ui), std::nullopt);
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright",
                                           "You need at least 1 Key word or Letter in a left edit box"}}));
}

TEST(FilterText, RenderSavedFilterInWords) {
    EXPECT_EQ(lw::bids::RenderSavedFilter(""), "--- Pairing Filters: ---\nNo Filters. Click to Edit\n");
    EXPECT_EQ(lw::bids::RenderSavedFilter("01020103TEXTZ,YUL,!YTZ,!M;"),
              "--- Pairing Filters: ---\nAlways Show:\n0102, 0103, \n"
              "Also Show Pairings Containing:\nZ,YUL,\nBut Not Containing:\nYTZ,M,");
    EXPECT_EQ(lw::bids::RenderSavedFilter("8101TEXT"), "--- Pairing Filters: ---\nAlways Show:\n8101, \n");
}

TEST_F(FilterMonth, FilterMemberEditorOkClearInvert) {
    doc->Crew[0].SavedFilters = "8103TEXTYOW;";
    lw::bids::MemberFilterEditor editor(*doc, 0);
    EXPECT_EQ(editor.caption, "Filters for ADAMS J");
    EXPECT_EQ(editor.selected, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(editor.editText, "YOW;");
    editor.Select(8101);
    editor.editText = "YUL";
    editor.Ok();
    EXPECT_EQ(doc->Crew[0].SavedFilters, "81018103TEXTYUL;");
    EXPECT_EQ(lw::bids::RecentTexts(*doc), std::vector<std::string>{"YUL;"});
    editor.Invert();
    editor.Ok();
    EXPECT_EQ(doc->Crew[0].SavedFilters, "81028104TEXTYUL;");
    editor.Clear();
    editor.Ok();
    EXPECT_EQ(doc->Crew[0].SavedFilters, "");
}

}  // namespace
