// lwtool backup and autosave-tick end to end on a saved month.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <regex>

#include "output/crewtrac_month.h"
#include "persist/schedule_file.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;

class LwToolBackup : public ::testing::Test {
protected:
    void SetUp() override {
        // Keep the tool's settings away from the real preference file.
        ::setenv("LWRIGHT_INI", (dir / "lwright.ini").c_str(), 1);
        std::filesystem::create_directory(dir / "stick");
        Save(true);
    }
    void TearDown() override { ::unsetenv("LWRIGHT_INI"); }
    void Save(bool built) {
        auto doc = lw::test::CrewTracPilotMonth("");
        doc->BlocksBuilt = built ? 1 : 0;
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    lw::test::ToolResult Tool(std::vector<std::string> args) {
        for (std::string& a : args)
            if (a == "STICK") a = (dir / "stick").string();
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    lw::test::TempFolder dir;
};

TEST_F(LwToolBackup, BackupCopiesTheMonthAndRemembersTheFolder) {
    auto r = Tool({"backup", "F", "--to", "STICK"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "Backed up to " + Path("stick/Backup apr.lw2") + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadBytes(dir / "stick" / "Backup apr.lw2"), ReadBytes(dir / "apr.lw2"));
    EXPECT_EQ(ReadBytes(dir / "lwright.ini"),
              "[LW]\nLastBackupFolder=" + Path("stick") + "\nLastBackupDateTimeOpt=0\n");

    // A new file each time: named for today and the time of day.
    r = Tool({"backup", "F", "--to", "STICK", "--new-file"});
    EXPECT_EQ(r.exit, 0);
    const std::regex dated("Backed up to " + Path("stick") + "/Backup Dec 8 2026 at ([0-9]{4}) apr\\.lw2\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.out, m, dated)) << r.out;
    EXPECT_EQ(ReadBytes(dir / "stick" / ("Backup Dec 8 2026 at " + m[1].str() + " apr.lw2")),
              ReadBytes(dir / "apr.lw2"));
    EXPECT_EQ(ReadBytes(dir / "lwright.ini"),
              "[LW]\nLastBackupFolder=" + Path("stick") + "\nLastBackupDateTimeOpt=1\n");

    r = Tool({"backup", "F", "--folders"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_NE(r.out.find("* " + Path("stick") + "\n"), std::string::npos) << r.out;
}

TEST_F(LwToolBackup, BackupFailuresAndUsage) {
    auto r = Tool({"backup", "F", "--to", Path("unplugged")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "[File Error] Unable to create file. File may be Read Only or In use by Another Application. Use Save "
              "As to Save as a new name\n");
    r = Tool({"backup", "F"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool backup: usage: lwtool backup FILE --to DIR [--new-file]  |  lwtool backup FILE --folders\n");
}

TEST_F(LwToolBackup, AutosaveTicksCopyOnTheTwentieth) {
    auto r = Tool({"autosave-tick", "F", "--ticks", "45"});
    EXPECT_EQ(r.exit, 0);
    const std::string copied = "copied to " + Path("apr.BAK") + "\n";
    EXPECT_EQ(r.out,
              "tick 20: BackupTimerTrigger\ntick 20: SaveBlksBegin\ntick 20: SaveBlksEnd\ntick 20: BackupTimerFinish\n"
              "tick 20: " + copied +
              "tick 40: BackupTimerTrigger\ntick 40: SaveBlksBegin\ntick 40: SaveBlksEnd\ntick 40: BackupTimerFinish\n"
              "tick 40: " + copied + "ticks to the next copy: 15\n");
    EXPECT_EQ(ReadBytes(dir / "apr.BAK"), ReadBytes(dir / "apr.lw2"));

    r = Tool({"autosave-tick", "F", "--ticks", "19"});
    EXPECT_EQ(r.out, "ticks to the next copy: 1\n");
    r = Tool({"autosave-tick", "F", "--ticks", "0"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool autosave-tick: --ticks is 1 to 100000\n");
}

TEST_F(LwToolBackup, AutosaveTicksWithoutACopy) {
    Save(false);
    auto r = Tool({"autosave-tick", "F", "--ticks", "20"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "tick 20: no copy (the month is untitled, unchanged or not built)\nticks to the next copy: 20\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "apr.BAK"));

    lw::test::WriteBytes(dir / "lwright.ini", "[LW]\nAutoSave=0\n");
    r = Tool({"autosave-tick", "F", "--ticks", "20"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "AutoSave is off: no timed copies\n");
}

}  // namespace
