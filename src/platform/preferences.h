#pragma once
// The planner's display and safety preferences (section "LW" of lwright.ini): what the
// preferences and colours dialogs edit and every window draws with.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace lw::platform {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The display colours, in the order the colours dialog lists them.
enum ColourIndex : int {
    kLowCreditColour = 0,
    kMediumCreditColour,
    kHighCreditColour,
    kVeryHighCreditColour,
    kDutyTimeColour,
    kRestTimeColour,
    kPairOverDayOffColour,
    kBlockHolderColour,
    kReserveColour,
    kBlockInRangeColour,
    kBlockOutOfRangeColour,
    kBlockBackgroundColour,
    kPairingBackgroundColour,
    kColourCount
};
using ColourSet = std::array<Rgb, kColourCount>;

struct Preferences {
    bool Grid = false;
    bool Layovers = true;
    bool AutoSave = true;
    bool RemindBackup = true;
    bool PrintXes = true;
    bool ShowFullPair = false;
    bool ShowFullLayOver = false;
    bool HoldCtrlKey = true;
    bool AllowIllegal = true;
    bool DisableFTP = false;
    bool DebugFile = false;
    int XPadding = 6;  // pixels of horizontal whitespace in a block cell
    int YPadding = 3;
    ColourSet Colours = DefaultColours();
    std::optional<std::vector<uint8_t>> FontRecord;  // "Font": the block font, when one was chosen

    static ColourSet DefaultColours();
    bool operator==(const Preferences&) const = default;
};

// The colour names as the colours dialog lists them.
const std::array<std::string_view, kColourCount>& ColourNames();

// "CustomColors": three-digit triplets; a value written when there were 11 colours gets the two
// grey backgrounds.
ColourSet ParseCustomColors(std::string_view text);
// As the colours dialog writes it: "%03d,%03d,%03d," per colour.
std::string FormatCustomColors(const ColourSet& colours);

// The block font as the "Font" record keeps it: 60 bytes, little-endian,
//   0 height (pixels, int32)   4 width (int32)   8 weight (int32, 400 normal, 700 bold)
//   12 italic (byte)   13..27 zero   28 face name (32 bytes, NUL-padded, at most 31 used).
// The profile adds its checksum byte when writing.
inline constexpr size_t kFontRecordSize = 60;
struct BlockFont {
    std::string face = "Arial";
    int32_t height = 14;
    int32_t width = 5;
    int32_t weight = 400;
    bool italic = false;
    bool operator==(const BlockFont&) const = default;
};
std::vector<uint8_t> EncodeFontRecord(const BlockFont& font);
// nullopt for a record of another size or without a face name.
std::optional<BlockFont> DecodeFontRecord(const std::vector<uint8_t>& record);

Preferences ReadPreferences(const Profile& profile);
// False when the profile could not be written.
bool WritePreferences(const Preferences& prefs, Profile& profile);

}  // namespace lw::platform
