// lwtool prefs: the preference set of lwright.ini, shown with its defaults applied and changed
// key by key as the preferences and colours dialogs change it.
#include "cli/prefs_commands.h"

#include <cctype>
#include <cstdio>
#include <iostream>

#include "base/time_text.h"
#include "platform/preferences.h"

namespace lw::cli {

namespace {

struct Switch {
    const char* key;
    bool platform::Preferences::*field;
};

constexpr Switch kSwitches[] = {
    {"Grid", &platform::Preferences::Grid},
    {"Layovers", &platform::Preferences::Layovers},
    {"AutoSave", &platform::Preferences::AutoSave},
    {"RemindBackup", &platform::Preferences::RemindBackup},
    {"PrintXes", &platform::Preferences::PrintXes},
    {"ShowFullPair", &platform::Preferences::ShowFullPair},
    {"ShowFullLayOver", &platform::Preferences::ShowFullLayOver},
    {"HoldCtrlKey", &platform::Preferences::HoldCtrlKey},
    {"AllowIllegal", &platform::Preferences::AllowIllegal},
    {"DisableFTP", &platform::Preferences::DisableFTP},
    {"DebugFile", &platform::Preferences::DebugFile},
};

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// One KEY=VALUE of --set into the preference set.
void Apply(platform::Preferences& p, const std::string& setting) {
    const size_t eq = setting.find('=');
    if (eq == std::string::npos) throw UsageError("--set needs KEY=VALUE, not " + setting);
    const std::string key = setting.substr(0, eq);
    const std::string value = setting.substr(eq + 1);
    for (const Switch& s : kSwitches) {
        if (!SameKey(key, s.key)) continue;
        if (value != "0" && value != "1") throw UsageError(std::string(s.key) + " is 0 or 1, not " + value);
        p.*s.field = value == "1";
        return;
    }
    if (SameKey(key, "XPadding") || SameKey(key, "YPadding")) {
        if (value.size() != 1 || value[0] < '0' || value[0] > '9') throw UsageError(key + " is one digit, not " + value);
        (SameKey(key, "XPadding") ? p.XPadding : p.YPadding) = value[0] - '0';
        return;
    }
    if (SameKey(key, "CustomColors")) {
        p.Colours = platform::ParseCustomColors(value);
        return;
    }
    throw UsageError("unknown preference " + key);
}

void Print(const platform::Preferences& p) {
    for (const Switch& s : kSwitches) std::cout << s.key << " " << (p.*s.field ? 1 : 0) << "\n";
    std::cout << "XPadding " << p.XPadding << "\nYPadding " << p.YPadding << "\n";
    for (size_t i = 0; i < p.Colours.size(); ++i) {
        char rgb[16];
        std::snprintf(rgb, sizeof rgb, "%03d,%03d,%03d", p.Colours[i].r, p.Colours[i].g, p.Colours[i].b);
        std::cout << "colour " << i << " " << rgb << " " << platform::ColourNames()[i] << "\n";
    }
    const auto font = p.FontRecord ? platform::DecodeFontRecord(*p.FontRecord) : std::nullopt;
    if (font)
        std::cout << "Font \"" << font->face << "\" height " << font->height << " width " << font->width << " weight "
                  << font->weight << " italic " << (font->italic ? 1 : 0) << "\n";
    else
        std::cout << "Font none (Arial 14)\n";
}

}  // namespace

int CommandPrefs(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--ini", "--set"}, {});
    if (!args.Positionals().empty()) throw UsageError("usage: lwtool prefs [--ini FILE] [--set KEY=VALUE]...");
    platform::Profile profile(args.Value("--ini").value_or(platform::Profile::DefaultPath().string()));
    if (profile.File().empty()) {
        ctx.ui.Message("No preference file: set LWRIGHT_INI or HOME, or give --ini FILE.", "Linewright",
                       platform::Icon::Stop);
        return kExitFailed;
    }
    platform::Preferences prefs = platform::ReadPreferences(profile);
    const std::vector<std::string> sets = args.Values("--set");
    if (!sets.empty()) {
        for (const std::string& s : sets) Apply(prefs, s);
        if (!platform::WritePreferences(prefs, profile)) {
            ctx.ui.Message("The preferences could not be written to " + profile.File().string(), "Linewright",
                           platform::Icon::Stop);
            return kExitFailed;
        }
    }
    Print(prefs);
    return kExitDone;
}

}  // namespace lw::cli
