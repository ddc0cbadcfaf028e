#pragma once
// The main window's commands: identifiers, menu texts and the menus they sit in.
#include <string_view>
#include <vector>

namespace lw::ui {

enum CommandId : int {
    kCmdNew = 201, kCmdOpen = 202, kCmdSave = 203, kCmdSaveAs = 204, kCmdMail = 300, kCmdBackup = 129,
    kCmdPrintBlocks = 124, kCmdPrintBlocksClipboard = 160, kCmdPrintPairings = 130, kCmdPrintSetup = 147,
    kCmdPairingReportClipboard = 225, kCmdCrewAbsences = 11844, kCmdPairingFile = 128, kCmdPublish = 11843,
    kCmdLastMonthData = 11846, kCmdNextAbsences = 11848, kCmdLisFiles = 11853, kCmdPilotBids = 11855,
    kCmdBawLin = 11875, kCmdToolboxItems = 901, kCmdCrewTracExport = 135, kCmdCompanyExport = 137,
    kCmdPreferences = 136, kCmdViewerExport = 902, kCmdTrainingReport = 351, kCmdExit = 24310,
    kCmdCopyBlocks = 105, kCmdMonth = 132, kCmdRoster = 131, kCmdPairingEditor = 133, kCmdComplement = 11847,
    kCmdUndo = 11842, kCmdBuildBlocks = 140, kCmdPairingsWindow = 101, kCmdToolbox = 102, kCmdBidsWindow = 11854,
    kCmdFiltersWindow = 103, kCmdHistory = 200, kCmdExceptions = 108, kCmdOpenOnly = 150, kCmdCalculator = 155,
    kCmdGlobalInfo = 127, kCmdShortcuts = 11852, kCmdAbout = 205, kCmdSearchFilter = 550,
    kCmdHideCheckPilots = 551, kCmdHideCompleted = 552, kCmdHideLeave = 553, kCmdHideBlockHolders = 554,
    kCmdOnlyCheckPilots = 555, kCmdOnlyLtc = 556, kCmdOnlyBlockHolders = 557, kCmdSharedNotes = 350,
    kCmdRosterExtract = 11845, kCmdProposeBlocks = 11900,
};

struct CommandText {
    int id;
    std::string_view text;
};

// Every command with its menu text.
const std::vector<CommandText>& CommandTexts();
std::string_view CommandTextOf(int id);
// The status bar's line for the command while the pointer is on it.
std::string_view CommandStatusTip(int id);

// A menu of the working menu bar: its title and its commands in order, 0 for a separator.
struct MenuLayout {
    std::string_view title;
    std::vector<int> commands;
};
// "MENU_1", shown while a file is open.
const std::vector<MenuLayout>& WorkingMenus();
// "MENU_3", shown while no file is open.
const std::vector<MenuLayout>& NoFileMenus();

// The eight view filters of the block window, in command order 550..557.
inline constexpr int kFirstViewFilter = kCmdSearchFilter;
inline constexpr int kLastViewFilter = kCmdOnlyBlockHolders;

// The lines of the "Keyboard Shortcuts" dialog.
const std::vector<std::string_view>& KeyboardShortcutLines();

}  // namespace lw::ui
