#include "rules/month_setup.h"

#include <algorithm>

#include "model/document.h"

namespace lw::rules {

MonthSettings ReadMonthSettings(const model::Document& doc) {
    return {doc.AvgBlock,           doc.MaxBlock,       doc.MinBlock,   doc.CheckPilotMax,     doc.DaysOffBlockHolder,
            doc.DaysOffReserve,     doc.ReducedMax,     doc.ReducedMin, doc.ReducedMinDaysOff};
}

bool ApplyMonthSettings(model::Document& doc, const MonthSettings& s) {
    auto minutes = [](int32_t v) { return std::clamp(v, 0, kMonthSettingMaxMinutes); };
    auto days = [](int32_t v) { return std::clamp(v, 0, kMonthSettingMaxDays); };
    const MonthSettings next{minutes(s.avgBlock),         minutes(s.maxBlock),    minutes(s.minBlock),
                             minutes(s.checkPilotMax),    days(s.daysOffBlockHolder), days(s.daysOffReserve),
                             minutes(s.reducedMax),       minutes(s.reducedMin),  days(s.reducedMinDaysOff)};
    if (next == ReadMonthSettings(doc)) return false;
    doc.AvgBlock = next.avgBlock;
    doc.MaxBlock = next.maxBlock;
    doc.MinBlock = next.minBlock;
    doc.CheckPilotMax = next.checkPilotMax;
    doc.DaysOffBlockHolder = next.daysOffBlockHolder;
    doc.DaysOffReserve = next.daysOffReserve;
    doc.ReducedMax = next.reducedMax;
    doc.ReducedMin = next.reducedMin;
    doc.ReducedMinDaysOff = next.reducedMinDaysOff;
    doc.Modified = true;
    return true;
}

const std::string& SharedNotes(const model::Document& doc) { return doc.DocTexts[model::kSharedNotesText]; }

bool SetSharedNotes(model::Document& doc, std::string_view notes) {
    const std::string_view kept = notes.substr(0, std::min(notes.size(), kSharedNotesLimit));
    std::string& stored = doc.DocTexts[model::kSharedNotesText];
    if (stored == kept) return false;
    stored = std::string(kept);
    doc.Modified = true;
    return true;
}

}  // namespace lw::rules
