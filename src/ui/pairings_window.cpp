#include "ui/pairings_window.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "bids/filters.h"
#include "rules/pairings_look.h"
#include "rules/whos_legal.h"
#include "ui/block_font.h"
#include "ui/grid_geometry.h"
#include "ui/pairing_type_colours.h"
#include "ui/text.h"
#include "ui/whos_legal_dialog.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr int kLastPickColumn = 30;  // who's legal and selection reach the days of the month only

QColor Colour(const platform::Preferences& prefs, int index) {
    const platform::Rgb c = prefs.Colours[static_cast<size_t>(index)];
    return QColor(c.r, c.g, c.b);
}

QColor BarColour(rules::BarFill fill, const QColor& category) {
    switch (fill) {
        case rules::BarFill::TransientMark: return Qt::white;
        case rules::BarFill::LineIndoc: return kLineIndocColour;
        case rules::BarFill::LineCheck: return kLineCheckColour;
        case rules::BarFill::RecurrentLck: return kRecurrentLckColour;
        case rules::BarFill::Taken: return QColor(128, 128, 128);
        case rules::BarFill::Category: break;
    }
    return category;
}

}  // namespace

// The painted day grid under the status line; one scroll step is one column or one row.
class PairingsGrid : public QAbstractScrollArea {
public:
    PairingsGrid(PairingsWindow& owner, Workspace& ws) : QAbstractScrollArea(&owner), owner_(owner), ws_(ws) {
        viewport()->setMouseTracking(true);
        UpdateGeometry();
    }

    void UpdateGeometry() {
        const QFontMetrics fm(BlockFont(ws_.prefs(), false));
        const platform::Preferences& prefs = ws_.prefs();
        geometry_ = GridGeometry(GridMetrics{fm.averageCharWidth(), fm.height(), prefs.XPadding, prefs.YPadding});
        UpdateScrollBars();
    }

    void UpdateScrollBars() {
        const int columns = std::max(1, viewport()->width() / geometry_.ColumnWidth());
        const int rows = std::max(1, viewport()->height() / geometry_.RowHeight());
        horizontalScrollBar()->setRange(0, std::max(0, rules::PairingsLayout::kColumns - columns));
        horizontalScrollBar()->setPageStep(columns);
        verticalScrollBar()->setRange(0, std::max(0, owner_.layout_.rowCount - rows));
        verticalScrollBar()->setPageStep(rows);
    }

    int FirstColumn() const { return horizontalScrollBar()->value(); }
    int FirstRow() const { return verticalScrollBar()->value(); }

    QRect CellRect(int column, int row) const {
        return QRect((column - FirstColumn()) * geometry_.ColumnWidth(), (row - FirstRow()) * geometry_.RowHeight(),
                     geometry_.ColumnWidth(), geometry_.RowHeight());
    }

    // The column and row under a viewport point; -1 outside the grid.
    std::pair<int, int> CellAt(QPoint p) const {
        if (p.x() < 0 || p.y() < 0) return {-1, -1};
        const int column = FirstColumn() + p.x() / geometry_.ColumnWidth();
        const int row = FirstRow() + p.y() / geometry_.RowHeight();
        if (column >= rules::PairingsLayout::kColumns) return {-1, -1};
        return {column, row};
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        UpdateScrollBars();
    }
    void scrollContentsBy(int, int) override { viewport()->update(); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const auto [column, row] = CellAt(event->position().toPoint());
        if (column >= 0) owner_.Click(column, row, event->globalPosition().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const auto [column, row] = CellAt(event->position().toPoint());
        owner_.DoubleClick(column, row);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const auto cell = CellAt(event->position().toPoint());
        if (cell == hover_) return;
        // Only the two cells change: a full repaint on every move made the mouse lag.
        UpdateCell(hover_);
        hover_ = cell;
        UpdateCell(hover_);
    }
    void leaveEvent(QEvent* event) override {
        UpdateCell(hover_);
        hover_ = {-1, -1};
        QAbstractScrollArea::leaveEvent(event);
    }
    void UpdateCell(std::pair<int, int> cell) {
        if (cell.first >= 0) viewport()->update(CellRect(cell.first, cell.second));
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter painter(viewport());
        const platform::Preferences& prefs = ws_.prefs();
        const model::Document& doc = ws_.doc();
        const rules::PairingsLayout& layout = owner_.layout_;
        painter.fillRect(viewport()->rect(), Colour(prefs, platform::kPairingBackgroundColour));

        const int width = geometry_.ColumnWidth();
        const int height = geometry_.RowHeight();
        const int firstColumn = FirstColumn();
        const int firstRow = FirstRow();
        const int lastColumn = std::min(rules::PairingsLayout::kColumns - 1,
                                        firstColumn + viewport()->width() / width + 1);
        // Cells are drawn where the window was exposed; a pairing reaching in from the left
        // still gets its bar and stations.
        const QRect exposed = event->rect();
        const int exposedFirstColumn = firstColumn + std::max(0, exposed.left()) / width;
        const int exposedLastColumn = std::min(lastColumn, firstColumn + exposed.right() / width + 1);
        const int exposedFirstRow = firstRow + std::max(0, exposed.top()) / height;
        const int lastRow = std::min(layout.rowCount - 1, firstRow + exposed.bottom() / height + 1);

        // Day lines down to the last row in use; Saturday and Monday stand out.
        const int linesBottom = (layout.rowCount - firstRow) * height;
        for (int c = firstColumn; c <= lastColumn + 1 && linesBottom > 0; ++c) {
            const int weekday = doc.DateOf(std::min(c, model::kDayCells - 1)).Weekday();
            QColor line(128, 128, 128);
            if (weekday == 6 || weekday == 1) line = doc.FiltersOn ? QColor(Qt::yellow) : QColor(Qt::blue);
            painter.setPen(line);
            const int x = (c - firstColumn) * width;
            painter.drawLine(x, 0, x, linesBottom);
        }

        const rules::PairingsLookPrefs look{prefs.ShowFullPair, prefs.Layovers, prefs.ShowFullLayOver};
        const QFont normal = BlockFont(prefs, false);
        const QFont bold = BlockFont(prefs, true);
        const QFontMetrics normalMetrics(normal);
        const QFontMetrics boldMetrics(bold);
        const int textLeft = std::max(1, prefs.XPadding / 2);
        for (int row = exposedFirstRow; row <= lastRow; ++row) {
            for (int column = std::max(0, exposedFirstColumn - model::kMonthDays); column <= exposedLastColumn; ++column) {
                const int32_t pair = layout.Cell(column, row);
                if (pair < 0) continue;
                const size_t p = static_cast<size_t>(pair);
                const uint8_t category = p < layout.category.size() ? layout.category[p] : 0;
                const rules::InstanceLook cell = rules::LookOfInstance(doc, pair, column, category, look);
                const QRect box = CellRect(column, row);
                const QColor ink = Colour(prefs, std::min<int>(cell.category, 3));
                if (cell.takenDays > 0)
                    painter.fillRect(QRect(box.left(), box.top(), cell.takenDays * width, height), QColor(160, 160, 160));

                const int barLeft = box.left() + geometry_.MinuteX(cell.barFrom);
                const int barRight = box.left() + geometry_.MinuteX(cell.barTo);
                painter.fillRect(QRect(barLeft, box.bottom() - 3, std::max(1, barRight - barLeft), 2),
                                 BarColour(cell.fill, ink));

                painter.setFont(cell.bold ? bold : normal);
                painter.setPen(ink);
                const QFontMetrics& fm = cell.bold ? boldMetrics : normalMetrics;
                const int baseline = box.top() + 1 + fm.ascent();
                painter.drawText(box.left() + textLeft, baseline, QString::fromStdString(cell.number));
                if (cell.purser) {
                    const int right = box.left() + textLeft + fm.horizontalAdvance(QString::fromStdString(cell.number));
                    painter.drawLine(box.left() + textLeft, baseline + 2, right, baseline + 2);
                    painter.drawLine(box.left() + textLeft, baseline + 4, right, baseline + 4);
                }
                painter.setFont(normal);
                for (size_t k = 0; k < cell.layovers.size(); ++k)
                    painter.drawText(box.left() + static_cast<int>(k + 1) * width + textLeft, baseline,
                                     FromDocText(cell.layovers[k]));
                if (cell.arrowTo > 0) {
                    const int y = box.top() + height / 2;
                    const int from = box.left() + width + textLeft;
                    const int to = box.left() + cell.arrowTo * width + width - textLeft;
                    painter.drawLine(from, y, to, y);
                    painter.drawLine(to, y, to - 4, y - 3);
                    painter.drawLine(to, y, to - 4, y + 3);
                }
            }
        }

        const rules::PairingPick& selected = ws_.board().Selected;
        if (selected.pair >= 0 && selected.row >= 0 && selected.pair <= doc.LastPairIndex) {
            const model::TPair& q = doc.Pairings[static_cast<size_t>(selected.pair)];
            const QRect box = CellRect(selected.day, selected.row);
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(1, 1, (std::max<int>(q.WorkDays, 1) - 1) * width - 1, -1));
        }
        if (hover_.first >= 0 && hover_.second < layout.rowCount)
            painter.fillRect(CellRect(hover_.first, hover_.second), QColor(255, 255, 255, 90));
    }

private:
    PairingsWindow& owner_;
    Workspace& ws_;
    GridGeometry geometry_;
    std::pair<int, int> hover_{-1, -1};
};

PairingsWindow::PairingsWindow(Workspace& ws, QWidget* parent) : QWidget(parent, Qt::Tool), ws_(ws) {
    setWindowTitle(QString());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    status_->setMargin(2);
    status_->setMinimumWidth(1);  // a long status must not widen the window
    grid_ = new PairingsGrid(*this, ws_);
    column->addWidget(status_);
    column->addWidget(grid_, 1);
    resize(900, 320);

    connect(&ws_, &Workspace::documentChanged, this, &PairingsWindow::Relayout);
    connect(&ws_, &Workspace::documentReplaced, this, [this] {
        status_->clear();
        Relayout();
    });
    connect(&ws_, &Workspace::selectionChanged, this, [this] { grid_->viewport()->update(); });
    Relayout();
}

PairingsWindow::~PairingsWindow() = default;

void PairingsWindow::Relayout() {
    rules::LayoutPairings(ws_.doc(), layout_);
    rules::PairingPick& selected = ws_.board().Selected;
    if (selected.pair >= 0 && selected.day >= 0) selected.row = rules::FindRow(layout_, selected.pair, selected.day);
    grid_->UpdateGeometry();
    grid_->viewport()->update();
}

void PairingsWindow::ToggleOpenOnly() {
    model::Document& doc = ws_.doc();
    doc.ShowTakenPairings = !doc.ShowTakenPairings;
    setWindowTitle(QString::fromStdString(rules::OpenOnlyCaption(doc)));
    Relayout();
}

void PairingsWindow::SetFilterCaption(const QString& caption) { setWindowTitle(caption); }

QString PairingsWindow::StatusText() const { return status_->text(); }

QWidget* PairingsWindow::GridViewport() const { return grid_->viewport(); }

QRect PairingsWindow::CellRect(int column, int row) const { return grid_->CellRect(column, row); }

void PairingsWindow::ScrollToRow(int row) { grid_->verticalScrollBar()->setValue(row); }

void PairingsWindow::Click(int column, int row, QPoint globalPos) {
    const rules::PickOutcome pick = rules::SelectPairing(ws_.doc(), ws_.board(), layout_, column, row);
    if (!pick.status.empty()) status_->setText(FromDocText(pick.status));
    if (pick.stopPainting) ws_.gestures().ChooseTool(std::nullopt);
    switch (pick.kind) {
        case rules::PickKind::Nothing: return;
        case rules::PickKind::OpenText: emit pairTextRequested(pick.pair, pick.day, globalPos); return;
        case rules::PickKind::Selected: ws_.NotifySelection(); return;
        case rules::PickKind::Described: grid_->viewport()->update(); return;
    }
}

void PairingsWindow::DoubleClick(int column, int row) {
    const int32_t pair = column >= 0 && column <= kLastPickColumn ? layout_.Cell(column, row) : -1;
    if (pair >= 0) {
        WhosLegalDialog dialog(ws_, pair, column, this);
        dialog.exec();
        return;
    }
    model::Document& doc = ws_.doc();
    if (doc.IsFlightAttendants()) {
        emit filtersWindowToggleRequested();
    } else if (doc.FiltersOn) {
        std::string caption;
        bids::EmployeeFilterOff(doc, caption);
        SetFilterCaption(FromDocText(caption));
        ws_.NotifyChanged();
    } else {
        emit bidsFilterRequested();
    }
}

}  // namespace lw::ui
