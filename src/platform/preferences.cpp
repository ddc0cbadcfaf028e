#include "platform/preferences.h"

#include <algorithm>
#include <cstdio>

#include "base/time_text.h"

namespace lw::platform {

namespace {

constexpr std::string_view kSection = "LW";

// The eleven-colour value of older files stops before the two window backgrounds.
constexpr std::string_view kDefaultCustomColors =
    "000,000,000,000,000,255,255,000,000,128,000,128,000,255,000,255,255,000,128,255,255,000,000,000,000,000,255,"
    "000,000,000,255,000,000,192,192,192,192,192,192";
constexpr std::string_view kGreyBackgrounds = "192,192,192,192,192,192";
constexpr size_t kFullColorsLength = 155;

uint8_t ColourPart(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    return static_cast<uint8_t>(std::clamp(base::LeadingInt(text.substr(pos)), 0, 255));
}

// Only the first character of the padding value counts.
int PaddingValue(const Profile& profile, std::string_view key, std::string_view fallback) {
    const std::string text = profile.GetString(kSection, key, fallback);
    return base::LeadingInt(std::string_view(text).substr(0, std::min<size_t>(text.size(), 1)));
}

bool ReadSwitch(const Profile& profile, std::string_view key, bool fallback) {
    return profile.GetInt(kSection, key, fallback ? 1 : 0) != 0;
}

void PutInt32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetInt32(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i) u |= uint32_t{bytes[at + i]} << (8 * i);
    return static_cast<int32_t>(u);
}

constexpr size_t kFaceAt = 28;
constexpr size_t kFaceBytes = 32;

}  // namespace

ColourSet Preferences::DefaultColours() { return ParseCustomColors(kDefaultCustomColors); }

const std::array<std::string_view, kColourCount>& ColourNames() {
    static const std::array<std::string_view, kColourCount> names = {
        "Low Credit Pairings",  "Medium Credit Pairings",       "High Credit Pairings",
        "Very High Credit Pairings", "Duty Time",               "Rest Time",
        "Pair Over Requested Day Off", "Block Holder",          "Reserve",
        "Blk Total in Specified Range", "Blk Total outside Specified Range", "Block Window Background",
        "Pairing Window Background"};
    return names;
}

ColourSet ParseCustomColors(std::string_view text) {
    std::string value(text);
    if (value.size() < kFullColorsLength) value += kGreyBackgrounds;
    ColourSet colours{};
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = {ColourPart(value, 12 * i), ColourPart(value, 12 * i + 4), ColourPart(value, 12 * i + 8)};
    return colours;
}

std::string FormatCustomColors(const ColourSet& colours) {
    std::string out;
    for (const Rgb& c : colours) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%03d,%03d,%03d,", c.r, c.g, c.b);
        out += buf;
    }
    return out;
}

std::vector<uint8_t> EncodeFontRecord(const BlockFont& font) {
    std::vector<uint8_t> bytes(kFontRecordSize, 0);
    PutInt32(bytes, 0, font.height);
    PutInt32(bytes, 4, font.width);
    PutInt32(bytes, 8, font.weight);
    bytes[12] = font.italic ? 1 : 0;
    const size_t n = std::min(font.face.size(), kFaceBytes - 1);
    std::copy_n(font.face.begin(), n, bytes.begin() + kFaceAt);
    return bytes;
}

std::optional<BlockFont> DecodeFontRecord(const std::vector<uint8_t>& record) {
    if (record.size() != kFontRecordSize) return std::nullopt;
    BlockFont font;
    font.height = GetInt32(record, 0);
    font.width = GetInt32(record, 4);
    font.weight = GetInt32(record, 8);
    font.italic = record[12] != 0;
    const auto face = record.begin() + kFaceAt;
    font.face.assign(face, std::find(face, face + kFaceBytes - 1, uint8_t{0}));
    if (font.face.empty()) return std::nullopt;
    return font;
}

Preferences ReadPreferences(const Profile& profile) {
    Preferences p;
    p.Grid = ReadSwitch(profile, "Grid", false);
    p.Layovers = ReadSwitch(profile, "Layovers", true);
    p.AutoSave = ReadSwitch(profile, "AutoSave", true);
    p.RemindBackup = ReadSwitch(profile, "RemindBackup", true);
    p.PrintXes = ReadSwitch(profile, "PrintXes", true);
    p.ShowFullPair = ReadSwitch(profile, "ShowFullPair", false);
    p.ShowFullLayOver = ReadSwitch(profile, "ShowFullLayOver", false);
    p.HoldCtrlKey = ReadSwitch(profile, "HoldCtrlKey", true);
    p.AllowIllegal = ReadSwitch(profile, "AllowIllegal", true);
    p.DisableFTP = ReadSwitch(profile, "DisableFTP", false);
    p.DebugFile = ReadSwitch(profile, "DebugFile", false);
    p.XPadding = PaddingValue(profile, "XPadding", "6");
    p.YPadding = PaddingValue(profile, "YPadding", "3");
    p.Colours = ParseCustomColors(profile.GetString(kSection, "CustomColors", kDefaultCustomColors));
    p.FontRecord = profile.GetStruct(kSection, "Font", kFontRecordSize);
    return p;
}

bool WritePreferences(const Preferences& prefs, Profile& profile) {
    bool ok = true;
    auto flag = [&](std::string_view key, bool on) { ok = profile.WriteString(kSection, key, on ? "1" : "0") && ok; };
    flag("Grid", prefs.Grid);
    flag("Layovers", prefs.Layovers);
    flag("AutoSave", prefs.AutoSave);
    flag("RemindBackup", prefs.RemindBackup);
    flag("PrintXes", prefs.PrintXes);
    flag("ShowFullPair", prefs.ShowFullPair);
    flag("ShowFullLayOver", prefs.ShowFullLayOver);
    flag("HoldCtrlKey", prefs.HoldCtrlKey);
    flag("AllowIllegal", prefs.AllowIllegal);
    flag("DisableFTP", prefs.DisableFTP);
    flag("DebugFile", prefs.DebugFile);
    // One digit each: the edit boxes take one character.
    ok = profile.WriteString(kSection, "XPadding", std::to_string(std::clamp(prefs.XPadding, 0, 9))) && ok;
    ok = profile.WriteString(kSection, "YPadding", std::to_string(std::clamp(prefs.YPadding, 0, 9))) && ok;
    ok = profile.WriteString(kSection, "CustomColors", FormatCustomColors(prefs.Colours)) && ok;
    if (prefs.FontRecord) ok = profile.WriteStruct(kSection, "Font", *prefs.FontRecord) && ok;
    return ok;
}

}  // namespace lw::platform
