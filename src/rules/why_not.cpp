#include "rules/why_not.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "bids/bids.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "base/time_text.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using model::TPilot;

using base::kMinutesPerDay;

// Illegality headings of the block checks, as they open their part of IllegalText.
constexpr std::array<std::string_view, 16> kHeadings = {
    " Rest ",
    " 100+ Fatigue Units on",
    " 112+ Hours Hard in 28 on",
    " 3+ 12 Hr Duty on",
    " 60h/7d 2LNR Rules",
    " 192h+/28d On",
    " Con Days On",
    " RA RB RE Mix On",
    "Check Pilot Pair Credit > ",
    " Not Qualified for YTZ on",
    " Not Qualified for YCG on",
    " USA Pairing on ",
    " French Pair ",
    " RB Days Must be Grouped in 2s for Reduced Block on ",
    " Must Have 2 Days Off before and after RB periods on",
    " Both ",
};
constexpr std::string_view kDutyRulesHeading = " 60h/7d 2LNR Rules";

std::string Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

// IllegalText cut into its headed parts: heading -> the part from that heading to the next.
std::vector<std::pair<std::string_view, std::string>> SplitByHeadings(const std::string& text) {
    std::vector<std::pair<size_t, std::string_view>> starts;
    for (std::string_view h : kHeadings) {
        for (size_t at = text.find(h); at != std::string::npos; at = text.find(h, at + 1)) {
            // " Rest " also sits inside no other heading, but a heading may repeat (two-captain texts).
            starts.emplace_back(at, h);
        }
    }
    std::sort(starts.begin(), starts.end());
    std::vector<std::pair<std::string_view, std::string>> parts;
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1].first : text.size();
        parts.emplace_back(starts[i].second, text.substr(starts[i].first, end - starts[i].first));
    }
    return parts;
}

// The duty rule tests that fail in the rule log after but not before, each once.
std::vector<std::string> NewRuleFailures(const std::string& before, const std::string& after) {
    std::set<std::string_view> old;
    auto lines = [](std::string_view text, auto&& each) {
        size_t from = 0;
        while (from < text.size()) {
            const size_t plus = std::min(text.find('+', from), text.size());
            each(text.substr(from, plus - from));
            from = plus + 1;
        }
    };
    lines(before, [&](std::string_view line) { old.insert(line); });
    std::vector<std::string> fails;
    lines(after, [&](std::string_view line) {
        if (old.count(line)) return;
        for (size_t at = line.find(" FAIL "); at != std::string_view::npos; at = line.find(" FAIL ", at + 1)) {
            size_t end = line.find(" FAIL", at + 5);
            if (end == std::string_view::npos) end = line.find(" PASSED", at + 5);
            if (end == std::string_view::npos) end = line.size();
            const std::string test = Trim(line.substr(at, end - at));
            if (std::find(fails.begin(), fails.end(), test) == fails.end()) fails.push_back(test);
        }
    });
    return fails;
}

bool ValidInstance(const Document& doc, int crew, int pair, int day) {
    return crew >= 0 && crew < doc.CrewCount && crew < model::kCrewRows && pair >= 0 && pair <= doc.LastPairIndex &&
           pair < model::kPairSlots && day >= 0 && day < doc.DayCount && day < model::kMonthDays;
}

// Puts the pairing on the member's row, runs the block check and reads what it newly flags;
// everything is put back.
std::vector<WhyReason> TrialBlockReasons(Document& doc, int crew, int pair, int day) {
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    std::vector<int8_t> checked(static_cast<size_t>(doc.CrewCount));
    for (int c = 0; c < doc.CrewCount; ++c) checked[static_cast<size_t>(c)] = doc.Crew[static_cast<size_t>(c)].RulesChecked;
    const TPilot saved = p;
    const int32_t status = q.DayStatus[static_cast<size_t>(day)];

    // Judged from a fresh check of the block as it stands, so stale flags do not hide a finding.
    CheckBlock(doc, crew);
    const TPilot fresh = p;
    p.DayAssignment[static_cast<size_t>(day)] = pair;
    q.TakeInstance(day);
    CheckBlock(doc, crew);

    std::vector<WhyReason> reasons;
    bool newFlag = false;
    for (int d = 0; d <= doc.DayCount + 5 && d < model::kDayCells; ++d)
        if (p.DayIllegal[static_cast<size_t>(d)] && !fresh.DayIllegal[static_cast<size_t>(d)]) newFlag = true;
    if (newFlag) {
        reasons = BlockCheckReasons(fresh.IllegalText, p.IllegalText, fresh.RuleLog, p.RuleLog);
        if (reasons.empty()) reasons.push_back({WhyKind::BlockCheck, "block check"});
    }

    p = saved;
    q.DayStatus[static_cast<size_t>(day)] = status;
    for (int c = 0; c < doc.CrewCount; ++c) doc.Crew[static_cast<size_t>(c)].RulesChecked = checked[static_cast<size_t>(c)];
    return reasons;
}

}  // namespace

DayMarks DaysAskedOff(const Document& doc, int crew) {
    DayMarks off{};
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    for (size_t d = 0; d < off.size(); ++d) off[d] = p.DayFlagA[d] > 0;
    if (doc.IsFlightAttendants() || p.BidText.empty()) return off;
    const bids::GuessedBid bid = bids::GuessBid(doc, p.BidText);
    for (const auto& request : bid.days)
        for (int dayOfMonth : request)
            for (int d = 0; d < doc.DayCount && d < model::kDayCells; ++d)
                if (doc.DayDate[static_cast<size_t>(d)].day == dayOfMonth) off[static_cast<size_t>(d)] = true;
    return off;
}

int LastCoveredDay(const TPair& q, int day) {
    const int32_t release = day * kMinutesPerDay + q.ReportTime + q.Tafb;
    // A release at midnight leaves the next day free.
    return std::max(day, (release - 1) / kMinutesPerDay);
}

std::string TwoCaptainConflict(const Document& doc, int crew, int pair, int day) {
    if (doc.CrewGroup != model::kCaptains) return {};
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (p.LanguageBits <= 0) return {};
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];
    const bool copy = pair > doc.LastLoadedPairIndex;
    std::string finding;
    for (int c = 0; c < doc.CrewCount; ++c) {
        if (c == crew) continue;
        const TPilot& m = doc.Crew[static_cast<size_t>(c)];
        const int32_t held = m.DayAssignment[static_cast<size_t>(day)];
        if (held < 0 || held > doc.LastPairIndex || m.LanguageBits <= 0 || m.EmployeeNumber == -1) continue;
        // The other captain of the same trip that day: a copy pairs with a base pairing and back.
        const bool heldCopy = held > doc.LastLoadedPairIndex;
        if (heldCopy == copy || doc.Pairings[static_cast<size_t>(held)].PairNumber != q.PairNumber) continue;
        if ((p.LanguageBits & 1) && (m.LanguageBits & 1)) finding = "Both 60 on 2 Capt Pair";
        if ((p.LanguageBits & 2) && (m.LanguageBits & 2)) finding = "Both MED on 2 Capt Pair";
    }
    return finding;
}

std::vector<WhyReason> BlockCheckReasons(const std::string& illegalBefore, const std::string& illegalAfter,
                                         const std::string& ruleLogBefore, const std::string& ruleLogAfter) {
    const auto before = SplitByHeadings(illegalBefore);
    std::vector<WhyReason> reasons;
    for (const auto& entry : SplitByHeadings(illegalAfter)) {
        const auto& [heading, part] = entry;
        const bool known =
            std::any_of(before.begin(), before.end(), [&entry](const auto& b) { return b.second == entry.second; });
        if (known) continue;
        std::string text = Trim(heading);
        if (heading == kDutyRulesHeading) {
            const std::vector<std::string> fails = NewRuleFailures(ruleLogBefore, ruleLogAfter);
            for (size_t i = 0; i < fails.size(); ++i) text += (i == 0 ? ": " : ", ") + fails[i];
        }
        const WhyReason reason{WhyKind::BlockCheck, text};
        if (std::find(reasons.begin(), reasons.end(), reason) == reasons.end()) reasons.push_back(reason);
    }
    return reasons;
}

std::vector<WhyReason> WhyNot(Document& doc, int crew, int pair, int day, const WhyNotOptions& options) {
    std::vector<WhyReason> reasons;
    if (!ValidInstance(doc, crew, pair, day)) return {{WhyKind::NotOperating, "pairing not operating that day"}};
    auto add = [&](WhyKind kind, std::string text) {
        reasons.push_back({kind, std::move(text)});
        return options.stopAtFirst;
    };
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    const TPair& q = doc.Pairings[static_cast<size_t>(pair)];

    if (p.EmployeeNumber == -1 && add(WhyKind::PseudoLine, "not a crew member's line")) return reasons;
    if (p.BidsReserve && add(WhyKind::BidsReserve, "bid reserve")) return reasons;
    if (p.ReserveLine && add(WhyKind::ReserveLine, "reserve line")) return reasons;
    if (p.BlockComplete == 1 && add(WhyKind::BlockComplete, "block complete")) return reasons;
    if (!q.Operates(day)) {
        add(WhyKind::NotOperating, "pairing not operating that day");
        return reasons;
    }
    if (!q.IsOpen(day)) {
        add(WhyKind::AlreadyTaken, "pairing already assigned");
        return reasons;
    }

    bool placeable = true;
    const int last = std::min(LastCoveredDay(q, day), model::kDayCells - 1);
    const DayMarks off = options.daysOff ? *options.daysOff : DaysAskedOff(doc, crew);
    bool notFree = false, locked = false, dayOff = false;
    for (int d = day; d <= last; ++d) {
        notFree |= p.DayAssignment[static_cast<size_t>(d)] != model::kDayEmpty;
        locked |= p.DayLocked[static_cast<size_t>(d)] != 0;
        dayOff |= off[static_cast<size_t>(d)];
    }
    if (notFree) {
        placeable = false;
        if (add(WhyKind::NotFree, "not free")) return reasons;
    }
    if (locked && add(WhyKind::Locked, "day locked")) return reasons;
    if (dayOff && add(WhyKind::DayOffRequest, "day-off request")) return reasons;
    if (options.creditRange && p.CreditTotal() + InstanceCredit(doc, q, day) > doc.EffectiveMaxBlock(p) &&
        add(WhyKind::OverMaximum, "block over the maximum"))
        return reasons;

    if (placeable) {
        const RestJudgement rest = JudgeAssignRest(doc, crew, pair, day);
        if (rest.shortBefore && add(WhyKind::RestBefore, "rest before")) return reasons;
        if (rest.shortAfter && add(WhyKind::RestAfter, "rest after")) return reasons;
        if (rest.Refused()) placeable = false;
        if (placeable && !TrialRestWalkHolds(doc, crew, pair, day)) {
            placeable = false;
            if (add(WhyKind::RestWalk, "rest")) return reasons;
        }
        if (placeable && options.shortRestRefuses && p.EmployeeNumber > 0 && rest.Asks() &&
            add(WhyKind::ShortRest, "short rest:" + rest.before + rest.after))
            return reasons;
    }
    if (doc.IsFlightAttendants() && !JudgeFrenchCabin(doc, crew, pair, day).passes &&
        add(WhyKind::French, "French: no French cabin member"))
        return reasons;
    if (const std::string both = TwoCaptainConflict(doc, crew, pair, day); !both.empty() &&
                                                                           add(WhyKind::TwoCaptains, both))
        return reasons;
    if (placeable && p.EmployeeNumber != -1) {
        for (WhyReason& r : TrialBlockReasons(doc, crew, pair, day)) {
            reasons.push_back(std::move(r));
            if (options.stopAtFirst) return reasons;
        }
    }
    return reasons;
}

}  // namespace lw::rules
