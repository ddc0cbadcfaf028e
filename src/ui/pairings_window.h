#pragma once
// The pairings window: every pairing instance of the month as a bar on a day grid, grouped by
// length and ordered by report time. A click selects a pairing for assignment (its key figures
// go to the status line), a double click lists who may legally take it.
#include <QWidget>

#include "rules/pairings_layout.h"

class QLabel;

namespace lw::ui {

class Workspace;
class PairingsGrid;

class PairingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit PairingsWindow(Workspace& ws, QWidget* parent = nullptr);
    ~PairingsWindow() override;

    // F3, Tab and "Show Only Open Pairings": flips between open instances only and every
    // instance, lays out again and refreshes the caption with the filter state.
    void ToggleOpenOnly();
    // Sets the caption as the filter commands leave it ("Filters On for ...", "Filters Off").
    void SetFilterCaption(const QString& caption);
    // Lays the pairings out again from the document and repaints (also on every documentChanged).
    void Relayout();

    // The status line: the selected pairing's key figures or who holds a taken one.
    QString StatusText() const;
    const rules::PairingsLayout& Layout() const { return layout_; }
    // The painted grid, and where a cell of the layout lies in it (for the planner's mouse in tests).
    QWidget* GridViewport() const;
    QRect CellRect(int column, int row) const;
    // Scrolls so that the row is the first one shown.
    void ScrollToRow(int row);

signals:
    // Click on the selected pairing again (or on the last assigned one): show its text.
    void pairTextRequested(int pair, int day, QPoint globalPos);
    // Double click beside the pairings in a flight-attendant month: show or hide the filters window.
    void filtersWindowToggleRequested();
    // Double click beside the pairings in a pilots' month while filters are off: the main window
    // applies the filters of the member selected in the bids window, when it is visible.
    void bidsFilterRequested();

private:
    friend class PairingsGrid;
    void Click(int column, int row, QPoint globalPos);
    void DoubleClick(int column, int row);

    Workspace& ws_;
    rules::PairingsLayout layout_;
    QLabel* status_ = nullptr;
    PairingsGrid* grid_ = nullptr;
};

}  // namespace lw::ui
