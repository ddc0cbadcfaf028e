#include "platform/profile.h"

#include <gtest/gtest.h>

#include <map>

#include "temp_folder.h"

namespace {

using lw::platform::Profile;
using lw::test::ReadBytes;
using lw::test::TempFolder;
using lw::test::WriteBytes;

TEST(Profile, WritesChangeOnlyTheirOwnLine) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini,
               "; planner settings\n"
               "[LW]\n"
               "Grid=0\n"
               "AutoSave = 1\n"
               "not a key line\n"
               "\n"
               "[CLIPBOARD]\n"
               "ClipPairs=1\n"
               "ClipXes=0");  // last line without a line end
    Profile profile(ini);

    // Existing key, named in another case in another-case section: replaced in place, spacing around the name kept.
    EXPECT_TRUE(profile.WriteString("lw", "AUTOSAVE", "0"));
    // New key: after the section's last line, before the blank line.
    EXPECT_TRUE(profile.WriteInt("LW", "DebugFile", 1));
    // New key in a last section that has no final line end.
    EXPECT_TRUE(profile.WriteString("Clipboard", "Extra", " spaced value "));
    // New section at the end, parted by a blank line.
    EXPECT_TRUE(profile.WriteInt("Bids", "Left", -40));

    EXPECT_EQ(ReadBytes(ini),
              "; planner settings\n"
              "[LW]\n"
              "Grid=0\n"
              "AutoSave =0\n"
              "not a key line\n"
              "DebugFile=1\n"
              "\n"
              "[CLIPBOARD]\n"
              "ClipPairs=1\n"
              "ClipXes=0\n"
              "Extra= spaced value \n"
              "\n"
              "[Bids]\n"
              "Left=-40\n");
    EXPECT_EQ(profile.GetString("clipboard", "EXTRA", "x"), " spaced value ");
    EXPECT_EQ(profile.GetInt("bids", "left", 0), -40);
}

TEST(Profile, CrLfFileKeepsItsLineEnds) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini, "[LW]\r\nXPadding=6\r\n");
    Profile profile(ini);
    EXPECT_EQ(profile.GetString("LW", "XPadding", ""), "6");
    EXPECT_TRUE(profile.WriteString("LW", "XPadding", "8"));
    EXPECT_TRUE(profile.WriteString("LW", "YPadding", "3"));
    EXPECT_TRUE(profile.WriteString("CLIPBOARD", "ClipPairs", "1"));
    EXPECT_EQ(ReadBytes(ini), "[LW]\r\nXPadding=8\r\nYPadding=3\r\n\r\n[CLIPBOARD]\r\nClipPairs=1\r\n");
}

TEST(Profile, ReadsValuesAsTheyStand) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini,
               "Orphan=5\n"
               "[lw]\n"
               "Lead=12abc\n"
               "Neg= -3\n"
               "Word=abc\n"
               "Empty=\n"
               "Twice=1\n"
               "TWICE=2\n"
               ";Comment=9\n"
               "[Other]\n"
               "Only=7\n");
    const Profile profile(ini);
    const std::map<std::string, int> ints = {
        {"Lead", 12}, {"Neg", -3}, {"Word", 0}, {"Empty", 77}, {"Twice", 1},
        {"Comment", 77}, {"Only", 77}, {"Orphan", 77}, {"Missing", 77}};
    for (const auto& [key, expected] : ints) EXPECT_EQ(profile.GetInt("LW", key, 77), expected) << key;
    EXPECT_EQ(profile.GetString("LW", "Neg", "-"), " -3");
    EXPECT_EQ(profile.GetString("LW", "Empty", "-"), "");
    EXPECT_EQ(profile.GetString("LW", "Missing", "fallback"), "fallback");
}

TEST(Profile, RepeatedSectionReadsAsOneAndGrowsAtItsFirstPlace) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini, "[LW]\nA=1\n\n[Other]\nB=2\n\n[lw]\nC=3\n");
    Profile profile(ini);
    EXPECT_EQ(profile.GetInt("LW", "C", 0), 3);
    EXPECT_TRUE(profile.WriteString("LW", "C", "4"));
    EXPECT_TRUE(profile.WriteString("LW", "D", "5"));
    EXPECT_EQ(ReadBytes(ini), "[LW]\nA=1\nD=5\n\n[Other]\nB=2\n\n[lw]\nC=4\n");
}

TEST(Profile, MissingFileReadsEmptyAndIsCreatedWithItsFolder) {
    TempFolder dir;
    const auto ini = dir / "config" / "linewright" / "lwright.ini";
    Profile profile(ini);
    EXPECT_EQ(profile.GetInt("LW", "AutoSave", 1), 1);
    EXPECT_FALSE(profile.Find("LW", "AutoSave"));
    EXPECT_TRUE(profile.WriteInt("LW", "DebugFile", 1));
    EXPECT_EQ(ReadBytes(ini), "[LW]\nDebugFile=1\n");
}

TEST(Profile, FailedWritesReturnFalseAndChangeNothing) {
    TempFolder dir;
    WriteBytes(dir / "plain", "x");
    Profile underFile(dir / "plain" / "lwright.ini");  // its folder cannot be created
    EXPECT_FALSE(underFile.WriteInt("LW", "Grid", 1));
    Profile folderAsFile(dir.Path());
    EXPECT_FALSE(folderAsFile.WriteInt("LW", "Grid", 1));

    const auto ini = dir / "lwright.ini";
    WriteBytes(ini, "[LW]\nGrid=0\n");
    Profile profile(ini);
    EXPECT_FALSE(profile.WriteString("LW", "Grid", "1\n[Evil]"));
    EXPECT_FALSE(profile.WriteString("LW", "A=B", "1"));
    EXPECT_FALSE(profile.WriteString("LW]", "Grid", "1"));
    EXPECT_FALSE(profile.WriteString("LW", "", "1"));
    EXPECT_EQ(ReadBytes(ini), "[LW]\nGrid=0\n");
}

TEST(Profile, WritesThroughASymbolicLink) {
    TempFolder dir;
    WriteBytes(dir / "real.ini", "[LW]\nGrid=0\n");
    std::filesystem::create_symlink(dir / "real.ini", dir / "lwright.ini");
    Profile profile(dir / "lwright.ini");
    EXPECT_TRUE(profile.WriteInt("LW", "Grid", 1));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "lwright.ini"));
    EXPECT_EQ(ReadBytes(dir / "real.ini"), "[LW]\nGrid=1\n");
}

TEST(Profile, StructRoundTripAndRefusals) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    Profile profile(ini);
    const std::vector<uint8_t> bytes = {0x00, 0x7F, 0xFF, 0x10};  // sum 0x18E: checksum 8E
    EXPECT_TRUE(profile.WriteStruct("LW", "Font", bytes));
    EXPECT_EQ(ReadBytes(ini), "[LW]\nFont=007FFF108E\n");
    EXPECT_EQ(profile.GetStruct("lw", "font", 4), bytes);
    EXPECT_FALSE(profile.GetStruct("LW", "Font", 3));
    EXPECT_FALSE(profile.GetStruct("LW", "Font", 5));
    EXPECT_FALSE(profile.GetStruct("LW", "Missing", 4));

    const std::map<std::string, bool> readable = {
        {"007fff108e", true},    // lower-case hex is still hex
        {"007FFF108F", false},   // checksum off by one
        {"017FFF108E", false},   // a data byte changed
        {"007FFG108E", false},   // not hex
        {"007FFF108E ", false},  // trailing blank makes the length wrong
    };
    for (const auto& [text, ok] : readable) {
        ASSERT_TRUE(profile.WriteString("LW", "Font", text));
        EXPECT_EQ(profile.GetStruct("LW", "Font", 4).has_value(), ok) << text;
    }

    EXPECT_TRUE(profile.WriteStruct("LW", "Empty", {}));
    EXPECT_EQ(profile.GetString("LW", "Empty", ""), "00");
    EXPECT_EQ(profile.GetStruct("LW", "Empty", 0), std::vector<uint8_t>{});
}

TEST(Profile, DefaultPathFollowsTheEnvironment) {
    using Env = std::map<std::string, std::string>;
    auto path = [](Env env) {
        return Profile::DefaultPath([env](const std::string& name) -> std::optional<std::string> {
            const auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        });
    };
    EXPECT_EQ(path({{"LWRIGHT_INI", "/x/my.ini"}, {"XDG_CONFIG_HOME", "/c"}, {"HOME", "/h"}}), "/x/my.ini");
    EXPECT_EQ(path({{"XDG_CONFIG_HOME", "/c"}, {"HOME", "/h"}}), "/c/linewright/lwright.ini");
    EXPECT_EQ(path({{"LWRIGHT_INI", ""}, {"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}),
              "/h/.config/linewright/lwright.ini");
    EXPECT_EQ(path({{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}}), "/h/.config/linewright/lwright.ini");
    EXPECT_EQ(path({}), "");
}

}  // namespace
