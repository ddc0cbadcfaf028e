#include "output/month_summary.h"

#include <cstdio>
#include <string_view>

#include "base/time_text.h"
#include "output/pairing_reports.h"

namespace lw::output {

using model::Document;
using model::TPair;
using model::TPilot;

namespace {

// "%5ld:%02d  <label>": hours and minutes of an amount.
std::string Amount(int64_t minutes, std::string_view label) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%5ld:%02d", static_cast<long>(minutes / 60), static_cast<int>(minutes % 60));
    return std::string(buf) + "  " + std::string(label);
}

struct Limits {
    int32_t min = 0, max = 0, average = 0;
};

// The member's own limits stand in for the month's; the average then sits midway, as the
// reserve cut-off reckons it.
Limits BlockLimits(const Document& doc, const TPilot& p) {
    Limits l{doc.MinBlock, doc.MaxBlock, doc.AvgBlock};
    if (p.MinBlock > 0) l.min = p.MinBlock;
    if (p.MaxBlock > 0) l.max = p.MaxBlock;
    if (p.MinBlock > 0 || p.MaxBlock > 0) l.average = (l.max + l.min) / 2;
    return l;
}

struct Average {
    int64_t sum = 0;
    int count = 0;
    void Add(int32_t v) { sum += v, ++count; }
};

struct ActivityTotal {
    std::string code;
    int64_t credit = 0;
    int days = 0;
};

constexpr size_t kMaxActivityCodes = 300;

}  // namespace

LastBlockholder FindLastBlockholder(const Document& doc, int32_t openMinutes) {
    int64_t open = openMinutes;
    int last = -1;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.BidsReserve) continue;
        const Limits l = BlockLimits(doc, p);
        const int32_t credit = p.CreditTotal();
        if (credit > l.max) {
            open += credit - l.average;
        } else if (credit < l.min) {
            // The open time can no longer fill this block: the one before it is the last.
            if (open < l.min - credit) break;
            open += credit - l.average;
        }
        last = c;
    }
    return {last, static_cast<int32_t>(open < 0 ? 0 : open)};
}

std::vector<std::string> MonthSummary(const Document& doc) {
    const bool firstOfficers = doc.CrewGroup == model::kFirstOfficers;
    int64_t current = 0, reserved = 0, overlap = 0, hard = 0;
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        for (int d = 0; d < doc.DayCount && d < model::kMonthDays; ++d) {
            const int32_t status = q.DayStatus[static_cast<size_t>(d)];
            if (status == 0) continue;
            if (firstOfficers && status < 0) {
                reserved += MonthCredit(doc, q, d);
                continue;
            }
            current += MonthCredit(doc, q, d);
            overlap += q.TotalCredit;
            hard += MonthHardTime(doc, q, d);
        }
    }
    const OpenHours open = HoursInOpen(doc);
    int64_t total = current;

    std::vector<std::string> lines;
    lines.push_back(Amount(current, "Pairing Credit for Current Month"));
    if (firstOfficers) lines.push_back(Amount(reserved, "Pairing Credit Reserved for Two Capt Pairings"));
    lines.push_back(Amount(overlap, "Pairing Credit for Month with Overlap"));
    lines.push_back(Amount(open.open, "Hours currently in Open"));

    const LastBlockholder last = FindLastBlockholder(doc, open.open);
    if (last.row < 0) {
        lines.push_back("No Blocks");
    } else {
        lines.push_back("Last Blockholder is " + doc.Crew[static_cast<size_t>(last.row)].Name + " with " +
                        base::FormatTime(last.open) + " in open");
    }
    lines.push_back("");

    Average regular, reduced, checkPilot;
    int64_t carryIn = 0, draft = 0, misc = 0;
    std::vector<ActivityTotal> activities;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        const Limits l = BlockLimits(doc, p);
        const int32_t credit = p.CreditTotal();
        if (credit >= l.min && credit <= l.max) {
            // 0 means the month's minimum, which is no reduced block.
            if (p.MinBlock > 0 && p.MinBlock < 3900) reduced.Add(credit);
            else if (p.MaxBlock > 4440 && p.Qualification == 3) checkPilot.Add(credit);
            else regular.Add(credit);
        }
        carryIn += p.CreditCarriedIn;
        draft += p.DraftCredits;
        misc += p.ExtraCredits;
        for (int d = 0; d < doc.DayCount && d < model::kDayCells; ++d) {
            if (p.DayAssignment[static_cast<size_t>(d)] != model::kDayActivity) continue;
            const std::string& code = p.DayCode[static_cast<size_t>(d)];
            ActivityTotal* found = nullptr;
            for (ActivityTotal& a : activities)
                if (a.code == code) found = &a;
            if (found == nullptr) {
                if (activities.size() >= kMaxActivityCodes) continue;
                found = &activities.emplace_back(ActivityTotal{code});
            }
            found->credit += p.DayActivity[static_cast<size_t>(d)][model::kActCredit];
            ++found->days;
        }
    }
    auto average = [&lines](const Average& a, std::string_view label) {
        if (a.count > 0) lines.push_back(Amount(a.sum / a.count, label));
    };
    average(regular, "Avg for Completed Regular Blocks");
    average(reduced, "Avg for Completed Reduced Blocks");
    average(checkPilot, "Avg for Non-Reduced Completed CCP Blocks");

    lines.push_back(Amount(carryIn, "Carry In"));
    lines.push_back(Amount(draft, "Draft Credits"));
    lines.push_back(Amount(misc, "Misc Hours"));
    total += carryIn + draft + misc;
    for (const ActivityTotal& a : activities) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%5ld:%02d in %03d Occurrences of ", static_cast<long>(a.credit / 60),
                      static_cast<int>(a.credit % 60), a.days);
        lines.push_back(buf + a.code);
        total += a.credit;
    }
    lines.push_back("--------");
    lines.push_back(Amount(total, "Total Credits for Month"));
    lines.push_back(Amount(hard, "Total Hard Time"));
    lines.push_back("Average Pairing Credit per day is " + AveragePairingCreditText(doc));
    return lines;
}

void ShowMonthSummary(const Document& doc, platform::Interaction& ui) {
    ui.ShowList(kMonthSummaryTitle, MonthSummary(doc));
}

}  // namespace lw::output
