#include "print/printout_painter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "rules/pairings_layout.h"

namespace lw::print {

namespace {

QString Text(const std::string& s) {
    const QString utf8 = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()))
                                                      : utf8;
}

QFont PrintFont(int height) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(height);
    return font;
}

// The page in the printout's own units, stretched over the printable area as the planner's
// old printouts were.
void MapUnits(QPainter& painter, QPagedPaintDevice& device, int width, int height) {
    painter.setViewport(0, 0, device.width(), device.height());
    painter.setWindow(0, 0, width, height);
}

QPen Line(Qt::PenStyle style) {
    QPen pen(Qt::black, 0, style);
    pen.setCosmetic(true);
    return pen;
}

void CentredText(QPainter& painter, int left, int top, int width, int height, const QString& text) {
    painter.drawText(QRect(left, top, width, height), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip, text);
}

void DayRuler(QPainter& painter, const std::vector<output::DayHeading>& days, int firstX, int column, int top,
              int line, int bottom) {
    for (size_t d = 0; d < days.size(); ++d) {
        const int x = firstX + static_cast<int>(d) * column;
        CentredText(painter, x, top, column, line, Text(days[d].number));
        CentredText(painter, x, top + line, column, line, Text(days[d].weekday));
        if (days[d].line == output::DayLine::None) continue;
        painter.setPen(Line(days[d].line == output::DayLine::Dotted ? Qt::DotLine : Qt::SolidLine));
        painter.drawLine(x, top, x, bottom);
        painter.setPen(Qt::black);
    }
    const int end = firstX + static_cast<int>(days.size()) * column;
    painter.setPen(Line(Qt::SolidLine));
    painter.drawLine(end, top, end, bottom);
    painter.setPen(Qt::black);
}

void PaintBlockRow(QPainter& painter, const output::BlockRow& row, int y) {
    using namespace output;
    painter.drawText(QRect(0, y, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft | Qt::TextDontClip, Text(row.label));
    painter.drawText(QRect(0, y + kBlockLine, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft | Qt::TextDontClip,
                     Text(row.credit));
    if (row.carryInWidth > 0) {
        const QRect box(3 * kBlockColumn, y + 2, row.carryInWidth, kBlockRowHeight - 4);
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, "CARRYIN");
    }
    for (size_t d = 0; d < row.days.size(); ++d) {
        const BlockCell& cell = row.days[d];
        const int x = (static_cast<int>(d) + 3) * kBlockColumn;
        if (!cell.text.empty()) {
            CentredText(painter, x, y + kBlockLine / 2, kBlockColumn, kBlockLine, Text(cell.text));
            if (cell.dottedUnderline) {
                painter.setPen(Line(Qt::DotLine));
                painter.drawLine(x + 3, y + 2 * kBlockLine - 3, x + kBlockColumn - 3, y + 2 * kBlockLine - 3);
                painter.setPen(Qt::black);
            }
        }
        if (cell.lateStroke) painter.drawLine(x, y + kBlockLine, x + 10, y + kBlockLine);
        if (!cell.request.empty()) {
            painter.setPen(Qt::gray);
            CentredText(painter, x, y + 2 * kBlockLine, kBlockColumn, kBlockLine, Text(cell.request));
            painter.setPen(Qt::black);
        }
    }
    painter.setPen(Line(Qt::DotLine));
    painter.drawLine(0, y + kBlockRowHeight, (3 + static_cast<int>(row.days.size())) * kBlockColumn, y + kBlockRowHeight);
    painter.setPen(Qt::black);
}

void PaintBlockSummary(QPainter& painter, const output::BlockPrintout& out) {
    using namespace output;
    const int y = out.summaryY;
    painter.drawText(QRect(0, y, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft | Qt::TextDontClip, "RESERVES");
    painter.drawText(QRect(0, y + kBlockRowHeight, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft | Qt::TextDontClip,
                     "OPEN");
    for (size_t d = 0; d < out.reserves.size(); ++d) {
        const int x = (static_cast<int>(d) + 3) * kBlockColumn;
        CentredText(painter, x, y, kBlockColumn, kBlockLine, QString::number(out.reserves[d]));
        for (size_t k = 0; k < out.open[d].size(); ++k)
            CentredText(painter, x, y + kBlockRowHeight + static_cast<int>(k) * kBlockLine, kBlockColumn, kBlockLine,
                        Text(out.open[d][k]));
    }
}

}  // namespace

bool PaintBlockPrintout(QPagedPaintDevice& device, const output::BlockPrintout& out) {
    using namespace output;
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    for (size_t page = 0; page < out.pages.size(); ++page) {
        if (page > 0) device.newPage();
        MapUnits(painter, device, kBlockPageWidth, kBlockPageHeight);
        painter.setFont(PrintFont(9));
        painter.setPen(Qt::black);
        const BlockPage& sheet = out.pages[page];
        const bool last = page + 1 == out.pages.size();
        painter.drawText(QRect(0, 0, kBlockPageWidth, kBlockLine), Qt::AlignLeft | Qt::TextDontClip, Text(sheet.header));
        painter.drawText(QRect(0, 3 * kBlockLine, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft, "EMP NAME");
        painter.drawText(QRect(0, 4 * kBlockLine, 3 * kBlockColumn, kBlockLine), Qt::AlignLeft, "BLK HRS");
        int bottom = kBlockFirstRowY + static_cast<int>(sheet.rows.size()) * kBlockRowHeight;
        if (last) bottom = out.summaryY + kBlockRowHeight;
        DayRuler(painter, out.days, 3 * kBlockColumn, kBlockColumn, 3 * kBlockLine, kBlockLine, bottom);
        painter.setPen(Line(Qt::DotLine));
        const int right = (3 + static_cast<int>(out.days.size())) * kBlockColumn;
        painter.drawLine(0, kBlockFirstRowY - 5, right, kBlockFirstRowY - 5);
        painter.setPen(Qt::black);
        for (size_t r = 0; r < sheet.rows.size(); ++r)
            PaintBlockRow(painter, sheet.rows[r], kBlockFirstRowY + static_cast<int>(r) * kBlockRowHeight);
        if (last) PaintBlockSummary(painter, out);
    }
    return true;
}

bool PaintPairsPrintout(QPagedPaintDevice& device, const output::PairsPrintout& out) {
    using namespace output;
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    for (size_t page = 0; page < out.pages.size(); ++page) {
        if (page > 0) device.newPage();
        MapUnits(painter, device, kPairsPageWidth, kPairsPageHeight);
        painter.setFont(PrintFont(10));
        painter.setPen(Qt::black);
        const PairsPage& sheet = out.pages[page];
        for (size_t k = 0; k < sheet.header.size(); ++k)
            painter.drawText(QRect(0, static_cast<int>(k) * kPairsLine, kPairsPageWidth, kPairsLine),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, Text(sheet.header[k]));
        const int top = 4 * kPairsLine;
        const int bottom = (kPairsFirstRowLine + static_cast<int>(sheet.rows.size())) * kPairsLine;
        DayRuler(painter, out.days, 0, kPairsColumn, top, kPairsLine / 2 + kPairsLine / 2, bottom);
        for (size_t r = 0; r < sheet.rows.size(); ++r) {
            const int y = (kPairsFirstRowLine + static_cast<int>(r)) * kPairsLine;
            for (const PairsCell& cell : sheet.rows[r]) {
                const int x = cell.column * kPairsColumn;
                CentredText(painter, x, y, kPairsColumn, kPairsLine / 2, Text(cell.text));
                if (!cell.stars.empty())
                    CentredText(painter, x, y + kPairsLine / 2, kPairsColumn, kPairsLine / 2, Text(cell.stars));
            }
        }
    }
    return true;
}

bool WritePdf(const model::Document& doc, Printout which, const std::vector<int>& rows, bool draft, bool printXes,
              const QString& file, QPageSize::PageSizeId pageSize) {
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(pageSize));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator("Linewright");
    if (which == Printout::Blocks) {
        writer.setTitle("Blocks");
        return PaintBlockPrintout(writer, output::LayoutBlockPrintout(doc, rows, draft, printXes));
    }
    {
        writer.setTitle("Visual Pairings");
        rules::PairingsLayout layout;
        rules::LayoutPairings(doc, layout);
        return PaintPairsPrintout(writer, output::LayoutPairsPrintout(doc, layout));
    }
}

}  // namespace lw::print
