#include "ui/filter_number_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <cstdio>

namespace lw::ui {

FilterNumberGrid::FilterNumberGrid(QWidget* parent) : QWidget(parent) {
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FilterNumberGrid::SetCells(std::vector<bids::FilterCell> cells, std::function<bool(size_t)> picked) {
    cells_ = std::move(cells);
    picked_ = std::move(picked);
    updateGeometry();
    update();
}

// Wide enough for four digits and a frame.
QSize FilterNumberGrid::CellSize() const {
    const QFontMetrics fm(font());
    return {5 * fm.averageCharWidth() + 5, fm.height() + 1};
}

QRect FilterNumberGrid::CellRect(size_t index) const {
    const QSize cell = CellSize();
    const int column = static_cast<int>(index % kColumns), row = static_cast<int>(index / kColumns);
    return {column * cell.width(), row * cell.height(), cell.width(), cell.height()};
}

QSize FilterNumberGrid::sizeHint() const {
    const QSize cell = CellSize();
    const int rows = static_cast<int>(cells_.size()) / kColumns + 1;
    return {kColumns * cell.width(), rows * cell.height()};
}

void FilterNumberGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face(192, 192, 192);
    painter.fillRect(rect(), face);
    for (size_t i = 0; i < cells_.size(); ++i) {
        const QRect box = CellRect(i);
        const bool on = picked_ && picked_(i);
        // Raised when free, sunken when picked, as push buttons look.
        const QColor light = on ? QColor(128, 128, 128) : Qt::white;
        const QColor dark = on ? Qt::white : QColor(128, 128, 128);
        painter.setPen(light);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        char text[16];
        std::snprintf(text, sizeof text, "%04d", cells_[i].number);
        painter.setPen(on ? QColor(0, 0, 255) : palette().color(QPalette::WindowText));
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void FilterNumberGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QSize cell = CellSize();
    const QPoint at = event->position().toPoint();
    if (at.x() < 0 || at.y() < 0 || at.x() >= kColumns * cell.width()) return;
    const size_t index = static_cast<size_t>(at.y() / cell.height()) * kColumns + static_cast<size_t>(at.x() / cell.width());
    if (index < cells_.size()) emit cellClicked(cells_[index].number);
}

}  // namespace lw::ui
