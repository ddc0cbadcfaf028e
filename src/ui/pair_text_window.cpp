#include "ui/pair_text_window.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "rules/pair_properties.h"
#include "rules/pair_text_caption.h"
#include "ui/pair_props_dialog.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr char kHint[] = "Right Click to Enter Pairing Parameters for this Day of Operation";

}  // namespace

QFont PairTextWindow::TextFont() {
    // Courier New is not on every desktop and its stand-ins run wider than 7 pixels at 14:
    // the largest size up to 14 whose glyphs keep the 7-pixel measure, so whole lines fit.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    for (int size = kTextHeight; size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        if (fm.horizontalAdvance(QLatin1Char('M')) <= kGlyphWidth && fm.horizontalAdvance(QLatin1Char('W')) <= kGlyphWidth)
            break;
    }
    return font;
}

PairTextWindow::PairTextWindow(Workspace& ws, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), ws_(ws) {
    // The text belongs to one month: another month closes it.
    connect(&ws_, &Workspace::documentReplaced, this, [this] {
        pair_ = day_ = -1;
        hide();
    });
    connect(&ws_, &Workspace::documentChanged, this, [this] { update(); });
}

void PairTextWindow::ShowPairing(int pair, int day, QPoint globalMouse, const QRect& bounds) {
    const model::TPair* q = ws_.doc().PairAt(pair);
    if (!q || pair > ws_.doc().LastPairIndex || day < 0 || day >= model::kMonthDays) return;
    pair_ = pair;
    day_ = day;
    const QString text = FromDocText(q->PairText);
    lineFeeds_ = static_cast<int>(text.count(QLatin1Char('\n')));
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    setWindowTitle(FromDocText(rules::PairTextCaption(ws_.doc(), *q)));

    const QSize size(kWidth, kLinePitch * lineFeeds_ + kExtraHeight);
    setFixedSize(size);
    move(PlaceOnMouse(globalMouse, frameGeometry().size().expandedTo(size), bounds));
    show();
    raise();
    update();
}

QPoint PairTextWindow::PlaceOnMouse(QPoint mouse, QSize size, const QRect& bounds) {
    int left = mouse.x() - kWidth / 2;
    int top = mouse.y() - size.height() / 2;
    if (left + size.width() > bounds.right() + 1) left = bounds.right() + 1 - size.width();
    if (top + size.height() > bounds.bottom() + 1) top = bounds.bottom() + 1 - size.height();
    return QPoint(std::max(1, left), std::max(1, top));
}

void PairTextWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const model::TPair* q = ws_.doc().PairAt(pair_);
    const int type = q && day_ >= 0 && day_ < model::kMonthDays ? q->DayPairingType[static_cast<size_t>(day_)] : 0;
    if (type == 1) painter.fillRect(rect(), QColor(0, 0, 255));
    else if (type == 2) painter.fillRect(rect(), QColor(255, 51, 153));
    else if (type == 3) painter.fillRect(rect(), QColor(128, 192, 96));
    painter.setFont(TextFont());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = painter.fontMetrics().ascent();
    // Every character on the 7-pixel grid: the columns of the pairing text stay in line.
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        for (qsizetype k = 0; k < line.size(); ++k)
            if (line[k] != QLatin1Char(' '))
                painter.drawText(1 + static_cast<int>(k) * kGlyphWidth, static_cast<int>(i) * kLinePitch + ascent, QString(line[k]));
    }
    painter.drawText(14, height() - 22 + ascent, QString::fromLatin1(kHint));
}

void PairTextWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const std::optional<rules::PairProps> opened = rules::OpenPairProps(ws_.doc(), pair_, day_);
    if (!opened) return;
    PairPropsDialog dialog(ws_, *opened, this);
    dialog.exec();
    update();
}

}  // namespace lw::ui
