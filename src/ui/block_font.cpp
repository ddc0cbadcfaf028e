#include "ui/block_font.h"

#include <QFontInfo>
#include <algorithm>
#include <cstdlib>

namespace lw::ui {

QFont BlockFont(const platform::Preferences& prefs, bool bold) {
    platform::BlockFont record;  // Arial, 14 high, normal weight
    if (prefs.FontRecord) {
        if (const auto stored = platform::DecodeFontRecord(*prefs.FontRecord)) record = *stored;
    }
    QFont font(QString::fromStdString(record.face));
    font.setPixelSize(std::max(1, std::abs(record.height)));
    font.setItalic(record.italic);
    const int weight = bold ? 700 : record.weight;
    font.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
    return font;
}

platform::BlockFont FontRecordOf(const QFont& font) {
    platform::BlockFont record;
    record.face = font.family().toStdString();
    record.height = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    record.width = 0;
    record.weight = static_cast<int32_t>(font.weight());
    record.italic = font.italic();
    return record;
}

}  // namespace lw::ui
