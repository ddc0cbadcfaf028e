#pragma once
// The caption of the pairing text window: the pairing's key figures at a glance.
#include <string>

#include "model/document.h"

namespace lw::rules {

// "ON hh:mm OFF hh:mm CREDIT hh:mm LEGAL AT hh:mm Type XX Fat Unit hh:mm Duty hh:mm". The legal
// time is the release plus the rest owed after the pairing (12 hours for flight attendants),
// brought back into the day once; the duty is the sum of the first six pairing days.
std::string PairTextCaption(const model::Document& doc, const model::TPair& pair);

}  // namespace lw::rules
