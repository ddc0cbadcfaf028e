// A month from its first file to its hand-off in the desktop program: File > New through the
// wizard with the captains sample's input files makes the month lwtool new makes, and the
// CrewTrac export dialog writes the files lwtool export crewtrac writes.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "cli/run_tool.h"
#include "month_window.h"
#include "output/document_dump.h"
#include "ui/crewtrac_export_dialog.h"
#include "ui/new_month_wizard.h"
#include "ui/pairing_load_dialog.h"
#include "ui/shared_notes_dialog.h"

namespace lw::ui {
namespace {

using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using platform::Answer;

const std::string kSample = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03";
std::string Sample(const char* name) { return kSample + "/" + name; }

void Shoot(QWidget& w, const char* name) {
    QDir().mkpath(LW_SCREENSHOT_DIR);
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QString(LW_SCREENSHOT_DIR) + "/" + name + ".png")) << name;
}

void Click(QAbstractButton* b) {
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << b->text().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
}

// Every chooser the test answered: its title and the folder it opened in.
Calls Choosers(const FakeInteraction& ui) {
    Calls out;
    for (const Call& c : ui.calls)
        if (c.kind.rfind("Choose", 0) == 0) out.push_back(c);
    return out;
}

std::string Dump(const std::string& file) {
    lw::test::TempFolder dir;
    const lw::test::ToolResult r = lw::test::RunTool(dir, {"dump", file});
    EXPECT_EQ(r.exit, 0) << r.err;
    return r.out;
}

struct NewMonthWizardTest : ui::test::MonthWindowTest {
    // The planner in whichever dialog opens: each kind of dialog has its own hand.
    std::function<int(SetDatesDialog&)> onDates;
    std::function<int(NewFileWizard&)> onWizard;
    std::function<int(MonthDialog&)> onMonth = [](MonthDialog& d) {
        Shoot(d, "setup-month");
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    std::function<int(QDialog&)> onOther;

    // File > New through the wizard with the sample's files, then the CrewTrac hand-off, each
    // held to what lwtool makes of the same files.
    void MakeAndHandOff(const struct SampleMonth& m, bool shoot);

    void NewWindow() {
        window = std::make_unique<MainWindow>(ui, profile, clock);
        window->resize(1200, 800);
        window->show();
        AnswerDialogs();
    }
    void AnswerDialogs() {
        window->SetDialogRunner([this](QDialog& d) {
            d.show();
            QApplication::setActiveWindow(&d);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            int result = QDialog::Rejected;
            if (auto* dates = dynamic_cast<SetDatesDialog*>(&d)) result = onDates(*dates);
            else if (auto* wizard = dynamic_cast<NewFileWizard*>(&d)) result = onWizard(*wizard);
            else if (auto* setup = dynamic_cast<MonthDialog*>(&d)) result = onMonth(*setup);
            else if (onOther) result = onOther(d);
            else ADD_FAILURE() << "unexpected dialog " << d.windowTitle().toStdString();
            d.hide();
            return result;
        });
    }
};

// One sample month's input files, and how the planner picks its group on the wizard's first page.
struct SampleMonth {
    std::string dir;
    std::string base;  // "YYZ": the files are YYZ1perp.ext and the like
    char letter;       // 'p' for pilots, 'c' for cabin crew
    std::string listing, group, status;
    int baseButton, statusButton;
    std::string settings;  // BuildingBase, BuildingEqp and BuildingStatus written
    std::string codes;     // the CrewTrac dialog's FileName, Base Code and Eqp Code
    Answer reserveOnly;    // the CrewTrac question cabin crew are asked
    std::string File(const std::string& name) const { return dir + "/" + name; }
    std::string Extract(int month, const char* kind) const {
        return File(base + std::to_string(month) + kind + letter + ".ext");
    }
};

void NewMonthWizardTest::MakeAndHandOff(const SampleMonth& m, bool shoot) {
    clock.Set({8, 12, 2026, 9, 0, 0});  // the day lwtool runs on in these tests
    NewWindow();
    const std::string made = (folder / "MAR2027 DH8.lw2").string();
    ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    ui.openFiles = {m.File("MAR2027.box"),   m.Extract(1, "per"), m.Extract(1, "abs"), m.Extract(2, "abs"),
                    m.Extract(1, "act"),     m.Extract(1, "prg"), m.File("MAR2027.PRG")};
    ui.openFileLists = {{m.File(m.listing)}};
    ui.saveFiles = {made};

    onDates = [shoot](SetDatesDialog& d) {
        // Opens on the month after today's; two months on is the sample's March (from the 2nd).
        EXPECT_EQ(d.StartText()->text() + " - " + d.EndText()->text(), "FR  01 January 2027 - SA  30 January 2027");
        Click(ui::test::ButtonOf(d, ">>"));
        Click(ui::test::ButtonOf(d, ">>"));
        EXPECT_EQ(d.StartText()->text() + " - " + d.EndText()->text(), "TU  02 March 2027 - WE  31 March 2027");
        if (shoot) Shoot(d, "set-dates");
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    if (!shoot) onMonth = [](MonthDialog& d) { Click(ui::test::ButtonOf(d, "OK")); return d.result(); };
    std::vector<std::string> trail;  // after each Next: the step, the text's opening, the four states
    onWizard = [&trail, &m, shoot](NewFileWizard& d) {
        // Nothing in the settings yet: YYZ, DH8, Capt.
        EXPECT_TRUE(d.BaseButton(2)->isChecked() && d.EqpButton(0)->isChecked() && d.StatusButton(0)->isChecked());
        EXPECT_FALSE(d.BackButton()->isEnabled());
        EXPECT_FALSE(d.FinishedButton()->isEnabled());
        Click(d.BaseButton(m.baseButton));
        Click(d.StatusButton(m.statusButton));
        if (shoot) Shoot(d, "new-file-wizard");
        for (int i = 0; i < 7; ++i) {
            Click(d.NextButton());
            std::string line = std::to_string(d.Step()) + " " + d.StepText().left(6).toStdString();
            for (const char* s : {"Roster", "Absences", "Overlap Info", "Current Pairings"})
                line += d.StatusText(s) == "Done" ? " +" : " -";
            trail.push_back(line);
        }
        if (shoot) Shoot(d, "new-file-wizard-done");
        Click(d.FinishedButton());
        return d.result();
    };
    window->RunCommand(kCmdNew);

    EXPECT_EQ(trail, (std::vector<std::string>{"1 Step 2 - - - -", "2 Step 3 + - - -", "3 Step 4 + + - -",
                                               "4 Step 5 + + + -", "5 Step 6 + + + +", "6 Step 7 + + + +",
                                               "6 New Fi + + + +"}));
    // Each chooser opens where the planner last found that kind of file.
    const std::string none;
    EXPECT_EQ(Choosers(ui), (Calls{{"ChooseOpenFile", "Load ToolBox Absences", none},
                                   {"ChooseOpenFile", "Load Crew Roster from Extract", none},
                                   {"ChooseOpenFile", "Load Crew Absences Extract", none},
                                   {"ChooseOpenFile", "Load Crew Absences Extract", m.dir},
                                   {"ChooseOpenFile", "Load Overlap Information from Extract", none},
                                   {"ChooseOpenFile", "Open Updated Pairing Data from Extract", m.dir},
                                   {"ChooseOpenFile", "Load This Month's Pairings", none},
                                   {"ChooseOpenFiles", "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files", none},
                                   {"ChooseSaveFile", "Save As", none}}));
    for (const char* key : {"LastBoxPath", "LastRosterPath", "LastCrewAbsPath", "LastOverlapDataPath", "LastPRGPath",
                            "LastFrenchPath"})
        EXPECT_EQ(profile.GetString("LW", key, "-"), m.dir) << key;
    EXPECT_EQ(profile.GetString("LW", "BuildingBase", "-") + profile.GetString("LW", "BuildingEqp", "-") +
                  profile.GetString("LW", "BuildingStatus", "-"),
              m.settings);
    EXPECT_EQ(window->windowTitle(), "Linewright - MAR2027 DH8.lw2");
    EXPECT_TRUE(window->WorkingMenuShown());
    EXPECT_EQ(doc().BlocksBuilt, 1);  // Finished builds the blocks of the saved month
    QApplication::processEvents();
    if (shoot) Shoot(*window, "new-month-main");

    // lwtool new with the same files, in the wizard's order.
    lw::test::TempFolder tool;
    const std::string byTool = (tool / "MAR2027 DH8.lw2").string();
    const lw::test::ToolResult r = lw::test::RunTool(
        tool, {"new", byTool, "--month", "2027-03", "--group", m.group, "--status", m.status, "--toolbox",
               m.File("MAR2027.box"), "--roster", m.Extract(1, "per"), "--absences", m.Extract(1, "abs"),
               "--next-absences", m.Extract(2, "abs"), "--activity", m.Extract(1, "act"), "--prior-pairings",
               m.Extract(1, "prg"), "--pairings", m.File("MAR2027.PRG"), "--lis", m.File(m.listing), "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err;
    const std::string wizardDump = Dump(made);
    EXPECT_GT(wizardDump.size(), 100000u);
    EXPECT_EQ(wizardDump, Dump(byTool));

    // The hand-off: the dialog's files are lwtool's from the same month, built and saved.
    window->RunCommand(kCmdSave);
    const bool cabin = m.letter == 'c';
    ui.answers = {m.reserveOnly, Answer::No};  // and not now to showing the folder
    if (!cabin) ui.answers.pop_front();
    onOther = [&m, shoot, cabin](QDialog& d) {
        auto* e = dynamic_cast<ExportDialog*>(&d);
        EXPECT_NE(e, nullptr);
        if (!e) return int(QDialog::Rejected);
        EXPECT_EQ(e->FileNameEdit()->text() + " " + e->BaseEdit()->text() + e->EqpEdit()->text(),
                  QString::fromStdString(m.codes));
        EXPECT_TRUE(e->TypeButton(cabin ? 2 : 0)->isChecked());
        Click(e->ExportButton());
        if (shoot) Shoot(d, "crewtrac-export");
        EXPECT_EQ(ui::test::ListTexts(e->Summary()).back(), "Export Completed");
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    ui.calls.clear();
    window->RunCommand(kCmdCrewTracExport);
    EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Linewright", "Finished Exporting to CrewTrac format"}}));
    EXPECT_TRUE(ui.answers.empty());
    const std::string saved = (tool / "saved" / "MAR2027 DH8.lw2").string();
    std::filesystem::create_directories(tool / "saved");
    std::filesystem::copy_file(made, saved);
    std::vector<std::string> exportArgs = {"export", "crewtrac", saved};
    if (cabin) exportArgs.push_back(m.reserveOnly == Answer::Yes ? "--yes" : "--no");
    ASSERT_EQ(lw::test::RunTool(tool, exportArgs).exit, 0);
    const std::string stem = m.codes.substr(0, m.codes.find(' '));
    for (const std::string& name : {stem + ".BAW", stem + ".LIN"}) {
        const std::string ours = lw::test::ReadBytes(folder / "Export" / name);
        EXPECT_GT(ours.size(), 100u) << name;  // cabin crew hand off their reserve blocks only here
        EXPECT_TRUE(ours == lw::test::ReadBytes(tool / "saved" / "Export" / name)) << name;
    }
}

TEST_F(NewMonthWizardTest, CaptainsMonthAsLwtoolNewMakesItAndItsCrewTracFiles) {
    MakeAndHandOff({LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03", "YYZ", 'p', "YYZ_PILOT_MAR2027.LIS", "YYZDH8CAZ",
                    "capt", 2, 0, "410", "MA27Z8CA Z8", Answer::No},
                   true);
}

TEST_F(NewMonthWizardTest, CabinMonthAsLwtoolNewMakesItAndItsCrewTracFiles) {
    MakeAndHandOff({LW_SOURCE_DIR "/samples/fa-yul-2027-03", "YUL", 'c', "YUL_CABIN_MAR2027.LIS", "YULDH8FAM", "fa",
                    3, 2, "612", "MA27M8FA M8", Answer::Yes},
                   false);
}

// The dates dialog keeps a month of at most 31 days; the group page refuses a short typed code,
// takes the equipment away from cabin crew, and Back only shows the earlier step again.
TEST_F(NewMonthWizardTest, DatesAndGroupPageRefuseWhatCannotMakeAMonth) {
    clock.Set({8, 12, 2026, 9, 0, 0});
    profile.WriteString("LW", "BuildingBase", "8");
    NewWindow();
    ui.answers = {Answer::Yes, Answer::No, Answer::Yes};
    ui.openFiles = {std::nullopt, std::nullopt};
    onDates = [](SetDatesDialog& d) {
        Click(ui::test::ButtonOf(d, ">>"));  // February: 31 January to 1 March
        EXPECT_EQ(d.StartText()->text() + " - " + d.EndText()->text(), "SU  31 January 2027 - MO  01 March 2027");
        QPushButton* earlier = d.findChildren<QPushButton*>().at(0);  // the start's "<" and ">"
        QPushButton* later = d.findChildren<QPushButton*>().at(1);
        Click(earlier);
        Click(earlier);  // 32 days
        Click(ui::test::ButtonOf(d, "OK"));
        EXPECT_TRUE(d.isVisible());
        Click(later);
        Click(later);
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    onWizard = [this](NewFileWizard& d) {
        EXPECT_TRUE(d.BaseButton(4)->isChecked());  // YHZ from the settings
        Click(d.StatusButton(2));
        EXPECT_FALSE(d.EqpGroup()->isEnabled());
        Click(d.TypedBox());
        QTest::keyClicks(d.TypedEdit(0), "YOW");
        QTest::keyClicks(d.TypedEdit(1), "ATR");
        QTest::keyClicks(d.TypedEdit(2), "CA");
        Click(d.NextButton());  // eight characters
        EXPECT_EQ(d.Step(), 0);
        QTest::keyClicks(d.TypedEdit(3), "O");
        Click(d.NextButton());  // No to the question
        EXPECT_EQ(d.Step(), 0);
        EXPECT_EQ(doc().GroupCode, "");
        Click(d.NextButton());  // Yes; the toolbox and the roster cancelled
        Click(d.NextButton());
        EXPECT_EQ(d.Step(), 2);
        Click(d.BackButton());
        EXPECT_EQ(d.Step(), 1);
        EXPECT_TRUE(d.StepText().startsWith("Step 2: Click Next to Load Crew Roster"));
        EXPECT_EQ(d.StatusText("Roster"), "Not Loaded");
        return int(QDialog::Rejected);
    };
    window->RunCommand(kCmdNew);
    EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Linewright", "The new Month cannot contain more than 31 days."},
                                    {"Message", "Linewright", "YOWATRCA Is Not a Valid Base/Eqp/Status/Pairing Combination"}}));
    Calls asked;
    for (const Call& c : ui.calls)
        if (c.kind == "Ask") asked.push_back(c);
    EXPECT_EQ(asked, (Calls{{"Ask", "Linewright", "Would you like to create a new file"},
                            {"Ask", "Linewright", "Confirm You Would Like to Create a New File for YOW ATR CA"},
                            {"Ask", "Linewright", "Confirm You Would Like to Create a New File for YOW ATR CA"}}));
    // The typed code is the month's; its crew group stays as it was, and the month is open.
    EXPECT_EQ(doc().GroupCode, "YOWATRCAO");
    EXPECT_EQ(doc().DayCount, 30);
    EXPECT_TRUE(window->WorkingMenuShown());
    EXPECT_EQ(profile.GetString("LW", "BuildingStatus", "-"), "2");
}

// One broken file for each loader, through its own command or the wizard's step: the planner
// hears what is wrong and the open month stays as it was.
TEST_F(NewMonthWizardTest, BrokenFilesLeaveTheMonthAsItWas) {
    struct Row {
        int command;  // 0: the wizard's roster step on a new month
        const char* name;
        std::string bytes;
        Calls messages;
        std::deque<Answer> answers = {};
        // What a broken toolbox costs: the month falls back on the built-in activities.
        std::function<void(model::Document&)> change = nullptr;
    };
    const std::string garbage(6000, 'x');
    const std::vector<Row> rows = {
        {kCmdToolboxItems, "bad.box", "LWToolBox\n01/03/2027\n2\nRES\nPilot\n",
         {{"Message", "Linewright", "Error Loading Absences. File may be Currupt"}},
         {},
         [](model::Document& d) {
             d.ActivityCount = 0;
             d.Modified = true;
         }},
        {0, "YYZ1perp.ext", std::string(101, '9') + "\n",
         {{"Message", "Linewright", "No Crew Members for YYZDH8CA Found in this Roster Extract. Roster not Loaded."}},
         {Answer::Yes}},
        {kCmdCrewAbsences, "YYZ1absp.ext", "000012345X\n",
         {{"Message", "Linewright", "No Crew Member of this Roster was Found in this Crew Absence Extract."}},
         {Answer::Yes}},
        {kCmdLastMonthData, "YYZ1actp.ext", "",
         {{"Message", "File Error",
           (folder / "broken" / "YYZ1actp.ext").string() + " is empty. Last Month's Data not Loaded."}}},
        {kCmdPairingFile, "MAR2027.PRG", "2Z8101\n1Z8101\n",
         {{"Message", "Linewright", "This does not appear to be a valid PRG file. The first char should be 1"}}},
        {kCmdLisFiles, "YYZ_PILOT_MAR2027.LIS", "MAR2027 too short to be a listing",
         {{"Message", "Linewright",
           "Unable to Read Data from one or more LIS File(s). Try opening file(s) in WordPad and Save as Type Text "
           "Document."}}},
        {kCmdPilotBids, "bids.csv", garbage, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path broken = folder / "broken" / row.name;
        std::filesystem::create_directories(broken.parent_path());
        lw::test::WriteBytes(broken, row.bytes);
        if (row.command == 0) {
            // A new month up to its roster step.
            clock.Set({8, 12, 2026, 9, 0, 0});
            NewWindow();
            ui.answers = {Answer::Yes, Answer::Yes};
            ui.openFiles = {std::nullopt};
        } else {
            Open(ui::test::kCaptainsMonth, true);
            AnswerDialogs();
        }
        model::Document expected = doc().Clone();
        if (row.change) row.change(expected);
        const std::string before = output::DumpDocument(expected, {});
        ui.calls.clear();
        ui.answers.insert(ui.answers.end(), row.answers.begin(), row.answers.end());
        std::string during;
        onDates = [](SetDatesDialog& d) {
            Click(ui::test::ButtonOf(d, "OK"));
            return d.result();
        };
        onWizard = [&](NewFileWizard& d) {
            Click(d.NextButton());
            during = output::DumpDocument(doc(), {});
            ui.calls.clear();
            ui.openFiles = {broken.string()};
            Click(d.NextButton());
            EXPECT_EQ(d.StatusText("Roster"), "Not Loaded");
            EXPECT_EQ(d.Step(), 2);  // a failed step still moves on
            return int(QDialog::Rejected);
        };
        onOther = [](QDialog& d) {
            auto* load = dynamic_cast<LoadPairsOnlyDialog*>(&d);
            EXPECT_NE(load, nullptr);
            if (!load) return int(QDialog::Rejected);
            Click(ui::test::ButtonOf(d, "OK"));
            return d.result();
        };
        if (row.command == 0) {
            window->RunCommand(kCmdNew);
            EXPECT_EQ(output::DumpDocument(doc(), {}), during);
        } else {
            if (row.command == kCmdPairingFile) {
                ui.openFiles = {broken.string()};
                ui.openFileLists = {{}};  // the LIS scan that follows is cancelled
            } else if (row.command == kCmdLisFiles) {
                ui.openFileLists = {{broken.string()}};
            } else if (row.command == kCmdLastMonthData) {
                ui.openFiles = {broken.string(), Sample("YYZ1prgp.ext")};
            } else {
                ui.openFiles = {broken.string()};
            }
            window->RunCommand(row.command);
            std::string after = output::DumpDocument(doc(), {});
            EXPECT_EQ(after, before);
        }
        EXPECT_EQ(ui.Messages(), row.messages);
        EXPECT_TRUE(ui.answers.empty());
        ui.answers.clear();
    }
}

// Import > This Month's Pairings... reads the month's own pairing file again: the same
// pairings come back, the blocks keep them, and the LIS scan follows.
TEST_F(NewMonthWizardTest, PairingsReloadedThroughTheirDialogAndMonthNotesKept) {
    clock.Set({15, 2, 2027, 9, 0, 0});  // the day the sample's pairings were stamped
    Open(ui::test::kCaptainsMonth, true);
    AnswerDialogs();
    for (int id : {kCmdCrewAbsences, kCmdPairingFile, kCmdLastMonthData, kCmdNextAbsences, kCmdLisFiles,
                   kCmdPilotBids, kCmdBawLin, kCmdToolboxItems, kCmdMonth, kCmdSharedNotes, kCmdCrewTracExport})
        EXPECT_TRUE(window->Command(id)->isEnabled()) << id;
    EXPECT_FALSE(window->Command(kCmdRosterExtract)->isEnabled());
    const output::DumpSections pairings{false, true, true, false};
    const std::string before = output::DumpDocument(doc(), pairings);
    ui.calls.clear();
    ui.openFiles = {Sample("MAR2027.PRG")};
    ui.openFileLists = {{Sample("YYZ_PILOT_MAR2027.LIS")}};
    onOther = [](QDialog& d) {
        auto* load = dynamic_cast<LoadPairsOnlyDialog*>(&d);
        EXPECT_NE(load, nullptr);
        if (!load) return int(QDialog::Rejected);
        // The typed codes are asked for only when they are to be used.
        Click(load->ManualBox());
        Click(ui::test::ButtonOf(d, "OK"));
        EXPECT_TRUE(d.isVisible());
        QTest::keyClicks(load->BaseEdit(), "z");
        QTest::keyClicks(load->EqpEdit(), "8");
        Shoot(d, "load-pairings");
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    window->RunCommand(kCmdPairingFile);
    EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Linewright", "You have not entered a Base Code."}}));
    EXPECT_EQ(output::DumpDocument(doc(), pairings), before);
    Calls shown;
    for (const Call& c : ui.calls)
        if (c.kind == "BeginProgress" || c.kind == "ChooseOpenFile" || c.kind == "ChooseOpenFiles" ||
            c.kind == "ShowList")
            shown.push_back({c.kind, c.title, c.kind == "ShowList" ? "" : c.text});
    EXPECT_EQ(shown, (Calls{{"ChooseOpenFile", "Load This Month's Pairings", ""},
                            {"BeginProgress", "Loading PRG Pairings", "100"},
                            {"BeginProgress", "Scanning for USA Segments", "100"},
                            {"ShowList", "Pairing Warnings and Report", ""},
                            {"ChooseOpenFiles", "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files", ""},
                            {"BeginProgress", "Scanning LIS Pairings", "78"},
                            {"ShowList", "Flag French Pairings from LIS Summary", ""}}));
    EXPECT_EQ(profile.GetString("LW", "LastPRGPath", "-"), kSample);
    EXPECT_EQ(doc().BlocksBuilt, 1);

    // Edit > Month... and the shared notes go into the month file with everything else.
    onMonth = [](MonthDialog& d) {
        d.Bar(0)->setValue(d.Bar(0)->value() + 30);  // Avg 77:30 -> 78:00
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    window->RunCommand(kCmdMonth);
    EXPECT_EQ(doc().AvgBlock, 4680);
    onOther = [](QDialog& d) {
        auto* notes = dynamic_cast<SharedNotesDialog*>(&d);
        EXPECT_NE(notes, nullptr);
        if (!notes) return int(QDialog::Rejected);
        QTest::keyClicks(notes->Editor(), "OPEN lines go last");
        Shoot(d, "shared-notes");
        Click(ui::test::ButtonOf(d, "OK"));
        return d.result();
    };
    window->RunCommand(kCmdSharedNotes);
    window->RunCommand(kCmdSave);
    const std::string dump = Dump(month.string());
    EXPECT_NE(dump.find("\"OPEN lines go last\""), std::string::npos);
    EXPECT_NE(dump.find(" 4680 "), std::string::npos);
}

}  // namespace
}  // namespace lw::ui
