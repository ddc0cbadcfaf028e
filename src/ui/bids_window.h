#pragma once
// The bids window of a pilots' month: one tab per block in the grid's order, the member's bid
// text, what the bid asks for (days off, pairings) and the member's saved filter in words. Its
// buttons turn the bid into day-off marks and into the member's filter, and switch that filter
// on so the pairings window shows only what the member asked for.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bids/bids.h"
#include "platform/profile.h"

class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace lw::ui {

class Workspace;

class BidsWindow : public QWidget {
    Q_OBJECT
public:
    // rows gives the block window's current display order.
    BidsWindow(Workspace& ws, platform::Profile& profile, std::function<std::vector<int>()> rows,
               QWidget* parent = nullptr);
    ~BidsWindow() override;

    // How the member filter editor and the employee dialog are run.
    void SetDialogRunner(std::function<int(QDialog&)> runner) { runDialog_ = std::move(runner); }
    // How a message to a pilot is started (address, subject); false when no mail program started.
    void SetMailer(std::function<bool(const QString&, const QString&)> mailer) { mail_ = std::move(mailer); }

    QTabBar* Tabs() const { return tabs_; }
    QTabWidget* Pages() const { return pages_; }
    QPlainTextEdit* BidPage() const { return bid_; }
    QPlainTextEdit* GuessPage() const { return guess_; }
    QPlainTextEdit* FiltersPage() const { return filters_; }
    QPushButton* Button(const char* text) const;
    QMenu* OptionsMenu() const { return options_; }
    // The crew row shown, -1 for none.
    int ShownCrew() const { return shownCrew_; }

    // Shows the member of that crew row (selects the tab).
    void ShowCrew(int crew);
    // Keeps an edit of the shown member's bid (asking when its length changed), as leaving the
    // member does; run before the month is saved or bids are read in.
    void StoreEdit();
    // The shown member's filter on, as a double click beside the pairings asks for.
    void SwitchFilterOn();
    // Writes where the window is to the settings ("BidWinX" .. "BidWinH"), as the program ends.
    void SavePlace();

signals:
    void pairingsCaptionChanged(const QString& caption);
    // The planner goes on in the block window after switching the filter.
    void mainFocusRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RebuildTabs(bool force);
    void TabChosen(int index);
    void ShowMember(int crew);
    void FillBidPage();
    void Guess();
    void RenderFilters();
    void UpdateFilterButton();
    void OnDocumentChanged();
    void FilterOnForShown();
    void SetFilters();
    void SetDaysOff();
    void ToggleFilters();
    void SelectFilters();
    void PilotInfo();
    void MailPilot();
    bool HasMember() const;

    Workspace& ws_;
    platform::Profile& profile_;
    std::function<std::vector<int>()> rows_;
    std::function<int(QDialog&)> runDialog_;
    std::function<bool(const QString&, const QString&)> mail_;
    QTabBar* tabs_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* bid_ = nullptr;
    QPlainTextEdit* guess_ = nullptr;
    QPlainTextEdit* filters_ = nullptr;
    QPushButton* filterToggle_ = nullptr;
    QPushButton* moreOptions_ = nullptr;
    QMenu* options_ = nullptr;

    std::vector<int> tabRows_;
    int shownCrew_ = -1;
    int32_t shownEmployee_ = 0;  // the member shown again when the tabs are rebuilt
    std::string loadedBid_;      // the bid as put on the page, to tell a new bid from the file
    QString loadedPage_;         // the page as filled, to tell the planner's edit
    bids::GuessedBid guessed_;
    bool guessing_ = false;
    bool rebuilding_ = false;
};

}  // namespace lw::ui
