// The block's credit total and the crew's time bank.
#include <algorithm>
#include <cstdio>

#include "platform/interaction.h"
#include "rules/block_checks.h"
#include "rules/check_support.h"

namespace lw::rules {

namespace {

using namespace blockcheck;

constexpr int32_t kLastPairSlot = model::kPairSlots - 1;
constexpr int32_t kMostCredit = 127 * 60 + 59;  // what the hours and minutes bytes can hold
constexpr const char* kOutOfRange = "Pairing Number out of RANGE";

int32_t Compute(model::Document& doc, int crew, bool includeExcluded, platform::Interaction* ui) {
    if (crew < 0 || crew >= static_cast<int>(doc.Crew.size())) return 0;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    int32_t total = p.CreditCarriedIn + p.DraftCredits + p.ExtraCredits + p.TimeBank;
    if (includeExcluded || !p.OutsideW) total += p.TrainingAtHome;

    const int days = std::clamp(doc.DayCount, 0, model::kMonthDays);
    for (int d = 0; d < days; ++d) {
        const int32_t index = p.DayAssignment[static_cast<size_t>(d)];
        if (index < 0) continue;
        if (index > kLastPairSlot) {
            // The block points outside the table: say so once and count no further pairings.
            if (ui)
                ui->Message(kOutOfRange, "Internal Error", platform::Icon::Stop);
            else
                doc.Log(std::string(kOutOfRange) + "\n");
            break;
        }
        const TPair& q = doc.Pairings[static_cast<size_t>(index)];
        if (d + q.PairLength > doc.DayCount) {
            for (int k = 0; d + k < days; ++k) total += q.DailyCredit[static_cast<size_t>(k)];
        } else {
            total += q.TotalCredit;
        }
        if (!includeExcluded) total -= q.ExcludedCredit[static_cast<size_t>(d)];
    }

    int32_t leave = 0;
    p.TimeBankCodeTotal = 0;
    p.AlbTotal = 0;
    for (int d = 0; d < days; ++d) {
        if (!IsActivity(p, d)) continue;
        const model::DayValues& a = Activity(p, d);
        const int32_t credit = a[model::kActCredit];
        const std::string_view code = Trimmed(p.DayCode[static_cast<size_t>(d)]);
        if (includeExcluded || a[model::kActExcludeCredit] == 0) {
            total += credit;
            if (code == "LOA" || code == "MED" || code == "MAT") leave += credit;
        }
        if (code == "TBB") p.TimeBankCodeTotal += credit;
        if (code == "ALB") p.AlbTotal += credit;
    }

    // The stored total is held in two bytes; a month beyond 127:59 shows as 127:59.
    const int32_t stored = std::clamp(total, -kMostCredit, kMostCredit);
    p.CreditHours = static_cast<int8_t>(stored / 60);
    p.CreditMinutes = static_cast<int8_t>(stored % 60);
    return total - leave;
}

}  // namespace

int32_t ComputeCredit(model::Document& doc, int crew, bool includeExcluded) {
    return Compute(doc, crew, includeExcluded, nullptr);
}

int32_t ComputeCredit(model::Document& doc, int crew, bool includeExcluded, platform::Interaction& ui) {
    return Compute(doc, crew, includeExcluded, &ui);
}

int32_t CrewTimeBank(const model::Document& doc) {
    int32_t sum = 0;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        sum += p.TimeBank + p.TimeBankCodeTotal;
    }
    return sum;
}

std::string CrewTimeBankText(const model::Document& doc) {
    const int32_t bank = CrewTimeBank(doc);
    char buf[40];
    std::snprintf(buf, sizeof buf, " TB %d:%02d", bank / 60, bank % 60);
    return buf;
}

}  // namespace lw::rules
