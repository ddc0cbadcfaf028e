#include "rules/pair_properties.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "base/time_text.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"

namespace lw::rules {

namespace {

constexpr const char* kTitle = "Linewright";

// What stays in the block total; worked out wide, as the total comes from the pairing file.
int32_t Included(int32_t total, int32_t excluded) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{total} - excluded, INT32_MIN, INT32_MAX));
}

}  // namespace

std::string_view PairingDayTypeName(int32_t type) {
    switch (type) {
        case kNormalDay: return "Normal";
        case kLineIndocDay: return "Line Indoc";
        case kLineCheckDay: return "Line Check";
        default: return "Recurrent LCK";
    }
}

bool TakesExcludedCredit(const model::Document& doc, const model::TPair& pair) {
    if (doc.IsFlightAttendants()) return false;
    char number[16];
    std::snprintf(number, sizeof number, "%04d", pair.PairNumber);
    return number[1] == '3' || number[1] == '4';
}

std::optional<PairProps> OpenPairProps(const model::Document& doc, int pair, int day) {
    if (pair < 0 || pair > doc.LastPairIndex || pair >= model::kPairSlots) return std::nullopt;
    if (day < 0 || day >= doc.DayCount || day >= model::kMonthDays) return std::nullopt;
    const model::TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    if (!q.Operates(day)) return std::nullopt;
    const size_t d = static_cast<size_t>(day);
    PairProps props;
    props.pair = pair;
    props.day = day;
    props.type = q.DayPairingType[d];
    props.creditInUse = TakesExcludedCredit(doc, q);
    if (props.creditInUse) {
        props.shownCredit = q.ExcludedCredit[d];
        props.creditText = base::FormatTime(props.shownCredit);
    }
    char caption[64];
    std::snprintf(caption, sizeof caption, "Properties for %c%04d on %s %02d", doc.GroupLetter(), q.PairNumber,
                  base::MonthLabel(doc.DayDate[d].month).c_str(), doc.DayDate[d].day);
    props.caption = caption;
    return props;
}

bool ApplyPairProps(model::Document& doc, platform::Interaction& ui, const PairProps& opened, int32_t type,
                    std::string_view creditText) {
    model::TPair& q = doc.Pairings[static_cast<size_t>(opened.pair)];
    const size_t d = static_cast<size_t>(opened.day);
    // The type holds even when the credit below keeps the dialog open. Any value but the
    // first three is the "Recurrent LCK" button.
    const int32_t stored = type == kNormalDay || type == kLineIndocDay || type == kLineCheckDay ? type : kRecurrentCheckDay;
    if (q.DayPairingType[d] != stored) {
        q.DayPairingType[d] = stored;
        doc.Modified = true;
    }
    if (!opened.creditInUse) return true;

    // The edit's mask holds "##:##".
    const int32_t credit = base::ParseTime(creditText.substr(0, 5), false);
    if (credit == -1) {
        ui.Message("Invalid Excluded Credits Entry. Please Correct", kTitle);
        return false;
    }
    if (credit == opened.shownCredit) return true;
    if (credit > InstanceCredit(doc, q, opened.day)) {
        ui.Message("Excluded Credits is More Than Total Pairing Credits in this Month. Please Correct Entry", kTitle);
        return false;
    }
    const std::string question = "Confirm - Total Pairing Credit " + base::FormatTime(q.TotalCredit) + ".  Excluded " +
                                 base::FormatTime(credit) + ".  Included " + base::FormatTime(Included(q.TotalCredit, credit));
    if (ui.Ask(question, kTitle, platform::Buttons::YesNo) != platform::Answer::Yes) return false;
    q.ExcludedCredit[d] = credit;
    doc.Modified = true;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) ComputeCredit(doc, c, false);
    return true;
}

}  // namespace lw::rules
