#pragma once
// The main frame "Linewright": the block grid in the middle, the tool windows beside it, the
// menus and function keys, the control bar with the open-time gauge and the crew's time bank,
// and the safety nets (timed copy, run log). Every command calls the core and repaints.
#include <QDialog>
#include <QMainWindow>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "persist/month_lock.h"
#include "persist/session_record.h"
#include "platform/clock.h"
#include "platform/interaction.h"
#include "platform/profile.h"
#include "rules/build_blocks.h"
#include "ui/workspace.h"

class QAction;
class QUrl;
class QLabel;
class QProgressBar;
class QTimer;

namespace lw::persist { class RunLog; }

namespace lw::ui {

class BidsWindow;
class BlockGridView;
class FiltersWindow;
class PairingsWindow;
class PairTextWindow;
class ToolboxWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // interaction and profile outlive the window; tests pass a scripted interaction.
    MainWindow(platform::Interaction& interaction, platform::Profile& profile, const platform::Clock& clock,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return *ws_; }
    // The run log this window writes to and closes normally at the end; may be null.
    void SetRunLog(persist::RunLog* log);
    // The record of the open month; an earlier run that ended abnormally is offered its
    // month's newer timed copy.
    void SetSessionRecord(persist::SessionRecord* session);

    // The command's action (menu item and key), nullptr for an unknown id.
    QAction* Command(int id) const;
    // Runs a command as its menu item does.
    void RunCommand(int id);
    // Whether "MENU_1" (a file is open) or "MENU_3" is shown.
    bool WorkingMenuShown() const { return fileOpen_; }
    // Opens a schedule file as the Open command does after its chooser.
    bool OpenFile(const std::string& file);
    // The File menu's recent-files items ("&1 path" ..), most recent first.
    const std::vector<QAction*>& RecentFileActions() const { return recentActions_; }

    BlockGridView* Grid() const { return grid_; }
    PairingsWindow* Pairings() const { return pairings_; }
    ToolboxWindow* Toolbox() const { return toolbox_; }
    PairTextWindow* PairText() const { return pairText_; }
    BidsWindow* Bids() const { return bids_; }
    FiltersWindow* Filters() const { return filters_; }
    QProgressBar* Gauge() const { return gauge_; }
    QLabel* TimeBank() const { return timeBank_; }
    // The open time on the status bar.
    QLabel* OpenTime() const { return openTime_; }
    QTimer* SafetyTimer() const { return timer_; }
    // What the 30-second timer runs: the timed .BAK copy.
    void TimerTick();
    // How the window runs its own modal dialogs (preferences, backup, About); tests answer
    // them here instead of the planner.
    void SetDialogRunner(std::function<int(QDialog&)> runner) { runDialog_ = std::move(runner); }
    // How a folder is shown after files are written into it (the desktop's file manager);
    // tests record the URL instead.
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
    // Puts the main window and the tool windows where the planner left them, from the
    // settings file; false when the main window has no saved place yet.
    bool RestorePlaces();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateControlBar();
    void ShowMenus();
    void UpdateCommands();
    void RefreshIndicators();
    void UpdateTitle();
    void UpdateUndoText();
    void SavePlaces();
    // After files are written into folder: asks whether to show it.
    void OfferFolder(const std::filesystem::path& folder);
    void Publish();
    void TrainingReport();
    void SaveForCompany();

    // Commands.
    void FileNew();
    // The dates dialog and the new-month wizard on the freshly cleared month.
    void RunNewMonthWizard();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    // A recent-files item: the Open command without its chooser.
    void OpenRecent(const std::string& file);
    void RememberRecent(const std::string& file);
    void SendByMail();
    void Backup();
    void BuildBlocks();
    // Blocks > Propose Blocks...: the proposal is marked in the grid and reviewed before it is applied.
    void ProposeBlocks();
    void ApplyBuildOutcome(const rules::BuildOutcome& outcome);
    void ToggleOpenOnly();
    void ToggleWindow(QWidget* window);
    void BidsWindowCommand();
    void FiltersWindowCommand();
    void CreateFilterWindows();
    void ShowEmployee(int crew);
    void ShowHistory();
    void ImportCommand(int id);
    // Roster and crew complement take the blocks down, run their dialog, and build again.
    void TakeDownForEditing();
    void EditRoster();
    // The pass word prompt, then the pairing editor on the pairing at index; in edit mode
    // the pairing report follows unless the editor was opened from it.
    void EditPairings(int index, bool reportAfter = true);
    void ChangeComplement();
    void CopyBlocks();
    // Print Blocks, Print Pairings and Print Setup; one printer set-up for the whole run.
    void PrintBlocks();
    void PrintPairings();
    void PrintSetup();
    QPrinter& Printer();
    void PreviewAndPrint(const std::function<void(QPrinter&)>& paint);
    void SaveForViewer();
    void ImportBawLin();
    void LoadPairingsCommand();
    void ExportForCrewTrac();
    void SetupMonth();
    void EditSharedNotes();
    void ToggleViewFilter(int id);
    void ShowPreferences();
    void ShowAbout();
    void ShowShortcuts();
    // Asks about unsaved work; false when the planner cancels or a wanted save failed.
    bool MayDiscard(std::string_view title);
    std::string LastFolder(std::string_view key) const;
    void RememberFolder(std::string_view key, const std::string& file);
    void HideToolWindows();
    void TakeNewDocument(std::unique_ptr<model::Document> doc);
    // Saves over the open month: under its lock, asking when it changed on disk.
    bool SaveOverOpenMonth(model::Document& doc);

    platform::Interaction& ui_;
    platform::Profile& profile_;
    std::unique_ptr<QPrinter> printer_;
    const platform::Clock& clock_;
    std::unique_ptr<Workspace> ws_;
    persist::RunLog* runLog_ = nullptr;
    // The open month's lock, what was read from disk, and whether another planner holds it.
    std::unique_ptr<persist::MonthLock> monthLock_;
    platform::FileIdentity readAs_;
    bool readOnly_ = false;
    persist::SessionRecord* session_ = nullptr;
    bool fileOpen_ = false;
    std::function<int(QDialog&)> runDialog_;
    std::function<bool(const QUrl&)> openUrl_;
    rules::PairingWarningsReport pairingReport_;

    std::map<int, QAction*> actions_;
    std::vector<QAction*> recentActions_;
    QAction* tabAction_ = nullptr;
    BlockGridView* grid_ = nullptr;
    PairingsWindow* pairings_ = nullptr;
    ToolboxWindow* toolbox_ = nullptr;
    PairTextWindow* pairText_ = nullptr;
    BidsWindow* bids_ = nullptr;
    FiltersWindow* filters_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QLabel* timeBank_ = nullptr;
    QLabel* openTime_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace lw::ui
