#include "platform/preferences.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using lw::platform::BlockFont;
using lw::platform::ColourSet;
using lw::platform::Preferences;
using lw::platform::Profile;
using lw::platform::Rgb;
using lw::test::ReadBytes;
using lw::test::TempFolder;
using lw::test::WriteBytes;

const ColourSet kFactoryColours = {Rgb{0, 0, 0},     Rgb{0, 0, 255},     Rgb{255, 0, 0},     Rgb{128, 0, 128},
                                   Rgb{0, 255, 0},   Rgb{255, 255, 0},   Rgb{128, 255, 255}, Rgb{0, 0, 0},
                                   Rgb{0, 0, 255},   Rgb{0, 0, 0},       Rgb{255, 0, 0},     Rgb{192, 192, 192},
                                   Rgb{192, 192, 192}};

TEST(Preferences, AnEmptyFileGivesTheFactorySettings) {
    TempFolder dir;
    const Profile profile(dir / "lwright.ini");
    Preferences expected;
    expected.Grid = false;
    expected.Layovers = true;
    expected.AutoSave = true;
    expected.RemindBackup = true;
    expected.PrintXes = true;
    expected.ShowFullPair = false;
    expected.ShowFullLayOver = false;
    expected.HoldCtrlKey = true;
    expected.AllowIllegal = true;
    expected.DisableFTP = false;
    expected.DebugFile = false;
    expected.XPadding = 6;
    expected.YPadding = 3;
    expected.Colours = kFactoryColours;
    expected.FontRecord = std::nullopt;
    EXPECT_EQ(lw::platform::ReadPreferences(profile), expected);
    EXPECT_EQ(Preferences::DefaultColours(), kFactoryColours);
    EXPECT_EQ(lw::platform::ColourNames()[6], "Pair Over Requested Day Off");
    EXPECT_EQ(lw::platform::ColourNames()[12], "Pairing Window Background");
}

TEST(Preferences, PaddingsCountOnlyTheirFirstCharacter) {
    TempFolder dir;
    WriteBytes(dir / "lwright.ini", "[LW]\nXPadding=12\nYPadding=x4\nGrid=1\nLayovers=0\nDebugFile=7\n");
    const Preferences p = lw::platform::ReadPreferences(Profile(dir / "lwright.ini"));
    EXPECT_EQ(p.XPadding, 1);
    EXPECT_EQ(p.YPadding, 0);  // not a digit: a plain conversion gives 0
    EXPECT_TRUE(p.Grid);
    EXPECT_FALSE(p.Layovers);
    EXPECT_TRUE(p.DebugFile);  // any non-zero value is on
}

TEST(Preferences, ColourStrings) {
    // Eleven colours as an older file wrote them: both window backgrounds come out grey.
    std::string eleven;
    for (int i = 0; i < 11; ++i) eleven += "010,020,030,";
    ASSERT_EQ(eleven.size(), 132u);
    ColourSet expected;
    expected.fill(Rgb{10, 20, 30});
    expected[11] = expected[12] = Rgb{192, 192, 192};
    EXPECT_EQ(lw::platform::ParseCustomColors(eleven), expected);

    // Exactly 155 characters (no trailing comma): used as it stands, own backgrounds kept.
    std::string full;
    for (int i = 0; i < 13; ++i) full += "001,002,003,";
    full.pop_back();
    ASSERT_EQ(full.size(), 155u);
    expected.fill(Rgb{1, 2, 3});
    EXPECT_EQ(lw::platform::ParseCustomColors(full), expected);

    // Written as the colours dialog does: every colour with its comma, 156 characters.
    ColourSet mixed = kFactoryColours;
    mixed[11] = Rgb{7, 8, 9};
    const std::string written = lw::platform::FormatCustomColors(mixed);
    EXPECT_EQ(written,
              "000,000,000,000,000,255,255,000,000,128,000,128,000,255,000,255,255,000,128,255,255,000,000,000,000,000,"
              "255,000,000,000,255,000,000,007,008,009,192,192,192,");
    EXPECT_EQ(lw::platform::ParseCustomColors(written), mixed);

    // Damaged text never reads beyond the value: missing parts are 0, large numbers stop at 255.
    ColourSet damaged{};
    damaged[0] = Rgb{255, 192, 192};
    damaged[1] = Rgb{192, 192, 192};
    damaged[2] = Rgb{192, 0, 0};
    EXPECT_EQ(lw::platform::ParseCustomColors("999,"), damaged);
}

TEST(Preferences, WrittenSettingsReadBackAndKeepTheFileFormat) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini, "[LW]\nLastBoxPath=/months\n");
    Profile profile(ini);
    Preferences p;
    p.Grid = true;
    p.AutoSave = false;
    p.DebugFile = true;
    p.XPadding = 4;
    p.YPadding = 12;  // the dialog's edit box holds one digit
    p.Colours[0] = Rgb{1, 2, 3};
    BlockFont font;
    font.face = "DejaVu Sans";
    font.height = 13;
    font.width = 0;
    font.weight = 700;
    p.FontRecord = lw::platform::EncodeFontRecord(font);
    ASSERT_TRUE(lw::platform::WritePreferences(p, profile));

    const std::string colours = lw::platform::FormatCustomColors(p.Colours);
    std::string fontHex;
    int sum = 0;
    for (uint8_t b : *p.FontRecord) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", b);
        fontHex += buf;
        sum += b;
    }
    char check[4];
    std::snprintf(check, sizeof check, "%02X", sum % 256);
    EXPECT_EQ(ReadBytes(ini), "[LW]\nLastBoxPath=/months\nGrid=1\nLayovers=1\nAutoSave=0\nRemindBackup=1\nPrintXes=1\n"
                              "ShowFullPair=0\nShowFullLayOver=0\nHoldCtrlKey=1\nAllowIllegal=1\nDisableFTP=0\n"
                              "DebugFile=1\nXPadding=4\nYPadding=9\nCustomColors=" +
                                  colours + "\nFont=" + fontHex + check + "\n");

    Preferences expected = p;
    expected.YPadding = 9;
    EXPECT_EQ(lw::platform::ReadPreferences(profile), expected);
    EXPECT_EQ(lw::platform::DecodeFontRecord(*lw::platform::ReadPreferences(profile).FontRecord), font);
}

TEST(Preferences, FontRecords) {
    BlockFont font;
    font.face = std::string(40, 'F');  // longer than the record's name field
    font.height = -11;
    font.italic = true;
    const std::vector<uint8_t> record = lw::platform::EncodeFontRecord(font);
    ASSERT_EQ(record.size(), lw::platform::kFontRecordSize);
    BlockFont expected = font;
    expected.face = std::string(31, 'F');
    EXPECT_EQ(lw::platform::DecodeFontRecord(record), expected);

    EXPECT_EQ(lw::platform::DecodeFontRecord(std::vector<uint8_t>(59, 'A')), std::nullopt);
    EXPECT_EQ(lw::platform::DecodeFontRecord(std::vector<uint8_t>(60, 0)), std::nullopt);  // no face name

    // A record whose checksum does not match is ignored: the built-in font stands.
    TempFolder dir;
    WriteBytes(dir / "lwright.ini", "[LW]\nFont=" + std::string(120, '0') + "01\n");
    EXPECT_EQ(lw::platform::ReadPreferences(Profile(dir / "lwright.ini")).FontRecord, std::nullopt);
}

}  // namespace
