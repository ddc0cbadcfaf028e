#pragma once
// The preference file lwright.ini: "[Section]" headers and "key=value" lines. Section and key
// names are matched without regard to case; values are kept byte for byte. Writing changes only
// the line of the key written and keeps every other line of the file as it was.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace lw::platform {

class Profile {
public:
    explicit Profile(std::filesystem::path file);

    // $LWRIGHT_INI, else $XDG_CONFIG_HOME/linewright/lwright.ini, else
    // $HOME/.config/linewright/lwright.ini. Empty when none of these is set.
    static std::filesystem::path DefaultPath(const EnvironmentLookup& env = ProcessEnvironment);

    const std::filesystem::path& File() const { return file_; }

    // Every read looks at the file as it is now; a missing or unreadable file has no keys.
    // The value of a key, nullopt when the key is not in the section. The first of repeated keys counts.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The leading decimal integer of the value (0 when it has none); fallback when the key is
    // missing or its value is empty.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    // A value written by WriteStruct holding exactly size bytes; nullopt when missing, of another
    // length, not hex, or when its checksum does not match.
    std::optional<std::vector<uint8_t>> GetStruct(std::string_view section, std::string_view key, size_t size) const;

    // Replace the key's value in place, or add the key at the end of its section, or add the
    // section at the end of the file. The folder is created when missing; the file is replaced
    // atomically. False when the file cannot be read or written, or when a name or value
    // cannot be stored on one line (line breaks, "=" in a key, "]" in a section).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);
    // Upper-case hex of the bytes followed by a checksum byte (their sum mod 256) in hex.
    bool WriteStruct(std::string_view section, std::string_view key, std::span<const uint8_t> bytes);

private:
    std::filesystem::path file_;
};

}  // namespace lw::platform
