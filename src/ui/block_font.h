#pragma once
// The normal and bold block fonts: from the planner's "Font" record when there is one, else
// Arial 14 pixels high.
#include <QFont>

#include "platform/preferences.h"

namespace lw::ui {

QFont BlockFont(const platform::Preferences& prefs, bool bold);
// The record stored for a font chosen in the font dialog.
platform::BlockFont FontRecordOf(const QFont& font);

}  // namespace lw::ui
