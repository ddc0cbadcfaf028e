#include "rules/pair_text_caption.h"

#include <algorithm>
#include <cstdint>

#include "base/time_text.h"
#include "model/rest_rules.h"

namespace lw::rules {

namespace {

int32_t Clamped(int64_t minutes) {
    return static_cast<int32_t>(std::clamp<int64_t>(minutes, INT32_MIN, INT32_MAX));
}

}  // namespace

std::string PairTextCaption(const model::Document& doc, const model::TPair& pair) {
    // Summed wide: the figures come from files and must not wrap.
    int64_t legal = int64_t{pair.ReleaseTime} + (doc.IsFlightAttendants() ? model::kCabinRest : pair.RestAfter);
    if (legal > base::kMinutesPerDay) legal -= base::kMinutesPerDay;
    int64_t duty = 0;
    for (size_t d = 0; d < 6; ++d) duty += pair.DailyDuty[d];
    return "ON " + base::FormatTime(pair.ReportTime) + " OFF " + base::FormatTime(pair.ReleaseTime) + " CREDIT " +
           base::FormatTime(pair.TotalCredit) + " LEGAL AT " + base::FormatTime(Clamped(legal)) + " Type " + pair.PairType +
           " Fat Unit " + base::FormatTime(pair.FatigueUnits) + " Duty " + base::FormatTime(Clamped(duty));
}

}  // namespace lw::rules
