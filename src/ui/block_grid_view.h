#pragma once
// The block grid: one row per displayed crew member, one column per day of the month and the
// 31 days after it, every block drawn to scale. The planner assigns, moves, locks and removes
// work here with the mouse; every change goes through the core's grid gestures.
//
// For the main window's commands:
//   ToggleViewSwitch(which)  the eight view filters (menu items 550..557); FilterSearch also runs the search
//   SetSearchText / SetSearchOptions / RunSearch / SearchNext   the search filter
//   SetViewSettings / ViewSettings / ReadViewSettings / WriteViewSettings   the switches in lwright.ini
//   ScrollToCrew(crew, day)  bring a crew row and day into view
//   SetBlockFont / RecomputeGeometry   after the font or whitespace preferences change
//   Refresh()                rebuild the displayed rows and repaint
//   SetToolWindows({pairings, toolbox, bids, filters})   the windows the header's icons show
// Signals: pairingTextRequested (a click on a pairing), historyRequested ("H"),
// pairingReportRequested ("="), viewSettingsChanged (a switch or search option),
// toolWindowIconClicked (the command of the icon), toolWindowsChanged (one was shown or hidden).
#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/preferences.h"
#include "rules/gestures.h"
#include "rules/grid_day_look.h"
#include "rules/propose.h"
#include "rules/view_filter.h"
#include "ui/grid_geometry.h"

class QDialog;
class QPainter;

namespace lw::ui {

class Workspace;

class GridTextCache;

class BlockGridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit BlockGridView(Workspace& ws, QWidget* parent = nullptr);
    ~BlockGridView() override;

    // ---- geometry and font
    void SetBlockFont(const QFont& font);
    const QFont& BlockFont() const { return font_; }
    // Cell sizes from the font and the whitespace preferences.
    void RecomputeGeometry();
    const GridGeometry& Geometry() const { return geo_; }

    // ---- view filters and search
    const rules::ViewSettings& ViewSettings() const { return view_; }
    void SetViewSettings(const rules::ViewSettings& settings);
    void ReadViewSettings();
    bool WriteViewSettings();
    bool ViewSwitchOn(rules::ViewSwitch which) const { return rules::SwitchOn(view_, which); }
    void ToggleViewSwitch(rules::ViewSwitch which);
    // The search text (first 100 characters); changing it runs the search.
    void SetSearchText(const QString& text);
    const QString& SearchText() const { return searchText_; }
    void SetSearchOptions(bool name, bool employeeNumber, bool pairing, bool bid);
    void RunSearch();
    // Scrolls to the next displayed member the search matched after the top row, wrapping
    // round; returns its crew row, -1 when none matches.
    int SearchNext();
    // Crew rows shown, in roster order.
    const std::vector<int>& DisplayRows() const { return rows_; }

    // ---- scrolling
    int FirstRow() const;
    int FirstColumn() const;
    // Brings the crew row (when displayed) and the day column into view.
    void ScrollToCrew(int crew, int day);
    void Refresh();
    // Marks the days a proposal would fill; an empty list clears the marks.
    void SetProposed(const std::vector<rules::Placement>& placements);

    // ---- the four icons in the corner: pairings, toolbox, bids, filters
    static constexpr int kToolIcons = 4;
    static constexpr char kToolIconLetters[] = "PTBF";
    void SetToolWindows(const std::array<QWidget*, kToolIcons>& windows);
    bool ToolWindowOpen(int k) const;
    QRect ToolIconRect(int k) const;

    // ---- held-key views
    bool LastMonthView() const { return lastMonth_; }
    bool CreditsHighlighted() const { return allCredits_; }

    // How the grid runs its modal dialogs; tests answer them here instead of the planner.
    using DialogRunner = std::function<int(QDialog&)>;
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    // Paints the part of the grid inside exposed, in viewport coordinates.
    void PaintGrid(QPainter& painter, const QRect& exposed);

signals:
    void pairingTextRequested(int pair, int day);
    void historyRequested();
    void pairingReportRequested();
    void viewSettingsChanged();
    void toolWindowIconClicked(int command);
    void toolWindowsChanged();
    // Double click on a crew member's name: the employee information dialog.
    void employeeInfoRequested(int crew);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        GridArea area = GridArea::None;
        int crew = -1;  // crew row, -1 outside the crew rows
        int day = -1;   // day index; negative for last month's days
    };
    Cell CellAt(const QPoint& pos) const;
    int DayShift() const { return lastMonth_ ? model::kPrevDays : 0; }
    int DayLeft(int day) const;
    void RebuildRows();
    // The widest row label of the roster in the block font, pixels.
    int WidestLabel() const;
    int ToolIconAt(const QPoint& pos) const;
    void UpdateScrollRanges();
    void AfterGesture(const rules::GridOutcome& outcome, const QPoint& where);
    void OpenActivityDetails(int crew, int day);
    void OpenQuickEmployee(int crew, const QPoint& where);
    void OpenMove(int crew);
    void OnDocumentChanged();
    void OnDocumentReplaced();

    void PaintHeader(QPainter& p, int firstCol, int lastCol);
    void PaintNameArea(QPainter& p, int firstRow, int lastRow);
    void PaintRowDays(QPainter& p, const model::TPilot& m, int top, int firstCol, int lastCol);
    void PaintLastMonthDays(QPainter& p, const model::TPilot& m, int top, int firstCol, int lastCol);
    void PaintSummaryRow(QPainter& p, int kind, int top, int firstCol, int lastCol);
    void PaintWatermark(QPainter& p, std::string_view text, int top, int right);
    void PaintDayLines(QPainter& p, int top, int bottom, int firstCol, int lastCol);
    // Text at a baseline, drawn once per colour and kept: the same few hundred texts fill every screen.
    void DrawText(QPainter& p, int x, int baseline, std::string_view text, const QColor& colour);
    void DrawSmallText(QPainter& p, int x, int baseline, std::string_view text, const QColor& colour);

    Workspace& ws_;
    QFont font_;
    QFont smallFont_;
    int ascent_ = 0;
    int smallAscent_ = 0;
    int charWidth_ = 0;  // the block font's average character width
    int labelWidth_ = 0; // the widest row label the geometry was made for
    GridGeometry geo_;
    rules::ViewSettings view_;
    QString searchText_;
    std::vector<std::string> searchWords_;
    std::vector<int> rows_;
    std::map<std::pair<int, int>, int> proposed_;  // (crew, day) -> pairing index
    rules::ReserveSummary reserves_{};
    bool lastMonth_ = false;
    bool allCredits_ = false;
    DialogRunner runDialog_;
    std::array<QPointer<QWidget>, kToolIcons> toolWindows_;
    std::vector<std::string> numberTexts_;  // "%02d" 0..99
    std::unique_ptr<GridTextCache> texts_;
    std::unique_ptr<GridTextCache> smallTexts_;
    // Set at the start of each paint: the device's pixel ratio and the planner's colours.
    qreal pixelRatio_ = 1;
    std::array<QColor, platform::kColourCount> colours_;
    // The day look's colours, from the planner's colours and the grid's fixed ones.
    std::array<QColor, rules::kGridColourCount> lookColours_;
    const QColor& ColourOf(rules::GridColour c) const { return lookColours_[static_cast<size_t>(c)]; }
};

}  // namespace lw::ui
