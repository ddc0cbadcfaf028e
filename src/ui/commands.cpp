#include "ui/commands.h"

namespace lw::ui {

const std::vector<CommandText>& CommandTexts() {
    static const std::vector<CommandText> texts = {
        {kCmdNew, "&New..."},
        {kCmdOpen, "&Open..."},
        {kCmdSaveAs, "Save &As..."},
        {kCmdSave, "&Save"},
        {kCmdMail, "e-&mail to..."},
        {kCmdBackup, "&Backup..."},
        {kCmdPrintBlocks, "&Print Blocks..."},
        {kCmdPrintBlocksClipboard, "Print Blocks to Clipboard"},
        {kCmdPrintPairings, "Print Pairin&gs..."},
        {kCmdPrintSetup, "P&rint Setup..."},
        {kCmdPairingReportClipboard, "Print Pairing Report to Clipboard"},
        {kCmdCrewAbsences, "&Crew Absences from Extract..."},
        {kCmdPairingFile, "This Month's Pairings..."},
        {kCmdPublish, "Save &Internet .htm and .csv files"},
        {kCmdLastMonthData, "Last Month's Data from  Extract..."},
        {kCmdNextAbsences, "&Next Month's Absences from Extract..."},
        {kCmdLisFiles, "AC Type and &French Data from LIS Files..."},
        {kCmdPilotBids, "Pilot Bids..."},
        {kCmdBawLin, "Crew Blocks from BAW and LIN..."},
        {kCmdToolboxItems, "&ToolBox Items..."},
        {kCmdCrewTracExport, "&Export Schedules for Vandrel CrewTrac"},
        {kCmdCompanyExport, "Finalize and Save &for Company..."},
        {kCmdPreferences, "Se&tup Preferences..."},
        {kCmdViewerExport, "Save for Viewer..."},
        {kCmdTrainingReport, "Generate Training Report..."},
        {kCmdExit, "E&xit"},
        {kCmdCopyBlocks, "Copy &Blocks to Clipboard"},
        {kCmdMonth, "&Month..."},
        {kCmdRoster, "&Roster..."},
        {kCmdPairingEditor, "&Pairings..."},
        {kCmdComplement, "&Change Pairing Crew Complement..."},
        {kCmdUndo, "&Undo F1"},
        {kCmdBuildBlocks, "&Build Blocks"},
        {kCmdProposeBlocks, "&Propose Blocks..."},
        {kCmdPairingsWindow, "&Pairings Window"},
        {kCmdToolbox, "&ToolBox"},
        {kCmdBidsWindow, "Bids Window"},
        {kCmdFiltersWindow, "Pairing &Filters Window"},
        {kCmdHistory, "&History"},
        {kCmdExceptions, "&Warnings and Exceptions"},
        {kCmdOpenOnly, "Show &Only Open Pairings"},
        {kCmdCalculator, "&Calculator"},
        {kCmdGlobalInfo, "&Global Info..."},
        {kCmdShortcuts, "Keyboard &Shortcuts"},
        {kCmdAbout, "&About Linewright and Support..."},
        {kCmdSearchFilter, "Display Only Blocks Matching Search String"},
        {kCmdHideCheckPilots, "Hide Check Pilot Blocks"},
        {kCmdHideCompleted, "Hide Completed Blocks"},
        {kCmdHideLeave, "Hide Leave Blocks"},
        {kCmdHideBlockHolders, "Hide Block Holders"},
        {kCmdOnlyCheckPilots, "Show Only Check Pilots"},
        {kCmdOnlyLtc, "Show Only LTC"},
        {kCmdOnlyBlockHolders, "Show Only Blockholders"},
        {kCmdSharedNotes, "Shared Notes for File..."},
        {kCmdRosterExtract, "&Roster from Extract..."},
    };
    return texts;
}

std::string_view CommandTextOf(int id) {
    for (const CommandText& c : CommandTexts())
        if (c.id == id) return c.text;
    return {};
}

const std::vector<MenuLayout>& WorkingMenus() {
    static const std::vector<MenuLayout> menus = {
        {"&File",
         {kCmdNew, kCmdOpen, kCmdSave, kCmdSaveAs, kCmdMail, kCmdBackup, 0, kCmdPrintBlocks, kCmdPrintBlocksClipboard,
          kCmdPrintPairings, kCmdPrintSetup, kCmdPairingReportClipboard, 0, kCmdPublish, kCmdCrewTracExport,
          kCmdCompanyExport, kCmdViewerExport, kCmdTrainingReport, 0, kCmdSharedNotes, kCmdPreferences, 0, kCmdExit}},
        {"&Import",
         {kCmdRosterExtract, kCmdCrewAbsences, kCmdNextAbsences, kCmdLastMonthData, kCmdPairingFile, kCmdLisFiles,
          kCmdPilotBids, kCmdBawLin, kCmdToolboxItems}},
        {"&Edit",
         {kCmdUndo, kCmdCopyBlocks, 0, kCmdMonth, kCmdRoster, kCmdPairingEditor, kCmdComplement}},
        {"&Blocks", {kCmdBuildBlocks, kCmdProposeBlocks, kCmdHistory, kCmdExceptions, kCmdGlobalInfo}},
        {"&View",
         {kCmdPairingsWindow, kCmdToolbox, kCmdBidsWindow, kCmdFiltersWindow, kCmdOpenOnly, 0, kCmdSearchFilter,
          kCmdHideCheckPilots, kCmdHideCompleted, kCmdHideLeave, kCmdHideBlockHolders, kCmdOnlyCheckPilots,
          kCmdOnlyLtc, kCmdOnlyBlockHolders}},
        {"&Tools", {kCmdCalculator}},
        {"&Help", {kCmdShortcuts, kCmdAbout}},
    };
    return menus;
}

const std::vector<MenuLayout>& NoFileMenus() {
    static const std::vector<MenuLayout> menus = {
        {"&File", {kCmdNew, kCmdOpen, 0, kCmdExit}},
        {"&Help", {kCmdAbout}},
    };
    return menus;
}

const std::vector<std::string_view>& KeyboardShortcutLines() {
    static const std::vector<std::string_view> lines = {
        "F1\tundo the last transaction",
        "F3 or Tab\tshow only open pairings / all pairings",
        "F4\tshow or hide the pairings window",
        "F5\tshow or hide the toolbox",
        "F6\tpairing filters window",
        "F8\tbackup",
        "F9\tglobal information",
        "H\ttransaction history",
        "Insert\tshow or hide the bids window (pilots)",
        "Esc (held)\tshow all credits in the block window",
        "Left arrow (held)\tshow last month's days",
        "Up, Down\tscroll the block window by one line",
        "=\tpairing report to the clipboard",
    };
    return lines;
}

}  // namespace lw::ui
