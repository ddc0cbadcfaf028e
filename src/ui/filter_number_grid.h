#pragma once
// The grid of pairing-number buttons both filter windows share: one cell per distinct number,
// twenty to a row; a picked number is drawn pressed in blue. A click toggles the number.
#include <QWidget>
#include <functional>
#include <vector>

#include "bids/filters.h"

namespace lw::ui {

class FilterNumberGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 20;

    explicit FilterNumberGrid(QWidget* parent = nullptr);

    // The cells and how to tell whether a cell is picked.
    void SetCells(std::vector<bids::FilterCell> cells, std::function<bool(size_t)> picked);
    const std::vector<bids::FilterCell>& Cells() const { return cells_; }
    QSize CellSize() const;
    // Where the cell of that index lies, for the planner's mouse in tests.
    QRect CellRect(size_t index) const;

    QSize sizeHint() const override;

signals:
    void cellClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<bids::FilterCell> cells_;
    std::function<bool(size_t)> picked_;
};

}  // namespace lw::ui
