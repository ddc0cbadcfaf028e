#pragma once
// The pairing text window: the full text of one pairing instance, with its key figures in the
// caption. One window serves every request: showing another pairing replaces the one shown.
#include <QFont>
#include <QStringList>
#include <QWidget>

namespace lw::ui {

class Workspace;

class PairTextWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 635;
    static constexpr int kLinePitch = 11;
    static constexpr int kExtraHeight = 41;
    static constexpr int kGlyphWidth = 7;   // each character's cell in the text
    static constexpr int kTextHeight = 14;  // the text font's pixel size, at most

    // The font the text is drawn in: fixed pitch, no glyph wider than kGlyphWidth.
    static QFont TextFont();

    explicit PairTextWindow(Workspace& ws, QWidget* parent = nullptr);

    // Shows the instance of the pairing starting on day, centred on the mouse and kept inside
    // bounds (the main window's rectangle, in global coordinates).
    void ShowPairing(int pair, int day, QPoint globalMouse, const QRect& bounds);

    int Pair() const { return pair_; }
    int Day() const { return day_; }
    const QStringList& Lines() const { return lines_; }

    // Top left of a window of that size on the mouse, pushed back inside bounds; never above
    // or left of 1.
    static QPoint PlaceOnMouse(QPoint mouse, QSize size, const QRect& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Workspace& ws_;
    int pair_ = -1;
    int day_ = -1;
    QStringList lines_;
    int lineFeeds_ = 0;
};

}  // namespace lw::ui
