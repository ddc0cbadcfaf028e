// The generated month read by the program's own loaders, the way the new-month wizard reads it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "import/absence_extract.h"
#include "import/activity_extract.h"
#include "import/lis_scan.h"
#include "import/new_month.h"
#include "import/pairing_file.h"
#include "import/roster_extract.h"
#include "import/toolbox_file.h"
#include "model/document.h"
#include "temp_folder.h"
#include "tools/lwgen_run.h"

namespace {

namespace fs = std::filesystem;
using lw::base::Date;
using lw::model::Document;
using lw::test::FakeInteraction;
using lw::test::TempFolder;
using namespace lw::test::lwgen;

struct Group {
    std::string base, eqp, status;  // "YYZ", "DH8", "capt" / "fo" / "fa"
    std::string month;              // "2027-03"
    int crew;
    lw::base::Date first, last;
    char letter;
    std::string accepted;  // equipment characters the group's loader takes
};

void PrintTo(const Group& g, std::ostream* os) { *os << g.base << " " << g.eqp << " " << g.status << " " << g.month; }

std::string StatusCode(const Group& g) { return g.status == "capt" ? "CA" : g.status == "fo" ? "FO" : "FA"; }

// Everything the planner was shown, for a failure message.
std::string Shown(const FakeInteraction& ui) {
    std::string text;
    for (const auto& c : ui.calls)
        if (c.kind == "Message" || c.kind == "Ask" || c.kind == "ShowList")
            text += c.kind + " [" + c.title + "] " + c.text.substr(0, 600) + "\n";
    return text;
}

class LwgenLoaders : public ::testing::TestWithParam<Group> {};

TEST_P(LwgenLoaders, TheWizardsLoadersTakeTheWholeMonth) {
    const Group g = GetParam();
    TempFolder dir;
    const fs::path out = dir / "month";
    const GenResult run = Generate(dir.Path(), {"--seed", "21", "--out", out.string(), "--month", g.month, "--base", g.base,
                                          "--eqp", g.eqp, "--status", g.status, "--crew", std::to_string(g.crew)});
    ASSERT_EQ(run.exit, 0) << run.err;
    const bool cabin = g.status == "fa";
    const std::string family = cabin ? "c" : "p";
    const std::string stem = std::string(g.month == "2027-03" ? "MAR" : "NOV") + "2027";

    Document doc;
    FakeInteraction ui;
    const std::string groupCode = g.base + (cabin ? std::string("DH8") : g.eqp) + StatusCode(g) + g.letter;
    const int8_t crewGroup = cabin ? lw::model::kFlightAttendants
                                   : g.status == "fo" ? lw::model::kFirstOfficers : lw::model::kCaptains;
    ASSERT_TRUE(lw::import::SetUpNewMonth(doc, ui, g.first, g.last, crewGroup, groupCode));

    ASSERT_TRUE(lw::import::LoadToolboxFile(doc, ui, out / (stem + ".box"))) << Shown(ui);
    EXPECT_EQ(doc.ActivityCount, cabin ? 15 : 18);

    ASSERT_TRUE(lw::import::LoadRosterExtract(doc, ui, out / (g.base + "1per" + family + ".ext"))) << Shown(ui);
    EXPECT_EQ(doc.CrewCount, g.crew);
    int languages = 0;
    for (int r = 0; r < doc.CrewCount; ++r) languages += doc.Crew[static_cast<size_t>(r)].LanguageBits != 0;
    EXPECT_GT(languages, 0) << "language codes should reach some crew members";

    ASSERT_TRUE(lw::import::LoadAbsenceExtract(doc, ui, out / (g.base + "1abs" + family + ".ext"), false)) << Shown(ui);
    ASSERT_TRUE(lw::import::LoadAbsenceExtract(doc, ui, out / (g.base + "2abs" + family + ".ext"), true)) << Shown(ui);
    int thisMonth = 0, nextMonth = 0;
    for (int r = 0; r < doc.CrewCount; ++r) {
        for (int d = 0; d < lw::model::kDayCells; ++d) {
            if (doc.Crew[static_cast<size_t>(r)].DayAssignment[static_cast<size_t>(d)] != -2) continue;
            (d < doc.DayCount ? thisMonth : nextMonth)++;
        }
    }
    EXPECT_GT(thisMonth, 0);
    EXPECT_GT(nextMonth, 0);

    ASSERT_TRUE(lw::import::LoadLastMonthData(doc, ui, out / (g.base + "1act" + family + ".ext"),
                                              out / (g.base + "1prg" + family + ".ext")))
        << Shown(ui);
    int carried = 0;
    for (int r = 0; r < doc.CrewCount; ++r) carried += doc.Crew[static_cast<size_t>(r)].CreditCarriedIn > 0;
    EXPECT_GT(carried, 0) << "some trips should run into the month";

    const std::vector<std::string> prg = Lines(out / (stem + ".PRG"));
    const int expected = GroupPairings(prg, g.letter, g.accepted, StatusCode(g));
    ASSERT_TRUE(lw::import::LoadPairingFile(doc, ui, out / (stem + ".PRG"), "", cabin)) << Shown(ui);
    EXPECT_EQ(doc.LastPairIndex + 1, expected);

    for (int i = 0; i <= doc.LastPairIndex; ++i) {
        lw::model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
        EXPECT_TRUE(p.Validate(doc.DayCount)) << p.Designation() << ": " << p.ValidationText;
    }

    const fs::path lis = out / (g.base + (cabin ? "_CABIN_" : "_PILOT_") + stem + ".LIS");
    ASSERT_TRUE(lw::import::ScanLisFiles(doc, ui, {lis})) << Shown(ui);
    int typed = 0, french = 0;
    for (int i = 0; i <= doc.LastPairIndex; ++i) {
        const std::string& text = doc.Pairings[static_cast<size_t>(i)].PairText;
        typed += text.find("***") != std::string::npos;
        french += text.find("FRENCH PAIRING") != std::string::npos;
    }
    EXPECT_EQ(typed, doc.LastPairIndex + 1) << "every pairing should be found in its listing";
    if (cabin) {
        EXPECT_GT(french, 0);
    }

    // Nothing the planner would have to chase: no errors, no warnings beyond the summaries.
    for (const auto& c : ui.calls) {
        if (c.kind != "ShowList" && c.kind != "Message") continue;
        const bool summary = c.title.find("Summary") != std::string::npos;
        EXPECT_TRUE(summary || c.title == "Pairing Warnings and Report") << c.title << ": " << c.text.substr(0, 2000);
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, LwgenLoaders,
                         ::testing::Values(Group{"YYZ", "DH8", "capt", "2027-03", 120, lw::base::Date::FromDmy(2, 3, 2027),
                                                 lw::base::Date::FromDmy(31, 3, 2027), 'Z', "8X"},
                                           Group{"YVR", "CRJ", "fo", "2027-11", 60, lw::base::Date::FromDmy(1, 11, 2027),
                                                 lw::base::Date::FromDmy(30, 11, 2027), 'V', "72"},
                                           Group{"YUL", "DH8", "fa", "2027-03", 90, lw::base::Date::FromDmy(2, 3, 2027),
                                                 lw::base::Date::FromDmy(31, 3, 2027), 'M', ""}),
                         [](const ::testing::TestParamInfo<Group>& p) { return p.param.base + p.param.status; });

}  // namespace
