#include "ui/text.h"

#include <QStringDecoder>

namespace lw::ui {

QString FromDocText(std::string_view text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QString decoded = utf8.decode(bytes);
    if (!utf8.hasError()) return decoded;
    return QString::fromLatin1(bytes);
}

std::string ToDocText(const QString& text) { return text.toStdString(); }

}  // namespace lw::ui
