#include "ui/block_grid_view.h"

#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unordered_map>

#include "base/date.h"
#include "base/time_text.h"
#include "rules/roster_edit.h"
#include "ui/block_font.h"
#include "ui/commands.h"
#include "ui/grid_dialogs.h"
#include "ui/pairing_type_colours.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

using model::TPair;
using model::TPilot;

QColor ToQColor(const platform::Rgb& c) { return QColor(c.r, c.g, c.b); }

// One-pixel lines and frames filled rather than stroked: the same pixels a cosmetic pen
// paints, at a fraction of the raster engine's cost.
void VerticalLine(QPainter& p, int x, int top, int bottom, const QColor& colour) {
    p.fillRect(x, top, 1, bottom - top + 1, colour);
}

void HorizontalLine(QPainter& p, int left, int right, int y, const QColor& colour) {
    p.fillRect(left, y, right - left + 1, 1, colour);
}

// The outline drawRect(x, y, w, h) paints: w + 1 by h + 1 pixels.
void Frame(QPainter& p, int x, int y, int w, int h, const QColor& colour) {
    HorizontalLine(p, x, x + w, y, colour);
    HorizontalLine(p, x, x + w, y + h, colour);
    VerticalLine(p, x, y + 1, y + h - 1, colour);
    VerticalLine(p, x + w, y + 1, y + h - 1, colour);
}

// Fixed colours of the grid; the planner's colour set covers the rest.
const QColor kLanguageBand(255, 255, 128);
const QColor kPurser(153, 102, 204);
const QColor kNextMonth(176, 176, 176);
const QColor kRbBar(224, 224, 224);
const QColor kWatermark(160, 160, 160);
const QColor kBalanceGrey(128, 128, 128);
const QColor kWarning(255, 140, 0);
const QColor kMedicalMark(0, 160, 0);
const QColor kQualificationMark(0, 0, 200);

constexpr std::string_view kPrebuild = "P  R  E  B  U  I  L  D";
constexpr std::string_view kPresked = "P  R  E  S  K  E  D";
constexpr std::string_view kFinal = "F  I  N  A  L";
constexpr std::string_view kLastMonth = "L  A  S  T   M  O  N  T  H";

rules::Keys KeysOf(Qt::KeyboardModifiers m) {
    return rules::Keys{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier)};
}

}  // namespace

// Texts of the month drawn once per colour into small images and copied from then on: a
// screen holds some three thousand texts, and laying out and blending each glyph again was
// most of the cost of a paint.
class GridTextCache {
public:
    explicit GridTextCache(const QFont& font) : font_(font), metrics_(font) {}
    const QImage& Get(std::string_view bytes, const QColor& colour, qreal pixelRatio) {
        if (pixelRatio != pixelRatio_) {
            sprites_.clear();
            pixelRatio_ = pixelRatio;
        }
        const QRgb rgb = colour.rgb();
        key_.assign(bytes);
        key_.append(reinterpret_cast<const char*>(&rgb), sizeof rgb);
        auto it = sprites_.find(key_);
        if (it != sprites_.end()) return it->second;
        if (sprites_.size() > kMostTexts) sprites_.clear();
        return sprites_.emplace(key_, Draw(FromDocText(bytes), colour)).first->second;
    }

private:
    QImage Draw(const QString& text, const QColor& colour) const {
        const int width = std::max({1, metrics_.horizontalAdvance(text), metrics_.boundingRect(text).right() + 1});
        QImage sprite(static_cast<int>(std::ceil(width * pixelRatio_)),
                      static_cast<int>(std::ceil(metrics_.height() * pixelRatio_)), QImage::Format_ARGB32_Premultiplied);
        sprite.setDevicePixelRatio(pixelRatio_);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setFont(font_);
        painter.setPen(colour);
        painter.drawText(0, metrics_.ascent(), text);
        return sprite;
    }

    static constexpr size_t kMostTexts = 8000;
    QFont font_;
    QFontMetrics metrics_;
    qreal pixelRatio_ = 1;
    std::string key_;
    std::unordered_map<std::string, QImage> sprites_;
};

BlockGridView::BlockGridView(Workspace& ws, QWidget* parent) : QAbstractScrollArea(parent), ws_(ws) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    runDialog_ = [](QDialog& d) { return d.exec(); };
    numberTexts_.reserve(100);
    for (int i = 0; i < 100; ++i) numberTexts_.push_back({char('0' + i / 10), char('0' + i % 10)});
    SetBlockFont(ui::BlockFont(ws_.prefs(), false));
    connect(&ws_, &Workspace::documentChanged, this, &BlockGridView::OnDocumentChanged);
    connect(&ws_, &Workspace::documentReplaced, this, &BlockGridView::OnDocumentReplaced);
    connect(&ws_, &Workspace::selectionChanged, viewport(), qOverload<>(&QWidget::update));
    RebuildRows();
}

BlockGridView::~BlockGridView() = default;

// ---- geometry ---------------------------------------------------------------------------------

void BlockGridView::SetBlockFont(const QFont& font) {
    font_ = font;
    // Crisp unsmoothed glyphs: small cell text reads better, and a full screen of it paints
    // in a fraction of the time.
    font_.setStyleStrategy(QFont::NoAntialias);
    RecomputeGeometry();
}

void BlockGridView::RecomputeGeometry() {
    const QFontMetrics fm(font_);
    smallFont_ = font_;
    smallFont_.setPixelSize(std::max(6, fm.height() * 3 / 4));
    ascent_ = fm.ascent();
    smallAscent_ = QFontMetrics(smallFont_).ascent();
    texts_ = std::make_unique<GridTextCache>(font_);
    smallTexts_ = std::make_unique<GridTextCache>(smallFont_);
    GridMetrics m;
    m.charWidth = charWidth_ = fm.averageCharWidth();
    m.charHeight = fm.height();
    m.xPadding = ws_.prefs().XPadding;
    m.yPadding = ws_.prefs().YPadding;
    for (char digit = '0'; digit <= '9'; ++digit) m.digitWidth = std::max(m.digitWidth, fm.horizontalAdvance(QLatin1Char(digit)));
    m.creditWidth = fm.horizontalAdvance(QStringLiteral("00:00"));
    m.smallHeight = QFontMetrics(smallFont_).height();
    m.labelWidth = labelWidth_ = WidestLabel();
    geo_ = GridGeometry(m);
    UpdateScrollRanges();
    viewport()->update();
}

int BlockGridView::WidestLabel() const {
    // Every member's, not only those shown: the grid keeps its width while filters change.
    const QFontMetrics fm(font_);
    const model::Document& doc = ws_.doc();
    int widest = 0;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c)
        widest = std::max(widest, fm.horizontalAdvance(FromDocText(rules::RowLabel(doc, c))));
    for (std::string_view label : rules::kReserveSummaryLabels)
        widest = std::max(widest, fm.horizontalAdvance(FromDocText(label)));
    return widest;
}

int BlockGridView::FirstRow() const { return verticalScrollBar()->value(); }
int BlockGridView::FirstColumn() const { return horizontalScrollBar()->value(); }

int BlockGridView::DayLeft(int day) const { return geo_.ColumnLeft(day + DayShift(), FirstColumn()); }

void BlockGridView::UpdateScrollRanges() {
    const QSize size = viewport()->size();
    const int count = static_cast<int>(rows_.size());
    horizontalScrollBar()->setRange(0, geo_.MaxFirstColumn(size.width()));
    horizontalScrollBar()->setPageStep(std::max(1, geo_.FullColumns(size.width())));
    verticalScrollBar()->setRange(0, geo_.MaxFirstRow(count, size.height()));
    verticalScrollBar()->setPageStep(std::max(1, geo_.FullRows(size.height())));
}

void BlockGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void BlockGridView::scrollContentsBy(int, int) { viewport()->update(); }

void BlockGridView::ScrollToCrew(int crew, int day) {
    const auto it = std::find(rows_.begin(), rows_.end(), crew);
    if (it != rows_.end()) {
        const int row = static_cast<int>(it - rows_.begin());
        const int full = std::max(1, geo_.FullRows(viewport()->height()));
        if (row < FirstRow() || row >= FirstRow() + full) verticalScrollBar()->setValue(row);
    }
    if (day >= 0) {
        const int column = day + DayShift();
        const int full = std::max(1, geo_.FullColumns(viewport()->width()));
        if (column < FirstColumn() || column >= FirstColumn() + full) horizontalScrollBar()->setValue(column);
    }
}

// ---- rows, filters and search -----------------------------------------------------------------

void BlockGridView::RebuildRows() {
    std::vector<int> rows = rules::SelectDisplayRows(ws_.doc(), view_);
    const bool changed = rows != rows_;
    rows_ = std::move(rows);
    reserves_ = rules::CountReserveDays(ws_.doc());
    UpdateScrollRanges();
    // A shorter list may end above the top row: the scroll bar's new range brings it back.
    if (changed) viewport()->update();
}

void BlockGridView::Refresh() {
    RebuildRows();
    viewport()->update();
}

void BlockGridView::SetViewSettings(const rules::ViewSettings& settings) {
    view_ = settings;
    rules::MarkSearchMatches(ws_.doc(), searchWords_, view_);
    Refresh();
    emit viewSettingsChanged();
}

void BlockGridView::ReadViewSettings() { SetViewSettings(rules::ReadViewSettings(ws_.profile())); }

bool BlockGridView::WriteViewSettings() { return rules::WriteViewSettings(view_, ws_.profile()); }

void BlockGridView::ToggleViewSwitch(rules::ViewSwitch which) {
    rules::ToggleViewSwitch(view_, which);
    if (which == rules::ViewSwitch::FilterSearch) RunSearch();
    else RebuildRows();
    emit viewSettingsChanged();
}

void BlockGridView::SetSearchText(const QString& text) {
    searchText_ = text.left(static_cast<qsizetype>(rules::kMaxSearchText));
    RunSearch();
}

void BlockGridView::SetSearchOptions(bool name, bool employeeNumber, bool pairing, bool bid) {
    view_.NameCheck = name;
    view_.EmpNumCheck = employeeNumber;
    view_.PairCheck = pairing;
    view_.BidCheck = bid;
    RunSearch();
    emit viewSettingsChanged();
}

void BlockGridView::RunSearch() {
    searchWords_ = rules::SplitSearchText(searchText_.toStdString(), ws_.interaction());
    rules::MarkSearchMatches(ws_.doc(), searchWords_, view_);
    RebuildRows();
    viewport()->update();  // the marks changed even when the rows did not
}

int BlockGridView::SearchNext() {
    if (rows_.empty()) return -1;
    const int count = static_cast<int>(rows_.size());
    for (int k = 1; k <= count; ++k) {
        const int row = (FirstRow() + k) % count;
        const int crew = rows_[static_cast<size_t>(row)];
        if (ws_.doc().Crew[static_cast<size_t>(crew)].ViewMarks[rules::kSearchMark] == 0) continue;
        verticalScrollBar()->setValue(row);
        return crew;
    }
    return -1;
}

void BlockGridView::OnDocumentChanged() {
    ws_.gestures().RecomputeBalance();
    if (WidestLabel() != labelWidth_) RecomputeGeometry();  // a renamed or completed block
    Refresh();
}

void BlockGridView::OnDocumentReplaced() {
    searchWords_.clear();
    rules::MarkSearchMatches(ws_.doc(), searchWords_, view_);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    if (WidestLabel() != labelWidth_) RecomputeGeometry();
    Refresh();
}

// ---- mouse ------------------------------------------------------------------------------------

BlockGridView::Cell BlockGridView::CellAt(const QPoint& pos) const {
    const GridHit hit = geo_.HitTest(pos.x(), pos.y(), FirstColumn(), FirstRow());
    Cell cell;
    cell.area = hit.area;
    if (hit.row >= 0 && hit.row < static_cast<int>(rows_.size())) cell.crew = rows_[static_cast<size_t>(hit.row)];
    if (hit.column >= 0) cell.day = hit.column - DayShift();
    return cell;
}

// ---- tool window icons ------------------------------------------------------------------------

namespace {
constexpr int kToolIconCommands[] = {kCmdPairingsWindow, kCmdToolbox, kCmdBidsWindow, kCmdFiltersWindow};
constexpr const char* kToolIconTips[] = {"Pairings Window (F4)", "ToolBox (F5)", "Bids Window (Insert)",
                                         "Pairing Filters Window (F6)"};
}  // namespace

void BlockGridView::SetToolWindows(const std::array<QWidget*, kToolIcons>& windows) {
    for (size_t k = 0; k < windows.size(); ++k) {
        toolWindows_[k] = windows[k];
        if (windows[k]) windows[k]->installEventFilter(this);
    }
    viewport()->update();
}

bool BlockGridView::ToolWindowOpen(int k) const {
    if (k < 0 || k >= kToolIcons) return false;
    const QWidget* w = toolWindows_[static_cast<size_t>(k)];
    return w && w->isVisible();
}

QRect BlockGridView::ToolIconRect(int k) const {
    const int size = std::clamp(geo_.HeaderHeight() / 3, 12, 16);
    return QRect(4 + k * (size + 4), 4, size, size);
}

int BlockGridView::ToolIconAt(const QPoint& pos) const {
    for (int k = 0; k < kToolIcons; ++k)
        if (ToolIconRect(k).contains(pos)) return k;
    return -1;
}

bool BlockGridView::eventFilter(QObject* watched, QEvent* event) {
    const bool ours = std::any_of(toolWindows_.begin(), toolWindows_.end(),
                                  [watched](const QPointer<QWidget>& w) { return w.data() == watched; });
    if (ours && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        viewport()->update(0, 0, geo_.NameWidth(), geo_.HeaderHeight());
        emit toolWindowsChanged();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool BlockGridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int k = ToolIconAt(help->pos());
        if (k >= 0) QToolTip::showText(help->globalPos(), kToolIconTips[k], viewport(), ToolIconRect(k));
        else QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void BlockGridView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (const int k = ToolIconAt(at); k >= 0) {
            emit toolWindowIconClicked(kToolIconCommands[k]);
            return;
        }
    }
    const Cell cell = CellAt(at);
    const rules::Keys keys = KeysOf(event->modifiers());
    rules::GridGestures& g = ws_.gestures();
    if (event->button() == Qt::LeftButton) {
        if (cell.area != GridArea::Day || cell.crew < 0) return;
        AfterGesture(g.LeftDown(cell.crew, cell.day, keys), at);
    } else if (event->button() == Qt::RightButton) {
        if (cell.crew < 0) return;
        if (cell.area == GridArea::Name) AfterGesture(g.RightClickName(cell.crew), at);
        else if (cell.area == GridArea::Day) AfterGesture(g.RightClick(cell.crew, cell.day, keys), at);
    }
}

void BlockGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const Cell cell = CellAt(at);
    rules::GridGestures& g = ws_.gestures();
    const bool onDay = cell.area == GridArea::Day && cell.crew >= 0;
    // A drag let go outside the crew rows goes back where it came from.
    if (!onDay && !g.Dragging()) return;
    const rules::PairingPick selected = ws_.board().Selected;
    AfterGesture(g.LeftUp(onDay ? cell.crew : -1, onDay ? cell.day : -1, KeysOf(event->modifiers())), at);
    // An assignment by click uses up the pairing chosen in the pairings window.
    if (!(ws_.board().Selected == selected)) ws_.NotifySelection();
}

void BlockGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const Cell cell = CellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell.area == GridArea::Name && cell.crew >= 0) {
        emit employeeInfoRequested(cell.crew);
        return;
    }
    mousePressEvent(event);
}

void BlockGridView::AfterGesture(const rules::GridOutcome& outcome, const QPoint& where) {
    using rules::GridDialog;
    using rules::GridEffect;
    switch (outcome.effect) {
        case GridEffect::None:
        case GridEffect::DragStarted:
        case GridEffect::Declined:
        case GridEffect::LockedNoDrag:
        case GridEffect::Covered:
            viewport()->update();  // the balance or marks may have moved with the release
            return;
        case GridEffect::Dialog:
            break;
        default:
            ws_.NotifyChanged();
            return;
    }
    switch (outcome.open) {
        case GridDialog::ActivityDetails: OpenActivityDetails(outcome.crew, outcome.day); break;
        case GridDialog::PairingText: emit pairingTextRequested(outcome.pair, outcome.day); break;
        case GridDialog::QuickEmployeeInfo: OpenQuickEmployee(outcome.crew, where); break;
        case GridDialog::MoveOnRoster: OpenMove(outcome.crew); break;
        case GridDialog::None: break;
    }
}

void BlockGridView::OpenActivityDetails(int crew, int day) {
    ActivityDetailsDialog dialog(rules::ReadActivityDetails(ws_.doc(), crew, day), this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    if (ws_.gestures().StoreActivityDetails(crew, day, dialog.Details())) ws_.NotifyChanged();
}

void BlockGridView::OpenQuickEmployee(int crew, const QPoint& where) {
    QuickEmployeeDialog dialog(ws_.doc().Crew[static_cast<size_t>(crew)], this);
    dialog.move(viewport()->mapToGlobal(where));
    if (runDialog_(dialog) != QDialog::Accepted) return;
    ws_.gestures().StoreQuickEmployeeInfo(crew, dialog.BidsReserve(), dialog.BlockComplete());
    ws_.NotifyChanged();
}

void BlockGridView::OpenMove(int crew) {
    MoveDialog dialog(ws_.doc(), crew, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    const int target = dialog.ChosenRow();
    if (target < 0 || target == crew) return;
    if (rules::MoveOnRoster(ws_.doc(), crew, target)) ws_.NotifyChanged();
}

// ---- keys -------------------------------------------------------------------------------------

void BlockGridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        verticalScrollBar()->setValue(FirstRow() + (key == Qt::Key_Up ? -1 : 1));
        return;
    }
    // The last-month view answers only to scrolling.
    if (lastMonth_) return;
    if (event->isAutoRepeat() && (key == Qt::Key_Left || key == Qt::Key_Escape)) return;
    switch (key) {
        case Qt::Key_Left:
            lastMonth_ = true;
            viewport()->update();
            return;
        case Qt::Key_Escape:
            allCredits_ = true;
            viewport()->update();
            return;
        case Qt::Key_H: emit historyRequested(); return;
        case Qt::Key_Equal: emit pairingReportRequested(); return;
        default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void BlockGridView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    if (event->key() == Qt::Key_Left && lastMonth_) {
        lastMonth_ = false;
        viewport()->update();
    } else if (event->key() == Qt::Key_Escape && allCredits_) {
        allCredits_ = false;
        viewport()->update();
    } else {
        QAbstractScrollArea::keyReleaseEvent(event);
    }
}

void BlockGridView::focusOutEvent(QFocusEvent* event) {
    // A key let go in another window never reaches us: do not stay stuck in a held view.
    if (lastMonth_ || allCredits_) {
        lastMonth_ = allCredits_ = false;
        viewport()->update();
    }
    QAbstractScrollArea::focusOutEvent(event);
}

// ---- painting ---------------------------------------------------------------------------------

void BlockGridView::DrawText(QPainter& p, int x, int baseline, std::string_view text, const QColor& colour) {
    p.drawImage(x, baseline - ascent_, texts_->Get(text, colour, pixelRatio_));
}

void BlockGridView::DrawSmallText(QPainter& p, int x, int baseline, std::string_view text, const QColor& colour) {
    p.drawImage(x, baseline - smallAscent_, smallTexts_->Get(text, colour, pixelRatio_));
}

void BlockGridView::SetProposed(const std::vector<rules::Placement>& placements) {
    proposed_.clear();
    for (const rules::Placement& pl : placements) proposed_[{pl.crew, pl.day}] = pl.pair;
    viewport()->update();
}

void BlockGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintGrid(painter, event->rect());
}

void BlockGridView::PaintGrid(QPainter& p, const QRect& exposed) {
    pixelRatio_ = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    for (size_t k = 0; k < colours_.size(); ++k) colours_[k] = ToQColor(ws_.prefs().Colours[k]);
    using rules::GridColour;
    auto role = [this](GridColour c) -> QColor& { return lookColours_[static_cast<size_t>(c)]; };
    role(GridColour::Black) = Qt::black;
    role(GridColour::Red) = Qt::red;
    role(GridColour::DarkGray) = Qt::darkGray;
    role(GridColour::Blue) = Qt::blue;
    role(GridColour::DutyTime) = colours_[platform::kDutyTimeColour];
    role(GridColour::RestTime) = colours_[platform::kRestTimeColour];
    role(GridColour::Purser) = kPurser;
    role(GridColour::LineIndoc) = kLineIndocColour;
    role(GridColour::LineCheck) = kLineCheckColour;
    role(GridColour::RecurrentLck) = kRecurrentLckColour;
    for (int k = 0; k < 4; ++k)
        role(static_cast<GridColour>(static_cast<int>(GridColour::Credit0) + k)) = colours_[static_cast<size_t>(k)];
    p.fillRect(exposed, colours_[platform::kBlockBackgroundColour]);
    const int colW = geo_.ColumnWidth();
    const int rh = geo_.RowHeight();
    const int firstCol = FirstColumn();
    const int firstRow = FirstRow();
    const int c0 = std::min(GridGeometry::kColumns - 1, firstCol + std::max(0, (exposed.left() - geo_.NameWidth()) / colW));
    const int c1 = std::min(GridGeometry::kColumns - 1, firstCol + std::max(0, (exposed.right() - geo_.NameWidth()) / colW));
    const int r0 = firstRow + std::max(0, (exposed.top() - geo_.HeaderHeight()) / rh);
    const int r1 = firstRow + std::max(0, (exposed.bottom() - geo_.HeaderHeight()) / rh);
    const int crewRows = static_cast<int>(rows_.size());
    const model::Document& doc = ws_.doc();

    if (exposed.bottom() >= geo_.HeaderHeight() && exposed.right() >= geo_.NameWidth()) {
        std::string_view watermark;
        if (lastMonth_) watermark = kLastMonth;
        else if (doc.FileVariant == model::kRosterViewer) watermark = kPrebuild;
        else if (doc.FileVariant == model::kScheduleViewer) watermark = kPresked;
        else if (doc.FileVariant == model::kFinalViewer) watermark = kFinal;
        for (int r = r0; r <= r1; ++r) {
            const int top = geo_.RowTop(r, firstRow);
            if (r < crewRows) {
                const TPilot& m = doc.Crew[static_cast<size_t>(rows_[static_cast<size_t>(r)])];
                if (!watermark.empty()) PaintWatermark(p, watermark, top, exposed.right());
                if (lastMonth_) PaintLastMonthDays(p, m, top, c0, c1);
                else PaintRowDays(p, m, top, c0, c1);
            } else if (r - crewRows < static_cast<int>(reserves_.size())) {
                PaintSummaryRow(p, r - crewRows, top, c0, c1);
            }
        }
        PaintDayLines(p, std::max(exposed.top(), geo_.HeaderHeight()), exposed.bottom(), c0, c1);
    }
    if (exposed.left() < geo_.NameWidth()) PaintNameArea(p, r0, std::min(r1, crewRows + 3));
    if (exposed.top() < geo_.HeaderHeight()) PaintHeader(p, c0, c1);
}

void BlockGridView::PaintWatermark(QPainter& p, std::string_view text, int top, int right) {
    const QImage& sprite = texts_->Get(text, kWatermark, pixelRatio_);
    const int step = static_cast<int>(sprite.deviceIndependentSize().width()) + 4 * geo_.ColumnWidth();
    for (int x = geo_.NameWidth() + 2; x <= right; x += std::max(step, 1))
        DrawText(p, x, top + geo_.RowHeight() / 2 + ascent_ / 2, text, kWatermark);
}

void BlockGridView::PaintRowDays(QPainter& p, const TPilot& m, int top, int firstCol, int lastCol) {
    const model::Document& doc = ws_.doc();
    const platform::Preferences& prefs = ws_.prefs();
    const int colW = geo_.ColumnWidth();
    const int rh = geo_.RowHeight();
    const int textY = top + prefs.YPadding / 2 + 1 + ascent_;
    const int barTop = top + rh - 5;
    const int textX = prefs.XPadding / 2 + 2;
    const int dayEnd = std::min(doc.DayCount + 31, model::kDayCells);
    const int lastDay = std::min(lastCol, dayEnd - 1);
    const int crew = static_cast<int>(&m - doc.Crew.data());
    const rules::GridLookPrefs lookPrefs{prefs.ShowFullPair, prefs.Layovers, prefs.ShowFullLayOver};
    const int monthEnd = DayLeft(doc.DayCount);

    // Pairings that began before the first column shown still reach into it.
    for (int d = std::max(0, firstCol - model::kMonthDays); d <= lastDay; ++d) {
        const bool shown = d >= firstCol;
        int proposed = -1;
        if (shown && !proposed_.empty())
            if (const auto it = proposed_.find({crew, d}); it != proposed_.end()) proposed = it->second;
        const rules::GridDayLook look = rules::LookOfDay(doc, crew, d, lookPrefs, proposed);
        const int x = DayLeft(d);
        if (shown && d == 0) {
            if (look.checkInBar > 0) p.fillRect(x, barTop, geo_.MinuteX(look.checkInBar), 3, ColourOf(rules::GridColour::RestTime));
            if (look.fromLastMonth) {
                p.setPen(ColourOf(rules::GridColour::Red));
                const int y = barTop - 2;
                p.drawLine(x + 1, y, x + 7, y);
                p.drawLine(x + 1, y, x + 4, y - 3);
                p.drawLine(x + 1, y, x + 4, y + 3);
            }
        }
        if (look.bar != rules::DutyBar::None) {
            const int x0 = x + geo_.MinuteX(look.barFrom);
            const int x1 = x + geo_.MinuteX(look.barTo);
            const QColor& type = ColourOf(look.barColour);
            if (look.bar == rules::DutyBar::Transient) {
                p.fillRect(x0, barTop, std::max(1, x1 - x0), 4, Qt::white);
                p.fillRect(x0, barTop + 2, std::max(1, x1 - x0), 1, type);
            } else {
                p.fillRect(x0, barTop, std::max(1, std::min(x1, monthEnd) - x0), 4, type);
            }
            if (x1 > monthEnd) p.fillRect(std::max(x0, monthEnd), barTop, x1 - std::max(x0, monthEnd), 4, kNextMonth);
            p.fillRect(x1, barTop, geo_.MinuteX(look.restMinutes), 4, ColourOf(look.restColour));
            for (int k = 0; look.overDaysOff >> k; ++k) {
                if (((look.overDaysOff >> k) & 1) == 0) continue;
                Frame(p, x + k * colW, top, colW - 1, rh - 1, colours_[platform::kPairOverDayOffColour]);
            }
        }
        if (shown) {
            if (look.reserveMinutes != 0)
                p.fillRect(x + geo_.MinuteX(look.reserveFrom), barTop, std::max(1, geo_.MinuteX(look.reserveMinutes)), 4,
                           kRbBar);
            if (!look.text.empty()) {
                const int size = static_cast<int>(look.text.size());
                const int shift = look.centred ? charWidth_ * (3 - size) / 2 : 0;
                DrawText(p, x + textX + shift, textY, look.text, ColourOf(look.textColour));
            }
            if (look.locked) p.fillRect(x + 1, top + 1, 3, 3, Qt::black);
        }
        for (int k = 1; k <= look.nights && d + k <= lastCol; ++k) {
            const std::string_view station = rules::LayoverAfter(look, k);
            if (station.empty() || d + k < firstCol) continue;
            DrawText(p, DayLeft(d + k) + textX, textY, station, ColourOf(rules::GridColour::DarkGray));
        }
        if (!shown) continue;
        if (!look.proposed.empty()) {
            // A proposed trip: its number in blue inside a blue frame, until applied or dropped.
            const QColor& blue = ColourOf(rules::GridColour::Blue);
            DrawText(p, x + textX, textY, look.proposed, blue);
            Frame(p, x + 1, top + 1, colW - 3, rh - 3, blue);
        }
        if (look.illegal) Frame(p, x + 1, top + 1, colW - 3, rh - 3, ColourOf(rules::GridColour::Red));
        if (look.warning) p.fillRect(x + colW - 6, top + 1, 5, 5, kWarning);
    }
}

void BlockGridView::PaintLastMonthDays(QPainter& p, const TPilot& m, int top, int firstCol, int lastCol) {
    const platform::Preferences& prefs = ws_.prefs();
    const int textY = top + prefs.YPadding / 2 + 1 + ascent_;
    const int barTop = top + geo_.RowHeight() - 5;
    const QColor& duty = colours_[platform::kDutyTimeColour];
    for (int c = firstCol; c <= lastCol; ++c) {
        const int w = c;  // extended day index: 0..30 last month, 31 on this month
        if (w >= model::kDayCells) break;
        const int x = geo_.ColumnLeft(c, firstCol);
        const model::DayValues& v = m.PrevDayData[static_cast<size_t>(w)];
        if (v[model::kPrevDutyLength] > 0)
            p.fillRect(x + geo_.MinuteX(v[model::kPrevDutyStart]), barTop, std::max(1, geo_.MinuteX(v[model::kPrevDutyLength])), 4,
                       v[model::kPrevWorked] == 2 ? kRbBar : duty);
        const std::string& text = m.DayText[static_cast<size_t>(w)];
        if (text.empty()) continue;
        DrawText(p, x + prefs.XPadding / 2 + 2, textY, rules::CodeWithoutBlank(text), Qt::black);
    }
}

void BlockGridView::PaintSummaryRow(QPainter& p, int kind, int top, int firstCol, int lastCol) {
    if (lastMonth_) return;
    const int textY = top + ws_.prefs().YPadding / 2 + 1 + ascent_;
    const int days = std::min(ws_.doc().DayCount, model::kMonthDays);
    for (int d = firstCol; d <= lastCol && d < days; ++d) {
        const int count = reserves_[static_cast<size_t>(kind)][static_cast<size_t>(d)];
        DrawText(p, DayLeft(d) + ws_.prefs().XPadding / 2 + 2, textY,
                 numberTexts_[static_cast<size_t>(std::clamp(count, 0, 99))], Qt::black);
    }
}

void BlockGridView::PaintDayLines(QPainter& p, int top, int bottom, int firstCol, int lastCol) {
    const model::Document& doc = ws_.doc();
    const QColor weekLine = view_.FilterSearch ? Qt::blue : Qt::yellow;
    const QColor gridLine(Qt::gray);
    for (int c = firstCol; c <= lastCol; ++c) {
        const int d = c - DayShift();
        int weekday;
        if (d >= 0) {
            if (d >= model::kDayCells) break;
            const auto& label = doc.DayLabel[static_cast<size_t>(d)];
            weekday = label[0] == 'S' && label[1] == 'A' ? 6 : label[0] == 'M' ? 1 : 0;
        } else {
            const base::CalendarDate& date = doc.PrevDates[static_cast<size_t>(d + model::kPrevDays)];
            weekday = date.year > 0 ? base::Date::FromDmy(date.day, date.month, date.year).Weekday() : 0;
        }
        const int x = DayLeft(d);
        if (weekday == 6 || weekday == 1) VerticalLine(p, x, top, bottom, weekLine);
        else if (ws_.prefs().Grid) VerticalLine(p, x, top, bottom, gridLine);
    }
    if (!lastMonth_ && doc.DayCount >= firstCol && doc.DayCount <= lastCol + 1) {
        const int x = DayLeft(doc.DayCount);
        VerticalLine(p, x - 2, top, bottom, Qt::red);
        VerticalLine(p, x, top, bottom, Qt::red);
    }
}

void BlockGridView::PaintNameArea(QPainter& p, int firstRow, int lastRow) {
    const model::Document& doc = ws_.doc();
    const int rh = geo_.RowHeight();
    const int top0 = geo_.HeaderHeight();
    const int height = viewport()->height() - top0;
    p.fillRect(0, top0, geo_.NameWidth(), height, colours_[platform::kBlockBackgroundColour]);
    const int crewRows = static_cast<int>(rows_.size());
    const int labelRight = geo_.DaysOffOffset() - 2;  // the marks below sit left of it, past the label
    const int textDy = ws_.prefs().YPadding / 2 + 1 + ascent_;
    const QColor black(Qt::black);

    p.setClipRect(0, top0, labelRight, height);
    for (int r = firstRow; r <= lastRow; ++r) {
        const int top = geo_.RowTop(r, FirstRow());
        if (r >= crewRows) {
            DrawText(p, 2, top + textDy, rules::kReserveSummaryLabels[static_cast<size_t>(r - crewRows)], black);
            continue;
        }
        const int crew = rows_[static_cast<size_t>(r)];
        const TPilot& m = doc.Crew[static_cast<size_t>(crew)];
        if (m.LanguageBits == 1 || m.LanguageBits == 3)
            p.fillRect(0, top + 1, labelRight, rh - 2, kLanguageBand);
        DrawText(p, 2, top + textDy, rules::RowLabel(doc, crew), black);
    }
    p.setClipping(false);

    for (int r = firstRow; r <= std::min(lastRow, crewRows - 1); ++r) {
        const int top = geo_.RowTop(r, FirstRow());
        const TPilot& m = doc.Crew[static_cast<size_t>(rows_[static_cast<size_t>(r)])];
        // Small marks left of the days-off figure: medical limit, qualification, reserve bid.
        int markX = labelRight - 4;
        if (m.LanguageBits == 2 || m.LanguageBits == 3) p.fillRect(markX, top + 3, 3, rh - 6, kMedicalMark);
        markX -= 4;
        if (m.Qualification != 0) p.fillRect(markX, top + 3, 3, rh - 6, kQualificationMark);
        markX -= 4;
        if (m.BidsReserve) p.fillRect(markX, top + 3, 3, rh - 6, colours_[platform::kReserveColour]);

        const int daysOff = rules::DaysOffCount(doc, m);
        DrawText(p, geo_.DaysOffOffset(), top + textDy, numberTexts_[static_cast<size_t>(std::clamp(daysOff, 0, 99))],
                 daysOff < doc.EffectiveMinDaysOff(m) ? QColor(Qt::red) : black);

        static constexpr platform::ColourIndex kShades[] = {platform::kReserveColour, platform::kBlockOutOfRangeColour,
                                                            platform::kBlockInRangeColour};
        const QColor credit = allCredits_ ? QColor(Qt::yellow)
                                          : colours_[kShades[static_cast<int>(rules::CreditShadeOf(doc, m))]];
        DrawText(p, geo_.CreditOffset(), top + textDy, rules::CreditText(m), credit);
    }
    VerticalLine(p, geo_.NameWidth() - 1, top0, top0 + height, black);
}

void BlockGridView::PaintHeader(QPainter& p, int firstCol, int lastCol) {
    const model::Document& doc = ws_.doc();
    const int header = geo_.HeaderHeight();
    p.fillRect(0, 0, viewport()->width(), header, colours_[platform::kBlockBackgroundColour]);
    const int textX = GridGeometry::TextInset(ws_.prefs().XPadding);
    const auto& balance = ws_.gestures().Balance();
    for (int c = firstCol; c <= lastCol; ++c) {
        const int d = c - DayShift();
        if (d >= model::kDayCells) break;
        const int x = DayLeft(d);
        std::string weekday;
        int dayOfMonth = 0;
        bool weekend = false;
        if (d >= 0) {
            const auto& label = doc.DayLabel[static_cast<size_t>(d)];
            weekday.assign(label.data(), label[1] ? 2 : label[0] ? 1 : 0);
            dayOfMonth = doc.DayDate[static_cast<size_t>(d)].day;
            weekend = doc.Weekend[static_cast<size_t>(d)];
        } else {
            const base::CalendarDate& date = doc.PrevDates[static_cast<size_t>(d + model::kPrevDays)];
            if (date.year > 0) {
                const int wd = base::Date::FromDmy(date.day, date.month, date.year).Weekday();
                weekday = base::WeekdayLabel(wd);
                weekend = wd == 0 || wd == 6;
            }
            dayOfMonth = date.day;
        }
        const QColor dayColour = weekend ? Qt::blue : Qt::black;
        DrawSmallText(p, x + textX, geo_.WeekdayTop() + smallAscent_, weekday, dayColour);
        DrawText(p, x + textX, geo_.DayNumberTop() + ascent_,
                 numberTexts_[static_cast<size_t>(std::clamp(dayOfMonth, 0, 99))], dayColour);
        if (d >= 0 && d < doc.DayCount && d < model::kMonthDays) {
            const int32_t figure = balance[static_cast<size_t>(d)];
            DrawSmallText(p, x + textX, geo_.BalanceTop() + smallAscent_,
                          numberTexts_[static_cast<size_t>(std::clamp(std::abs(figure), 0, 99))],
                          figure > 0 ? kBalanceGrey : QColor(Qt::red));
        }
    }
    PaintDayLines(p, 0, header, firstCol, lastCol);
    // The tool windows' state: pairings, toolbox, bids, filters; a click opens or closes them.
    p.setFont(smallFont_);
    for (int k = 0; k < kToolIcons; ++k) {
        const QRect box = ToolIconRect(k);
        const bool open = ToolWindowOpen(k);
        p.fillRect(box, open ? QColor(Qt::darkGreen) : QColor(Qt::white));
        Frame(p, box.x(), box.y(), box.width() - 1, box.height() - 1, Qt::black);
        p.setPen(open ? QColor(Qt::white) : QColor(Qt::black));
        p.drawText(box, Qt::AlignCenter, QString(QLatin1Char(kToolIconLetters[k])));
    }
    p.fillRect(0, header - 1, viewport()->width(), 1, Qt::black);
}

}  // namespace lw::ui
