#pragma once
// Names and texts of the month are kept as the input files gave them: UTF-8 when they are
// valid UTF-8, else single-byte text from the older systems.
#include <QString>
#include <string>
#include <string_view>

namespace lw::ui {

QString FromDocText(std::string_view text);
std::string ToDocText(const QString& text);

}  // namespace lw::ui
