#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "bids/bid_import.h"
#include "import/absence_extract.h"
#include "import/activity_extract.h"
#include "import/baw_lin_import.h"
#include "import/lis_scan.h"
#include "import/toolbox_file.h"
#include "output/crew_lines_text.h"
#include "output/exceptions_report.h"
#include "output/html_publish.h"
#include "output/month_summary.h"
#include "output/pairing_reports.h"
#include "output/selected_blocks_text.h"
#include "output/training_report.h"
#include "output/viewer_export.h"
#include "persist/backup.h"
#include "persist/run_log.h"
#include "persist/schedule_file.h"
#include "platform/recent_files.h"
#include "rules/block_checks.h"
#include "rules/complement.h"
#include "persist/file_set.h"
#include "persist/guarded_save.h"
#include "rules/roster_edit.h"
#include "rules/view_filter.h"
#include "rules/history_undo.h"
#include "rules/propose.h"
#include "ui/backup_dialog.h"
#include "ui/bids_window.h"
#include "ui/employee_dialog.h"
#include "ui/filters_window.h"
#include "ui/pair_editor_dialog.h"
#include "ui/block_font.h"
#include "ui/block_grid_view.h"
#include "ui/propose_dialog.h"
#include "ui/commands.h"
#include "ui/desktop_tools.h"
#include "ui/month_dialogs.h"
#include "ui/crewtrac_export_dialog.h"
#include "ui/new_month_wizard.h"
#include "ui/pairing_load_dialog.h"
#include "ui/shared_notes_dialog.h"
#include "ui/pair_text_window.h"
#include "ui/pairings_window.h"
#include "ui/roster_dialog.h"
#include "ui/search_bar.h"
#include "ui/tool_window_places.h"
#include "ui/settings_dialogs.h"
#include "ui/text.h"
#include "output/printout_layout.h"
#include "print/printout_painter.h"
#include "rules/pairings_layout.h"
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include "ui/toolbox_window.h"

namespace lw::ui {

namespace {

constexpr std::string_view kSection = "LW";
constexpr int kTimerPeriodMs = 30000;
constexpr const char* kScheduleFilter =
    "Linewright (*.lw2)|*.lw2|Linewright Viewer(*.lwv)|*.lwv| Company Blocks(*.skd)|*.skd|All Files (*.*)|*.*";
constexpr const char* kSaveFilter = "Linewright (*.lw2)|*.lw2|All Files (*.*)|*.*";

// Commands whose window or core work is not part of the program yet: shown, never enabled.
bool NotYetAvailable(int id) {
    switch (id) {
        case kCmdRosterExtract: return true;
        default: return false;
    }
}

bool IsViewFilter(int id) { return id >= kFirstViewFilter && id <= kLastViewFilter; }

rules::ViewSwitch SwitchOf(int id) {
    switch (id) {
        case kCmdSearchFilter: return rules::ViewSwitch::FilterSearch;
        case kCmdHideCheckPilots: return rules::ViewSwitch::HideCheckPilots;
        case kCmdHideCompleted: return rules::ViewSwitch::HideCompleted;
        case kCmdHideLeave: return rules::ViewSwitch::HideLeaveBlocks;
        case kCmdHideBlockHolders: return rules::ViewSwitch::HideBlockHolders;
        case kCmdOnlyCheckPilots: return rules::ViewSwitch::ShowCCP;
        case kCmdOnlyLtc: return rules::ViewSwitch::ShowLTC;
        default: return rules::ViewSwitch::ShowBlockHolders;
    }
}

std::string FolderOf(const std::string& file) { return std::filesystem::path(file).parent_path().string(); }

// The keys the desktop uses for these everywhere, beside the function keys of the table.
// A key scheme without a binding (Windows has none for Save As and Quit) gets the fallback.
struct StandardKeyOf {
    int id;
    QKeySequence::StandardKey key;
    QKeyCombination fallback = {};
};
constexpr StandardKeyOf kStandardKeys[] = {
    {kCmdNew, QKeySequence::New},
    {kCmdOpen, QKeySequence::Open},
    {kCmdSave, QKeySequence::Save},
    {kCmdSaveAs, QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {kCmdExit, QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
    {kCmdUndo, QKeySequence::Undo},
    {kCmdPrintBlocks, QKeySequence::Print},
    {kCmdShortcuts, QKeySequence::HelpContents},
};

// Where the settings file keeps a window's place (QWidget::saveGeometry, base64).
constexpr std::string_view kMainPlaceKey = "MainWindowPlace";
constexpr std::string_view kPairingsPlaceKey = "PairingsWindowPlace";
constexpr std::string_view kToolboxPlaceKey = "ToolboxWindowPlace";

}  // namespace

MainWindow::MainWindow(platform::Interaction& interaction, platform::Profile& profile, const platform::Clock& clock,
                       QWidget* parent)
    : QMainWindow(parent),
      ui_(interaction),
      profile_(profile),
      clock_(clock),
      ws_(std::make_unique<Workspace>(interaction, profile)),
      runDialog_([](QDialog& d) { return d.exec(); }),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      // The report's double-click opens the editor; the report itself is then built again.
      pairingReport_([this](model::Document& doc, platform::Interaction& ui) {
          output::ShowEditablePairingReport(doc, ui, [this](int pair) { EditPairings(pair, false); });
      }) {
    setWindowTitle("Linewright");
    ws_->prefs() = platform::ReadPreferences(profile_);
    TakeNewDocument(std::make_unique<model::Document>(clock_.Today().Number()));

    grid_ = new BlockGridView(*ws_, this);
    setCentralWidget(grid_);
    grid_->SetBlockFont(BlockFont(ws_->prefs(), false));
    pairings_ = new PairingsWindow(*ws_, this);
    pairings_->setWindowFlag(Qt::Tool);
    toolbox_ = new ToolboxWindow(*ws_, this);
    toolbox_->setWindowFlag(Qt::Tool);

    pairText_ = new PairTextWindow(*ws_, this);
    pairText_->setWindowFlag(Qt::Tool);
    connect(grid_, &BlockGridView::pairingTextRequested, this, [this](int pair, int day) {
        pairText_->ShowPairing(pair, day, QCursor::pos(), frameGeometry());
    });
    connect(pairings_, &PairingsWindow::pairTextRequested, this, [this](int pair, int day, QPoint at) {
        pairText_->ShowPairing(pair, day, at, frameGeometry());
    });
    // The corner icons show and toggle the tool windows, which open beside the grid.
    connect(grid_, &BlockGridView::toolWindowIconClicked, this, [this](int id) { RunCommand(id); });
    connect(grid_, &BlockGridView::toolWindowsChanged, this, &MainWindow::UpdateCommands);
    auto* places = new ToolWindowPlaces(*this, profile_);
    places->Watch(*pairings_, std::string(kPairingsPlaceKey), ToolWindowPlaces::Corner::BottomLeft);
    places->Watch(*toolbox_, std::string(kToolboxPlaceKey), ToolWindowPlaces::Corner::TopRight);
    // The grid's own keys: "H" lists the history, "=" copies the pairing report.
    connect(grid_, &BlockGridView::historyRequested, this, [this] { RunCommand(kCmdHistory); });
    connect(grid_, &BlockGridView::pairingReportRequested, this, [this] { RunCommand(kCmdPairingReportClipboard); });
    CreateFilterWindows();
    grid_->SetToolWindows({pairings_, toolbox_, bids_, filters_});

    CreateActions();
    CreateControlBar();
    addToolBarBreak();
    addToolBar(new SearchBar(*ws_, *grid_, *actions_[kCmdSearchFilter], this));
    QFont statusFont("MS Sans Serif");
    statusFont.setPixelSize(12);
    statusFont.setWeight(QFont::Bold);
    statusBar()->setFont(statusFont);
    openTime_ = new QLabel(this);
    openTime_->setObjectName("OpenTime");
    openTime_->setToolTip("Pairing credit still in open");
    statusBar()->addPermanentWidget(openTime_);
    ShowMenus();

    connect(ws_.get(), &Workspace::documentChanged, this, [this] {
        RefreshIndicators();
        UpdateCommands();
    });
    connect(ws_.get(), &Workspace::preferencesChanged, this, [this] {
        grid_->SetBlockFont(BlockFont(ws_->prefs(), false));
        grid_->RecomputeGeometry();
        grid_->Refresh();
    });
    connect(ws_.get(), &Workspace::documentReplaced, this, [this] {
        RefreshIndicators();
        UpdateCommands();
    });

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerPeriodMs);
    connect(timer_, &QTimer::timeout, this, &MainWindow::TimerTick);
    timer_->start();
    RefreshIndicators();
    UpdateCommands();
}

MainWindow::~MainWindow() {
    timer_->stop();
    HideToolWindows();  // while the window that follows them is still whole
    if (runLog_) runLog_->End();
    ws_->doc().RunLog = nullptr;
}

void MainWindow::SetRunLog(persist::RunLog* log) {
    runLog_ = log;
    ws_->doc().RunLog = log;
}

void MainWindow::SetSessionRecord(persist::SessionRecord* session) {
    session_ = session;
    if (!session_) return;
    const auto month = session_->AbnormalEnd();
    if (!month || month->empty()) return;
    const std::filesystem::path copy = persist::NewerTimedCopy(*month);
    if (copy.empty()) {
        ui_.Message("Linewright did not shut down normally while " + month->string() + " was open.", "Linewright",
                    platform::Icon::Warning);
        return;
    }
    if (ui_.Ask("Linewright did not shut down normally while " + month->string() + " was open. Its backup copy " +
                    copy.string() + " is newer. Open the backup copy?",
                "Linewright", platform::Buttons::YesNo, platform::Icon::Warning) == platform::Answer::Yes)
        OpenFile(copy.string());
}

QAction* MainWindow::Command(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::CreateActions() {
    for (const CommandText& c : CommandTexts()) {
        auto* action = new QAction(QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size())), this);
        const int id = c.id;
        action->setData(id);
        const std::string_view tip = CommandStatusTip(id);
        action->setStatusTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions_[id] = action;
        addAction(action);  // keys work whichever menu is shown
    }
    for (int id : {kCmdPairingsWindow, kCmdToolbox, kCmdBidsWindow, kCmdOpenOnly}) actions_[id]->setCheckable(true);
    for (int id = kFirstViewFilter; id <= kLastViewFilter; ++id) actions_[id]->setCheckable(true);
    actions_[kCmdUndo]->setShortcut(Qt::Key_F1);
    actions_[kCmdOpenOnly]->setShortcut(Qt::Key_F3);
    actions_[kCmdPairingsWindow]->setShortcut(Qt::Key_F4);
    actions_[kCmdToolbox]->setShortcut(Qt::Key_F5);
    actions_[kCmdFiltersWindow]->setShortcut(Qt::Key_F6);
    actions_[kCmdBackup]->setShortcut(Qt::Key_F8);
    actions_[kCmdGlobalInfo]->setShortcut(Qt::Key_F9);
    actions_[kCmdBidsWindow]->setShortcut(Qt::Key_Insert);
    // An action may answer to several keys; a standard key that a function key of the table
    // already holds (F1 is Help on most desktops, but Undo here) is left out, so no key is ambiguous.
    std::vector<QKeySequence> taken{QKeySequence(Qt::Key_Tab)};
    for (auto& [id, action] : actions_)
        if (!action->shortcut().isEmpty()) taken.push_back(action->shortcut());
    for (const StandardKeyOf& s : kStandardKeys) {
        QList<QKeySequence> keys = actions_[s.id]->shortcuts();
        QList<QKeySequence> standard = QKeySequence::keyBindings(s.key);
        if (standard.isEmpty() && s.fallback.key() != Qt::Key_unknown) standard = {QKeySequence(s.fallback)};
        for (const QKeySequence& k : standard) {
            if (std::find(taken.begin(), taken.end(), k) != taken.end()) continue;
            keys.push_back(k);
            taken.push_back(k);
        }
        actions_[s.id]->setShortcuts(keys);
    }
    for (auto& [id, action] : actions_) action->setShortcutContext(Qt::WindowShortcut);
    // Tab does what F3 does; a second action, because one action shows one key in the menu.
    tabAction_ = new QAction(this);
    tabAction_->setShortcut(Qt::Key_Tab);
    tabAction_->setShortcutContext(Qt::WindowShortcut);
    tabAction_->setStatusTip(actions_[kCmdOpenOnly]->statusTip());
    connect(tabAction_, &QAction::triggered, this, [this] {
        if (actions_[kCmdOpenOnly]->isEnabled()) RunCommand(kCmdOpenOnly);
    });
    addAction(tabAction_);
}

void MainWindow::CreateControlBar() {
    QToolBar* bar = addToolBar("Control Bar");
    bar->setObjectName("ControlBar");
    bar->setMovable(false);
    QFont small = bar->font();
    small.setPixelSize(10);
    bar->setFont(small);
    const QStyle* s = style();
    actions_[kCmdNew]->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    actions_[kCmdOpen]->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    actions_[kCmdSave]->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    actions_[kCmdSaveAs]->setIcon(s->standardIcon(QStyle::SP_DriveFDIcon));
    actions_[kCmdAbout]->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
    bar->addAction(actions_[kCmdNew]);
    bar->addAction(actions_[kCmdOpen]);
    bar->addAction(actions_[kCmdSave]);
    bar->addSeparator();
    bar->addAction(actions_[kCmdSaveAs]);
    bar->addAction(actions_[kCmdAbout]);
    bar->addSeparator();
    gauge_ = new QProgressBar(bar);
    gauge_->setObjectName("OpenTimeGauge");
    gauge_->setFixedSize(200, 20);
    gauge_->setTextVisible(true);
    gauge_->setAlignment(Qt::AlignCenter);
    bar->addWidget(gauge_);
    timeBank_ = new QLabel(" TB 000:00", bar);
    timeBank_->setObjectName("TimeBank");
    timeBank_->setFixedSize(100, 15);
    timeBank_->setFont(small);
    timeBank_->setFrameShape(QFrame::StyledPanel);
    bar->addWidget(timeBank_);
}

void MainWindow::ShowMenus() {
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QAction* old : recentActions_) old->deleteLater();  // one of them may be running now
    recentActions_.clear();
    const std::vector<std::string> recent = platform::ReadRecentFiles(profile_);
    for (size_t i = 0; i < recent.size(); ++i) {
        const std::string& file = recent[i];
        QString text = QString::fromStdString(file);
        text.replace("&", "&&");  // a path's own "&" is shown, not taken as a mnemonic
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(text), this);
        action->setStatusTip("Open " + QString::fromStdString(file));
        connect(action, &QAction::triggered, this, [this, file] { OpenRecent(file); });
        recentActions_.push_back(action);
    }
    for (const MenuLayout& m : fileOpen_ ? WorkingMenus() : NoFileMenus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(m.title.data(), static_cast<qsizetype>(m.title.size())));
        for (int id : m.commands) {
            if (id == kCmdExit && !recentActions_.empty()) {
                for (QAction* action : recentActions_) menu->addAction(action);
                menu->addSeparator();
            }
            if (id == 0) menu->addSeparator();
            else menu->addAction(actions_.at(id));
        }
    }
}

void MainWindow::UpdateCommands() {
    const model::Document& doc = ws_->doc();
    const bool named = fileOpen_ && !doc.CurrentFileName.empty();
    const bool built = fileOpen_ && doc.BlocksBuilt != 0;
    const bool pilots = !doc.IsFlightAttendants();
    for (auto& [id, action] : actions_) {
        bool on = fileOpen_;
        switch (id) {
            case kCmdNew: case kCmdOpen: case kCmdExit: case kCmdAbout: on = true; break;
            // Left on without a mail program, so that the planner is told what is missing.
            case kCmdSave: case kCmdBackup: case kCmdMail: on = named; break;
            case kCmdPairingsWindow: case kCmdToolbox: case kCmdProposeBlocks: on = built; break;
            case kCmdPrintBlocks: case kCmdPrintPairings: on = built; break;
            case kCmdPrintSetup: on = true; break;
            // In a cabin month the bids window only says it is for pilots; in a pilots' month
            // the filters command points to the bids window.
            case kCmdBidsWindow: on = built; break;
            case kCmdFiltersWindow: on = fileOpen_; break;
            case kCmdHideCheckPilots: on = built && pilots; break;
            default:
                if (IsViewFilter(id)) on = built;
                break;
        }
        if (NotYetAvailable(id)) on = false;
        action->setEnabled(on);
    }
    actions_[kCmdPairingsWindow]->setChecked(pairings_->isVisible());
    actions_[kCmdToolbox]->setChecked(toolbox_->isVisible());
    actions_[kCmdBidsWindow]->setChecked(bids_->isVisible());
    actions_[kCmdOpenOnly]->setChecked(!doc.ShowTakenPairings);
    for (int id = kFirstViewFilter; id <= kLastViewFilter; ++id)
        actions_[id]->setChecked(grid_->ViewSwitchOn(SwitchOf(id)));
    UpdateUndoText();
}

void MainWindow::UpdateUndoText() {
    // The item names what F1 would take back, from the newest history entry.
    const model::Document& doc = ws_->doc();
    QString text = "&Undo";
    if (fileOpen_ && !doc.History.Empty()) {
        const model::TAction& a = doc.History[0];
        const bool assigned = a.Kind == model::History::kAssigned;
        text += assigned ? " Assign " : " Remove ";
        if (a.Pair >= 0 && a.Pair < model::kPairSlots)
            text += QString::fromStdString(doc.Pairings[static_cast<size_t>(a.Pair)].Designation()).trimmed();
        if (a.Day >= 0 && a.Day < model::kDayCells) {
            const base::CalendarDate date = doc.DayDate[static_cast<size_t>(a.Day)];
            text += QString(" on %1/%2").arg(date.day, 2, 10, QChar('0')).arg(date.month, 2, 10, QChar('0'));
        }
        if (a.Crew >= 0 && a.Crew < model::kCrewRows) {
            QString name = FromDocText(doc.Crew[static_cast<size_t>(a.Crew)].Name).trimmed();
            name.replace("&", "&&");  // a name's "&" is shown, not taken as a mnemonic
            text += (assigned ? " to " : " from ") + name;
        }
    }
    actions_[kCmdUndo]->setText(text);
}

void MainWindow::RefreshIndicators() {
    const output::OpenHours hours = output::HoursInOpen(ws_->doc());
    gauge_->setRange(0, std::max(hours.gaugeRange, 1));
    gauge_->setValue(std::min(hours.gaugeValue, std::max(hours.gaugeRange, 1)));
    gauge_->setFormat(QString::fromStdString(hours.text));
    openTime_->setText(QString::fromStdString(hours.text));
    timeBank_->setText(QString::fromStdString(rules::CrewTimeBankText(ws_->doc())));
}

void MainWindow::UpdateTitle() {
    const std::string& name = ws_->doc().CurrentFileName;
    if (!fileOpen_) return;
    if (name.empty()) setWindowTitle("Linewright - untitled.blk");
    else setWindowTitle("Linewright - " + FromDocText(std::filesystem::path(name).filename().string()));
}

void MainWindow::TakeNewDocument(std::unique_ptr<model::Document> doc) {
    doc->RunLog = runLog_;
    ws_->Replace(std::move(doc));
    monthLock_.reset();
    readAs_ = {};
    readOnly_ = false;
    if (session_) session_->MonthOpen({});
}

bool MainWindow::SaveOverOpenMonth(model::Document& doc) {
    const std::string file = doc.CurrentFileName;
    if (readOnly_) {
        ui_.Message(file + " was opened read-only: another planner has it open. Use Save As to keep your changes "
                           "under another name.",
                    "File Error", platform::Icon::Stop);
        return false;
    }
    persist::LockHolder holder;
    switch (persist::SaveMonthGuarded(doc, ui_, file, doc.FileVariant, &readAs_, monthLock_.get(), false, holder)) {
        case persist::GuardedSave::Saved: break;
        case persist::GuardedSave::Failed: return false;
        case persist::GuardedSave::HeldByOther:
            ui_.Message(persist::HeldByMessage(file, holder) + " Use Save As to keep your changes under another name.",
                        "File Error", platform::Icon::Stop);
            return false;
        case persist::GuardedSave::ChangedOnDisk:
            switch (ui_.Ask(persist::ChangedOnDiskMessage(file) +
                                "\n\nYes: reload the month from disk (your changes are dropped)\nNo: save yours over "
                                "it\nCancel: do neither",
                            "Linewright", platform::Buttons::YesNoCancel, platform::Icon::Warning)) {
                case platform::Answer::Yes: OpenFile(file); return false;
                case platform::Answer::No:
                    if (!persist::SaveSchedule(doc, ui_, file, doc.FileVariant)) return false;
                    break;
                default: return false;
            }
            break;
    }
    readAs_ = platform::IdentityOf(file);
    return true;
}

void MainWindow::RunCommand(int id) {
    QAction* action = Command(id);
    if (!action || !action->isEnabled()) return;
    model::Document& doc = ws_->doc();
    rules::Board& board = ws_->board();
    switch (id) {
        case kCmdNew: FileNew(); break;
        case kCmdOpen: FileOpen(); break;
        case kCmdSave: FileSave(); break;
        case kCmdSaveAs: FileSaveAs(); break;
        case kCmdMail: SendByMail(); break;
        case kCmdBackup: Backup(); break;
        case kCmdPairingReportClipboard: output::CopyPairingReport(doc, ui_); break;
        case kCmdPrintBlocksClipboard: output::CopyCrewLines(doc, ui_); break;
        case kCmdPrintBlocks: PrintBlocks(); break;
        case kCmdPrintPairings: PrintPairings(); break;
        case kCmdPrintSetup: PrintSetup(); break;
        case kCmdPublish: Publish(); break;
        case kCmdTrainingReport: TrainingReport(); break;
        case kCmdCompanyExport: SaveForCompany(); break;
        case kCmdViewerExport: SaveForViewer(); break;
        case kCmdCopyBlocks: CopyBlocks(); break;
        case kCmdRoster: EditRoster(); break;
        case kCmdPairingEditor: EditPairings(0); break;
        case kCmdComplement: ChangeComplement(); break;
        case kCmdBawLin: ImportBawLin(); break;
        case kCmdPairingFile: LoadPairingsCommand(); break;
        case kCmdCrewTracExport: ExportForCrewTrac(); break;
        case kCmdMonth: SetupMonth(); break;
        case kCmdSharedNotes: EditSharedNotes(); break;
        case kCmdCrewAbsences: case kCmdNextAbsences: case kCmdLastMonthData: case kCmdLisFiles:
        case kCmdPilotBids: case kCmdToolboxItems:
            ImportCommand(id);
            break;
        case kCmdPreferences: ShowPreferences(); break;
        case kCmdExit: close(); break;
        case kCmdUndo:
            rules::Undo(doc, board, ui_, true);
            ws_->NotifyChanged();
            break;
        case kCmdBuildBlocks: BuildBlocks(); break;
        case kCmdProposeBlocks: ProposeBlocks(); break;
        case kCmdPairingsWindow: ToggleWindow(pairings_); break;
        case kCmdToolbox: ToggleWindow(toolbox_); break;
        case kCmdBidsWindow: BidsWindowCommand(); break;
        case kCmdFiltersWindow: FiltersWindowCommand(); break;
        case kCmdHistory: ShowHistory(); break;
        case kCmdExceptions:
            output::ShowExceptionsReport(doc, ui_);
            ws_->NotifyChanged();
            break;
        case kCmdOpenOnly: ToggleOpenOnly(); break;
        case kCmdCalculator: StartCalculator(ui_); break;
        case kCmdGlobalInfo: output::ShowMonthSummary(doc, ui_); break;
        case kCmdShortcuts: ShowShortcuts(); break;
        case kCmdAbout: ShowAbout(); break;
        default:
            if (IsViewFilter(id)) ToggleViewFilter(id);
            break;
    }
    UpdateCommands();
}

bool MainWindow::MayDiscard(std::string_view title) {
    if (fileOpen_) bids_->StoreEdit();
    if (!fileOpen_ || !ws_->doc().Modified) return true;
    switch (ui_.Ask("File has been modified. DO YOU WANT TO SAVE IT?", title, platform::Buttons::YesNoCancel,
                    platform::Icon::Question)) {
        case platform::Answer::Yes: return FileSave();
        case platform::Answer::No: return true;
        default: return false;
    }
}

void MainWindow::HideToolWindows() {
    pairings_->hide();
    toolbox_->hide();
    pairText_->hide();
    bids_->hide();
    filters_->hide();
}

void MainWindow::FileNew() {
    const bool modified = ws_->doc().Modified;
    const platform::Answer a =
        modified ? ui_.Ask("All changes to file will be lost. Delete Anyway", "Caution!", platform::Buttons::YesNo,
                           platform::Icon::Warning)
                 : ui_.Ask("Would you like to create a new file", "Linewright", platform::Buttons::YesNo,
                           platform::Icon::Question);
    if (a != platform::Answer::Yes) return;
    HideToolWindows();
    auto doc = std::make_unique<model::Document>(clock_.Today().Number());
    doc->RunLog = runLog_;
    doc->Log("FileNewBegin\n");
    doc->DeleteAll();
    fileOpen_ = false;
    TakeNewDocument(std::move(doc));
    setWindowTitle("Linewright - untitled.blk");
    ShowMenus();
    RunNewMonthWizard();
}

void MainWindow::RunNewMonthWizard() {
    SetDatesDialog dates(ws_->doc(), ui_, clock_.Today(), this);
    if (runDialog_(dates) != QDialog::Accepted) return;
    NewFileWizard wizard(*ws_, profile_, {runDialog_, [this] { return FileSaveAs(); }}, dates.First(), dates.Last(),
                         this);
    const bool finished = runDialog_(wizard) == QDialog::Accepted;
    // Once the group is set the month is open, even when the planner leaves the wizard early.
    fileOpen_ = wizard.GroupConfirmed();
    ShowMenus();
    UpdateTitle();
    ws_->NotifyChanged();
    if (finished && wizard.Saved()) BuildBlocks();
}

void MainWindow::FileOpen() {
    // Opening another month would drop this one's unsaved work without a word.
    if (!MayDiscard("Linewright")) return;
    platform::FileRequest request;
    request.title = "Open";
    request.filter = kScheduleFilter;
    request.folder = LastFolder("LastBlkPath");
    const auto file = ui_.ChooseOpenFile(request);
    if (!file) return;
    RememberFolder("LastBlkPath", *file);
    OpenFile(*file);
}

void MainWindow::OpenRecent(const std::string& file) {
    if (!MayDiscard("Linewright")) return;
    // The entry stays on the list; the planner may bring the file back.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ui_.Message("Unable to open file " + file, "Linewright", platform::Icon::Stop);
        return;
    }
    RememberFolder("LastBlkPath", file);
    OpenFile(file);
}

void MainWindow::RememberRecent(const std::string& file) {
    // A name from the command line may be relative; the list must still find it from elsewhere.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    bool ok = true;
    platform::AddRecentFile(profile_, ec ? file : full.lexically_normal().string(), &ok);
    if (!ok)
        ui_.Message("The recent-files list could not be written to " + profile_.File().string(), "Linewright",
                    platform::Icon::Warning);
}

bool MainWindow::OpenFile(const std::string& requested) {
    std::string file = requested;
    if (const std::filesystem::path copy = persist::NewerTimedCopy(file); !copy.empty()) {
        if (ui_.Ask("The backup copy " + copy.string() + " is newer than " + file + ". Open the backup copy instead?",
                    "Linewright", platform::Buttons::YesNo, platform::Icon::Question) == platform::Answer::Yes)
            file = copy.string();
    }
    std::unique_ptr<persist::MonthLock> lock;
    persist::LockHolder holder;
    bool readOnly = false;
    // This window's own lock on the month is given up first, so reopening it is not refused.
    if (!ws_->doc().CurrentFileName.empty() && platform::RealTarget(ws_->doc().CurrentFileName) == platform::RealTarget(file))
        monthLock_.reset();
    if (persist::MonthLock::Take(file, lock, holder) == persist::MonthLock::Outcome::HeldByOther) {
        switch (ui_.AskChoice(persist::HeldByMessage(file, holder), "Linewright",
                              {"Open Read-Only", "Open Anyway", "do not open it"}, platform::Icon::Warning)) {
            case platform::Answer::Yes: readOnly = true; break;
            case platform::Answer::No: persist::MonthLock::Take(file, lock, holder, true); break;
            default: return false;
        }
    }
    // Published or exported files a killed session left half written beside the month are finished.
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (folder.empty()) folder = ".";
    persist::RepairFileSets(folder);
    persist::RepairFileSets(folder / "Export");
    auto doc = std::make_unique<model::Document>(clock_.Today().Number());
    doc->RunLog = runLog_;
    platform::FileIdentity readAs;
    if (!persist::LoadSchedule(*doc, ui_, file, &readAs)) return false;
    rules::AfterOpeningMonth(*doc);
    HideToolWindows();
    const bool built = doc->BlocksBuilt != 0;
    rules::BuildOptions options;
    options.showPairings = doc->PairWinOpen;
    options.showToolbox = doc->ToolboxWinOpen;
    options.showBids = doc->BidsWinOpen;
    fileOpen_ = true;
    TakeNewDocument(std::move(doc));
    monthLock_ = std::move(lock);
    readAs_ = readAs;
    readOnly_ = readOnly;
    if (session_) session_->MonthOpen(file);
    RememberRecent(file);
    ShowMenus();
    UpdateTitle();
    if (built) ApplyBuildOutcome(rules::BuiltBlocksView(ws_->doc(), ws_->board(), profile_, options));
    ws_->NotifyChanged();
    return true;
}

bool MainWindow::FileSave() {
    model::Document& doc = ws_->doc();
    if (doc.CurrentFileName.empty()) return FileSaveAs();
    doc.PairWinOpen = pairings_->isVisible();
    doc.ToolboxWinOpen = toolbox_->isVisible();
    doc.BidsWinOpen = bids_->isVisible();
    bids_->StoreEdit();
    const bool saved = SaveOverOpenMonth(doc);
    ws_->NotifyChanged();
    return saved;
}

bool MainWindow::FileSaveAs() {
    model::Document& doc = ws_->doc();
    platform::FileRequest request;
    request.title = "Save As";
    request.filter = kSaveFilter;
    request.folder = doc.CurrentFileName.empty() ? LastFolder("LastBlkPath") : FolderOf(doc.CurrentFileName);
    request.suggestedName = std::filesystem::path(doc.CurrentFileName).filename().string();
    const auto file = ui_.ChooseSaveFile(request);
    if (!file) return false;
    doc.PairWinOpen = pairings_->isVisible();
    doc.ToolboxWinOpen = toolbox_->isVisible();
    doc.BidsWinOpen = bids_->isVisible();
    bids_->StoreEdit();
    // The new name only sticks once the month is safely written under it.
    std::unique_ptr<persist::MonthLock> lock;
    persist::LockHolder holder;
    if (persist::MonthLock::Take(*file, lock, holder) == persist::MonthLock::Outcome::HeldByOther) {
        ui_.Message(persist::HeldByMessage(*file, holder) + " Choose another name.", "File Error", platform::Icon::Stop);
        return false;
    }
    const std::string previous = doc.CurrentFileName;
    doc.CurrentFileName = *file;
    if (!persist::SaveSchedule(doc, ui_, *file, doc.FileVariant)) {
        doc.CurrentFileName = previous;
        return false;
    }
    monthLock_ = std::move(lock);
    readAs_ = platform::IdentityOf(*file);
    readOnly_ = false;
    if (session_) session_->MonthOpen(*file);
    RememberFolder("LastBlkPath", *file);
    RememberRecent(*file);
    ShowMenus();
    UpdateTitle();
    ws_->NotifyChanged();
    return true;
}

void MainWindow::SendByMail() {
    if (ws_->doc().Modified && !FileSave()) return;
    if (ui_.Ask("This email file will include all personal data.\n Use Export feature for Saving without personal "
                "data.\n Do you want to Continue?",
                "Linewright", platform::Buttons::YesNo, platform::Icon::Question) != platform::Answer::Yes)
        return;
    const std::string& file = ws_->doc().CurrentFileName;
    if (!ui_.MailFile(file, std::filesystem::path(file).filename().string()))
        ui_.Message("No mail program could be started (xdg-email is missing). Attach " + file + " to a message by hand.",
                    "Linewright", platform::Icon::Stop);
}

void MainWindow::Backup() {
    model::Document& doc = ws_->doc();
    if (doc.CurrentFileName.empty()) FileSaveAs();
    if (doc.CurrentFileName.empty()) {
        ui_.Message("Cannot Backup File. Select Save As from File Menu", "File Not Named", platform::Icon::Stop);
        return;
    }
    const auto home = platform::ProcessEnvironment("HOME");
    const persist::BackupDialogSetup setup = persist::PrepareBackupDialog(
        profile_, persist::BackupFolders("/proc/self/mounts", home ? std::filesystem::path(*home) : std::filesystem::path()));
    BackupDialog dialog(setup, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    const auto choice = dialog.Choice();
    if (!choice) return;
    persist::BackupTo(doc, ui_, &profile_, *choice, clock_);
    ws_->NotifyChanged();
}

void MainWindow::TimerTick() {
    // The tick counts even without a file, so the first copy after opening comes on time.
    persist::OnTimer(ws_->doc(), ui_, ws_->prefs().AutoSave);
}

void MainWindow::BuildBlocks() {
    rules::BuildOptions options;
    ApplyBuildOutcome(rules::BuildBlocks(ws_->doc(), ws_->board(), ui_, profile_, options, pairingReport_));
    ws_->NotifyChanged();
}

void MainWindow::ApplyBuildOutcome(const rules::BuildOutcome& outcome) {
    // Yes to the invalid-pairings question: straight to the first pairing to correct.
    if (outcome.editPair >= 0) EditPairings(outcome.editPair);
    if (!outcome.built) return;
    grid_->SetViewSettings(outcome.view);
    pairings_->setVisible(outcome.showPairings);
    toolbox_->setVisible(outcome.showToolbox);
    bids_->setVisible(outcome.showBids && !ws_->doc().IsFlightAttendants());
}

void MainWindow::ToggleOpenOnly() {
    pairings_->ToggleOpenOnly();
    ws_->NotifyChanged();
}

void MainWindow::ToggleWindow(QWidget* window) {
    window->setVisible(!window->isVisible());
    if (window->isVisible()) window->raise();
}

void MainWindow::BidsWindowCommand() {
    if (ws_->doc().IsFlightAttendants()) {
        ui_.Message("This Feauture is for Pilot use only.", "Linewright");
        return;
    }
    ToggleWindow(bids_);
    ws_->doc().BidsWinOpen = bids_->isVisible();
    UpdateCommands();
}

void MainWindow::FiltersWindowCommand() {
    if (!ws_->doc().IsFlightAttendants()) {
        ui_.Message("Please Select the Filter Window from the Bids Window", "Linewright");
        return;
    }
    ToggleWindow(filters_);
}

void MainWindow::CreateFilterWindows() {
    auto runner = [this](QDialog& d) { return runDialog_(d); };
    bids_ = new BidsWindow(*ws_, profile_, [this] { return grid_->DisplayRows(); }, this);
    bids_->SetDialogRunner(runner);
    filters_ = new FiltersWindow(*ws_, this);
    filters_->SetDialogRunner(runner);
    auto caption = [this](const QString& text) { pairings_->SetFilterCaption(text); };
    connect(bids_, &BidsWindow::pairingsCaptionChanged, this, caption);
    connect(filters_, &FiltersWindow::pairingsCaptionChanged, this, caption);
    connect(bids_, &BidsWindow::mainFocusRequested, this, [this] {
        activateWindow();
        grid_->setFocus();
    });
    connect(pairings_, &PairingsWindow::filtersWindowToggleRequested, this, [this] { ToggleWindow(filters_); });
    connect(pairings_, &PairingsWindow::bidsFilterRequested, this, [this] {
        if (bids_->isVisible()) bids_->SwitchFilterOn();
    });
    connect(grid_, &BlockGridView::employeeInfoRequested, this, &MainWindow::ShowEmployee);
}

void MainWindow::ShowEmployee(int crew) {
    bids_->StoreEdit();
    EmployeeDialog dialog(*ws_, crew, this);
    if (runDialog_(dialog) == QDialog::Accepted) ws_->NotifyChanged();
}

void MainWindow::ShowHistory() {
    ui_.ShowList("Pairing Transaction History. Use F1 to Undo these Items",
                 rules::SplitListText(rules::ListText(ws_->doc())));
}

std::string MainWindow::LastFolder(std::string_view key) const { return profile_.GetString(kSection, key, ""); }

void MainWindow::RememberFolder(std::string_view key, const std::string& file) {
    profile_.WriteString(kSection, key, FolderOf(file));
}

void MainWindow::ImportCommand(int id) {
    model::Document& doc = ws_->doc();
    std::filesystem::path folder;
    bool loaded = false;
    auto choose = [this](const platform::FileRequest& request) { return ui_.ChooseOpenFile(request); };
    switch (id) {
        case kCmdToolboxItems:
            if (const auto f = choose(import::ToolboxFileRequest(LastFolder("LastBoxPath")))) {
                loaded = import::LoadToolboxFile(doc, ui_, *f, &folder);
                if (!folder.empty()) profile_.WriteString(kSection, "LastBoxPath", folder.string());
            }
            break;
        case kCmdCrewAbsences: case kCmdNextAbsences:
            if (const auto f = choose(import::AbsenceExtractRequest(LastFolder("LastCrewAbsPath")))) {
                loaded = import::LoadAbsenceExtract(doc, ui_, *f, id == kCmdNextAbsences, &folder);
                if (!folder.empty()) profile_.WriteString(kSection, "LastCrewAbsPath", folder.string());
            }
            break;
        case kCmdLastMonthData:
            if (const auto act = choose(import::ActivityExtractRequest(LastFolder("LastOverlapDataPath")))) {
                if (const auto prior = choose(import::PriorPairingExtractRequest(FolderOf(*act)))) {
                    loaded = import::LoadLastMonthData(doc, ui_, *act, *prior, &folder);
                    if (!folder.empty()) profile_.WriteString(kSection, "LastOverlapDataPath", folder.string());
                }
            }
            break;
        case kCmdLisFiles: {
            const std::vector<std::string> files = ui_.ChooseOpenFiles(import::LisFilesRequest(LastFolder("LastFrenchPath")));
            if (files.empty()) break;
            profile_.WriteString(kSection, "LastFrenchPath", FolderOf(files.front()));
            const std::vector<std::filesystem::path> paths(files.begin(), files.end());
            loaded = import::ScanLisFiles(doc, ui_, paths);
            break;
        }
        case kCmdPilotBids: {
            if (!bids::PilotBidsOffered(doc, ui_)) break;
            platform::FileRequest request;
            request.title = "Load Pilot Bids";
            request.filter = "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*";
            if (const auto f = choose(request)) {
                bids_->StoreEdit();
                loaded = bids::ImportPilotBids(doc, ui_, *f);
            }
            break;
        }
        default: break;
    }
    if (loaded) ws_->NotifyChanged();
}

void MainWindow::TakeDownForEditing() {
    if (ws_->doc().BlocksBuilt) grid_->WriteViewSettings();
    HideToolWindows();
}

void MainWindow::EditPairings(int index, bool reportAfter) {
    model::Document& doc = ws_->doc();
    if (doc.LastPairIndex < 0) {
        ui_.Message("You must have a minimum of 1 Pairing! Set up Month first", "Pairing Editor Error",
                    platform::Icon::Stop);
        return;
    }
    const std::optional<bool> editMode = AskPairEditMode(ui_, runDialog_, this);
    if (!editMode) return;
    {
        PairEditorDialog dialog(*ws_, *editMode, index, this);
        runDialog_(dialog);
    }
    ws_->NotifyChanged();
    // What was corrected is judged again at once.
    if (*editMode && reportAfter) pairingReport_(doc, ui_);
}

void MainWindow::EditRoster() {
    TakeDownForEditing();
    const std::optional<rules::BuildOutcome> outcome =
        rules::EditRoster(ws_->doc(), ws_->board(), ui_, profile_, [this] {
            RosterDialog dialog(*ws_, this);
            runDialog_(dialog);
        }, pairingReport_);
    if (outcome) ApplyBuildOutcome(*outcome);
    ws_->NotifyChanged();
}

void MainWindow::ChangeComplement() {
    TakeDownForEditing();
    ApplyBuildOutcome(rules::ChangeCrewComplement(
        ws_->doc(), ws_->board(), ui_, profile_, [this](const rules::ComplementDialog& content) {
            CrewRequiredDialog dialog(content, this);
            runDialog_(dialog);
            return dialog.Selection();
        }, pairingReport_));
    ws_->NotifyChanged();
}

void MainWindow::ProposeBlocks() {
    const rules::Proposal proposal = rules::Propose(ws_->doc(), {}, ui_);
    if (proposal.cancelled) return;
    grid_->SetProposed(proposal.placements);
    ProposeDialog dialog(*ws_, proposal, this);
    const bool apply = runDialog_(dialog) == QDialog::Accepted;
    grid_->SetProposed({});
    if (apply && !proposal.placements.empty()) {
        const rules::ApplyOutcome outcome = rules::ApplyProposal(ws_->doc(), ws_->board(), ui_, proposal);
        if (outcome.refused > 0)
            ui_.Message(std::to_string(outcome.refused) + " proposed pairings could no longer be assigned", "Linewright",
                        platform::Icon::Information);
    }
    ws_->NotifyChanged();
}

void MainWindow::CopyBlocks() {
    CopyBlocksDialog dialog(*ws_, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    output::StoreBlockSelection(ws_->doc(), dialog.SelectedRows());
    if (!output::WriteClipboardOptions(profile_, dialog.Options()))
        ui_.Message("The clipboard settings could not be written to " + profile_.File().string(), "Linewright",
                    platform::Icon::Stop);
    output::CopySelectedBlocks(ws_->doc(), ui_, dialog.Options());
}

void MainWindow::SaveForViewer() {
    const output::CopyOutcome copy = output::SaveForViewer(ws_->doc(), ui_, [this]() -> std::optional<int> {
        ExportToViewerDialog dialog(this);
        if (runDialog_(dialog) != QDialog::Accepted) return std::nullopt;
        return dialog.Stage();
    }, platform::RealFileOps(), [this](model::Document& doc) { return SaveOverOpenMonth(doc); });
    ws_->NotifyChanged();
    if (copy.written) OfferFolder(copy.path.parent_path());
}

void MainWindow::SaveForCompany() {
    const output::CopyOutcome copy = output::SaveForCompany(
        ws_->doc(), ui_, platform::RealFileOps(), [this](model::Document& doc) { return SaveOverOpenMonth(doc); });
    ws_->NotifyChanged();
    if (copy.written) OfferFolder(copy.path.parent_path());
}

void MainWindow::Publish() {
    const output::PublishResult result = output::PublishForInternet(ws_->doc(), ui_);
    if (result.completed && !result.written.empty()) OfferFolder(result.written.front().parent_path());
}

void MainWindow::TrainingReport() {
    std::filesystem::path file;
    if (output::GenerateTrainingReport(ws_->doc(), ui_, platform::RealFileOps(), &file)) OfferFolder(file.parent_path());
}

void MainWindow::OfferFolder(const std::filesystem::path& folder) {
    const std::string where = folder.string();
    if (ui_.Ask("The files are saved in " + where + ".\nDo you want to open that folder?", "Linewright",
                platform::Buttons::YesNo, platform::Icon::Question) != platform::Answer::Yes)
        return;
    if (!openUrl_(QUrl::fromLocalFile(QString::fromStdString(where))))
        ui_.Message("No file manager could be started to show " + where, "Linewright", platform::Icon::Stop);
}

void MainWindow::ImportBawLin() {
    ImportBawLinDialog dialog(*ws_, this);
    dialog.LoadFiles();
    runDialog_(dialog);
}

void MainWindow::LoadPairingsCommand() {
    LoadPairsOnlyDialog dialog(*ws_, this);
    if (runDialog_(dialog) == QDialog::Accepted && dialog.Codes()) {
        const bool built = ws_->doc().BlocksBuilt != 0;
        if (LoadThisMonthsPairings(*ws_, *dialog.Codes(), [this, built] {
                if (built) grid_->WriteViewSettings();
            })) {
            UpdateTitle();
            BuildBlocks();
        }
    }
    // The new pairings are marked from the LIS files, whatever came of the load.
    ImportCommand(kCmdLisFiles);
}

void MainWindow::ExportForCrewTrac() {
    ExportDialog dialog(*ws_, this);
    runDialog_(dialog);
    if (!dialog.Written().empty()) OfferFolder(dialog.Written());
}

void MainWindow::SetupMonth() {
    MonthDialog dialog(rules::ReadMonthSettings(ws_->doc()), this);
    if (runDialog_(dialog) == QDialog::Accepted && rules::ApplyMonthSettings(ws_->doc(), dialog.Settings()))
        ws_->NotifyChanged();
}

void MainWindow::EditSharedNotes() {
    SharedNotesDialog dialog(FromDocText(rules::SharedNotes(ws_->doc())), this);
    if (runDialog_(dialog) == QDialog::Accepted && rules::SetSharedNotes(ws_->doc(), ToDocText(dialog.Notes())))
        ws_->NotifyChanged();
}

void MainWindow::ToggleViewFilter(int id) {
    grid_->ToggleViewSwitch(SwitchOf(id));
}

void MainWindow::ShowPreferences() {
    const bool debugBefore = ws_->prefs().DebugFile;
    PreferencesDialog dialog(*ws_, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    ws_->prefs() = dialog.Result();
    if (!platform::WritePreferences(ws_->prefs(), profile_))
        ui_.Message("The preferences could not be written to " + profile_.File().string(), "Linewright",
                    platform::Icon::Stop);
    if (ws_->prefs().DebugFile && !debugBefore)
        ui_.Message("Debug File will not be saved until Linewright is Restarted", "Linewright");
    else if (!ws_->prefs().DebugFile && debugBefore)
        ui_.Message("Debug File will continue to be saved until Linewright is Restarted", "Linewright");
    ws_->NotifyPreferences();
}

void MainWindow::ShowAbout() {
    AboutDialog dialog(this);
    runDialog_(dialog);
}

void MainWindow::ShowShortcuts() {
    std::vector<std::string> lines;
    for (std::string_view line : KeyboardShortcutLines()) lines.emplace_back(line);
    // Then the desktop's own keys, as this desktop spells them.
    for (const StandardKeyOf& s : kStandardKeys) {
        QStringList keys;
        for (const QKeySequence& k : actions_.at(s.id)->shortcuts())
            if (k[0].key() < Qt::Key_F1 || k[0].key() > Qt::Key_F35) keys << k.toString(QKeySequence::NativeText);
        if (keys.isEmpty()) continue;
        QString what = actions_.at(s.id)->text().remove('&');
        if (s.id == kCmdUndo) what = "Undo";  // the item itself names the entry
        if (what.endsWith("...")) what.chop(3);
        lines.push_back((keys.join(", ") + '\t' + what).toStdString());
    }
    ui_.ShowList("Keyboard Shortcuts", lines);
}

bool MainWindow::RestorePlaces() {
    auto restore = [this](std::string_view key, QWidget* w) {
        const std::string saved = profile_.GetString(kSection, key, "");
        return !saved.empty() && w->restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
    };
    restore(kPairingsPlaceKey, pairings_);
    restore(kToolboxPlaceKey, toolbox_);
    return restore(kMainPlaceKey, this);
}

void MainWindow::SavePlaces() {
    auto save = [this](std::string_view key, const QWidget* w) {
        profile_.WriteString(kSection, key, w->saveGeometry().toBase64().toStdString());
    };
    save(kMainPlaceKey, this);
    // A tool window keeps the place it was last seen in; the pairing text follows the mouse.
    if (pairings_->isVisible()) save(kPairingsPlaceKey, pairings_);
    if (toolbox_->isVisible()) save(kToolboxPlaceKey, toolbox_);
    bids_->SavePlace();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayDiscard("Quitting Linewright!")) {
        event->ignore();
        return;
    }
    if (fileOpen_ && ws_->doc().BlocksBuilt) grid_->WriteViewSettings();
    SavePlaces();
    HideToolWindows();
    event->accept();
}

QPrinter& MainWindow::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void MainWindow::PrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

// Nothing goes to the printer before the planner has seen the pages; the preview's print
// button opens the print dialog, where "Print to File (PDF)" saves them instead.
void MainWindow::PreviewAndPrint(const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&paint](QPrinter* printer) { paint(*printer); });
    preview.exec();
}

void MainWindow::PrintBlocks() {
    const model::Document& doc = ws_->doc();
    const output::DraftQuestion q = output::BlockDraftQuestion(doc);
    const bool draft = static_cast<platform::Interaction&>(ui_).Ask(q.text, q.title) == platform::Answer::Yes;
    const std::vector<int> rows = output::BlockPrintRows(doc, grid_->DisplayRows());
    const bool printXes = profile_.GetInt(kSection, "PrintXes", 0) != 0;
    const output::BlockPrintout out = output::LayoutBlockPrintout(doc, rows, draft, printXes);
    PreviewAndPrint([&out](QPrinter& printer) { print::PaintBlockPrintout(printer, out); });
}

void MainWindow::PrintPairings() {
    rules::PairingsLayout layout;
    rules::LayoutPairings(ws_->doc(), layout);
    const output::PairsPrintout out = output::LayoutPairsPrintout(ws_->doc(), layout);
    PreviewAndPrint([&out](QPrinter& printer) { print::PaintPairsPrintout(printer, out); });
}

}  // namespace lw::ui
