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
        {kCmdUndo, "&Undo"},  // then the newest history entry it takes back
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

std::string_view CommandStatusTip(int id) {
    switch (id) {
        case kCmdNew: return "Start a new month with the new-month wizard";
        case kCmdOpen: return "Open a month file";
        case kCmdSave: return "Save the month";
        case kCmdSaveAs: return "Save the month under a new name";
        case kCmdMail: return "Send the month file, with its personal data, by e-mail";
        case kCmdBackup: return "Copy the month to a backup folder";
        case kCmdPrintBlocks: return "Preview and print the crew blocks, or save them as PDF";
        case kCmdPrintBlocksClipboard: return "Copy every crew line to the clipboard as text";
        case kCmdPrintPairings: return "Preview and print the visual pairings, or save them as PDF";
        case kCmdPrintSetup: return "Choose the printer, the paper and the margins";
        case kCmdPairingReportClipboard: return "Copy the pairing report to the clipboard";
        case kCmdCrewAbsences: return "Read this month's absences from a CrewTrac extract";
        case kCmdPairingFile: return "Read this month's pairing file";
        case kCmdPublish: return "Write the .htm page and the .csv files beside the month";
        case kCmdLastMonthData: return "Read last month's activities from a CrewTrac extract";
        case kCmdNextAbsences: return "Read next month's absences from a CrewTrac extract";
        case kCmdLisFiles: return "Mark aircraft types and French-language pairings from LIS files";
        case kCmdPilotBids: return "Read the pilots' bids from a bid file";
        case kCmdBawLin: return "Read crew blocks from a BAW and LIN file pair";
        case kCmdToolboxItems: return "Read the toolbox activities from a .box file";
        case kCmdCrewTracExport: return "Write the BAW and LIN files for CrewTrac";
        case kCmdCompanyExport: return "Save a copy without personal data for the company";
        case kCmdPreferences: return "Display, safety and printing preferences, colours and the block font";
        case kCmdViewerExport: return "Save a copy without personal data for the viewer";
        case kCmdTrainingReport: return "Write the line indoctrination and line check days to a CSV file";
        case kCmdExit: return "Quit Linewright";
        case kCmdCopyBlocks: return "Copy the chosen crew members' blocks to the clipboard";
        case kCmdMonth: return "The month's block limits and days off";
        case kCmdRoster: return "Add, remove and reorder crew members";
        case kCmdPairingEditor: return "View or edit the month's pairings";
        case kCmdComplement: return "Choose the pairing days that need two captains or an extra flight attendant";
        case kCmdUndo: return "Take back the newest assignment or removal";
        case kCmdBuildBlocks: return "Check the pairings and build the blocks";
        case kCmdProposeBlocks: return "Propose blocks for the open time, by seniority and bids, to review before applying";
        case kCmdPairingsWindow: return "Show or hide the pairings window";
        case kCmdToolbox: return "Show or hide the toolbox of activities";
        case kCmdBidsWindow: return "Show or hide the pilots' bids window";
        case kCmdFiltersWindow: return "Open the pairing filters window";
        case kCmdHistory: return "List the month's assignments and removals, newest first";
        case kCmdExceptions: return "List the illegal days and warnings of every block";
        case kCmdOpenOnly: return "Show only the open pairings, or every pairing";
        case kCmdCalculator: return "Start a desk calculator";
        case kCmdGlobalInfo: return "Summary figures of the month";
        case kCmdShortcuts: return "List the keyboard shortcuts";
        case kCmdAbout: return "Version of Linewright";
        case kCmdSearchFilter: return "Show only the blocks that match the search text";
        case kCmdHideCheckPilots: return "Hide the check pilots' blocks";
        case kCmdHideCompleted: return "Hide the blocks that are complete";
        case kCmdHideLeave: return "Hide the blocks of crew on leave";
        case kCmdHideBlockHolders: return "Hide the block holders' blocks";
        case kCmdOnlyCheckPilots: return "Show only the check pilots' blocks";
        case kCmdOnlyLtc: return "Show only the line training captains' blocks";
        case kCmdOnlyBlockHolders: return "Show only the block holders' blocks";
        case kCmdSharedNotes: return "Notes kept in the month file for every planner";
        case kCmdRosterExtract: return "The roster is read by the new-month wizard";
        default: return {};
    }
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
