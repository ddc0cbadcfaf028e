#include "persist/run_log.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "fake_interaction.h"
#include "temp_folder.h"

namespace {

using lw::persist::RunLog;
using lw::platform::FixedClock;
using lw::platform::Icon;
using lw::test::FakeInteraction;
using lw::test::ReadBytes;
using lw::test::TempFolder;
using lw::test::WriteBytes;
namespace fs = std::filesystem;

const FixedClock kAt0135On7Dec({7, 12, 2026, 1, 35, 12});

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::string AbnormalEndMessage(const fs::path& kept) {
    return "Linewright did not shut down normally. A file named " + kept.string() +
           " contains a log of the last program run. Linewright will now continue";
}

TEST(RunLog, NormalRunEndsWithTheTerminationLine) {
    TempFolder dir;
    const fs::path folder = dir / "state" / "linewright";
    FakeInteraction ui;
    RunLog log;
    ASSERT_TRUE(log.Start(folder, ui, kAt0135On7Dec));
    EXPECT_TRUE(log.IsOpen());
    log.Write("LoadBlksBegin\n");
    // Each line is in the file as soon as it is written: a crash right after must not lose it.
    EXPECT_EQ(ReadBytes(folder / "LWDebug.txt"), "LoadBlksBegin\n");
    log.Write("Pairing 12 Loaded\n");
    log.End();
    EXPECT_FALSE(log.IsOpen());
    log.Write("after the end\n");
    EXPECT_EQ(ReadBytes(folder / "LWDebug.txt"), "LoadBlksBegin\nPairing 12 Loaded\nLinewright Termination Normal\n");
    EXPECT_TRUE(ui.calls.empty());

    // The next start finds a normal end: no message, a fresh empty log, nothing kept aside.
    RunLog next;
    ASSERT_TRUE(next.Start(folder, ui, kAt0135On7Dec));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(ReadBytes(folder / "LWDebug.txt"), "");
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"LWDebug.txt"});
}

TEST(RunLog, AbnormalEndIsKeptUnderADatedNameAndReportedOnce) {
    TempFolder dir;
    FakeInteraction ui;
    {
        RunLog crashed;
        ASSERT_TRUE(crashed.Start(dir.Path(), ui, kAt0135On7Dec));
        crashed.Write("BuildBlocksBegin\n");
    }  // gone without End(), as in a crash
    EXPECT_EQ(ReadBytes(dir / "LWDebug.txt"), "BuildBlocksBegin\n");

    std::optional<RunLog> second(std::in_place);
    ASSERT_TRUE(second->Start(dir.Path(), ui, kAt0135On7Dec));
    const fs::path kept = dir / "LWDebug 7 DEC 2026 at 0135.txt";
    ASSERT_EQ(ui.calls, (std::vector<FakeInteraction::Call>{
                            {FakeInteraction::Kind::Message, "Linewright", AbnormalEndMessage(kept)}}));
    EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Stop});
    EXPECT_EQ(ReadBytes(kept), "BuildBlocksBegin\n");
    EXPECT_EQ(ReadBytes(dir / "LWDebug.txt"), "");
    second->Write("SaveBlksBegin\n");
    second.reset();  // a second crash in the same minute

    ui.calls.clear();
    ui.icons.clear();
    RunLog third;
    ASSERT_TRUE(third.Start(dir.Path(), ui, kAt0135On7Dec));
    const fs::path keptToo = dir / "LWDebug 7 DEC 2026 at 0135 (2).txt";
    EXPECT_EQ(ui.calls, (std::vector<FakeInteraction::Call>{
                            {FakeInteraction::Kind::Message, "Linewright", AbnormalEndMessage(keptToo)}}));
    EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Stop});
    EXPECT_EQ(ReadBytes(kept), "BuildBlocksBegin\n");
    EXPECT_EQ(ReadBytes(keptToo), "SaveBlksBegin\n");
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"LWDebug.txt", "LWDebug 7 DEC 2026 at 0135.txt",
                                                          "LWDebug 7 DEC 2026 at 0135 (2).txt"}));
}

TEST(RunLog, PreviousLogOfAtMostOneCharacterIsNoAbnormalEnd) {
    for (const char* previous : {"", "x"}) {
        TempFolder dir;
        WriteBytes(dir / "LWDebug.txt", previous);
        FakeInteraction ui;
        RunLog log;
        ASSERT_TRUE(log.Start(dir.Path(), ui, kAt0135On7Dec));
        EXPECT_TRUE(ui.calls.empty()) << previous;
        EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"LWDebug.txt"});
        EXPECT_EQ(ReadBytes(dir / "LWDebug.txt"), "");
    }
}

TEST(RunLog, DebugFileSettingDecidesWhetherAnythingIsCreated) {
    TempFolder dir;
    lw::platform::Profile profile(dir / "lwright.ini");
    const fs::path folder = dir / "log";
    FakeInteraction ui;
    for (const char* value : {"0", "2", "abc"}) {
        ASSERT_TRUE(profile.WriteString("LW", "DebugFile", value));
        RunLog log;
        EXPECT_FALSE(log.StartIfWanted(profile, folder, ui, kAt0135On7Dec)) << value;
        EXPECT_FALSE(log.IsOpen());
        EXPECT_FALSE(fs::exists(folder)) << value;
    }
    EXPECT_FALSE(RunLog::Wanted(lw::platform::Profile(dir / "missing.ini")));
    ASSERT_TRUE(profile.WriteString("lw", "debugfile", "1"));
    RunLog log;
    EXPECT_TRUE(log.StartIfWanted(profile, folder, ui, kAt0135On7Dec));
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"LWDebug.txt"});
    EXPECT_TRUE(ui.calls.empty());
}

TEST(RunLog, LogThatCannotBeCreatedStaysClosed) {
    TempFolder dir;
    WriteBytes(dir / "plain", "x");
    FakeInteraction ui;
    RunLog log;
    EXPECT_FALSE(log.Start(dir / "plain" / "log", ui, kAt0135On7Dec));
    EXPECT_FALSE(log.IsOpen());
    log.Write("LoadBlksBegin\n");
    log.End();
    EXPECT_FALSE(log.Start("", ui, kAt0135On7Dec));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(ReadBytes(dir / "plain"), "x");
}

TEST(RunLog, DefaultFolderFollowsTheEnvironment) {
    auto folder = [](std::optional<std::string> state, std::optional<std::string> home) {
        return RunLog::DefaultFolder([=](const std::string& name) {
            return name == "XDG_STATE_HOME" ? state : name == "HOME" ? home : std::nullopt;
        });
    };
    EXPECT_EQ(folder("/s", "/h"), "/s/linewright");
    EXPECT_EQ(folder(std::nullopt, "/h"), "/h/.local/state/linewright");
    EXPECT_EQ(folder("", "/h"), "/h/.local/state/linewright");
    EXPECT_EQ(folder(std::nullopt, std::nullopt), "");
}

}  // namespace
