#pragma once
// The colours of a pairing day's type — line indoctrination, line check, recurrent LCK — the
// same on the block grid's duty bars and the pairings window's bars.
#include <QColor>

namespace lw::ui {

inline const QColor kLineIndocColour(102, 178, 255);
inline const QColor kLineCheckColour(255, 51, 153);
inline const QColor kRecurrentLckColour(196, 255, 128);

}  // namespace lw::ui
