// Pilot consecutive days, reserve type mix, check-pilot credit and the pairing-text checks.
#include <algorithm>
#include <array>

#include "base/time_text.h"
#include "rules/check_support.h"
#include "model/blocking_rules.h"

namespace lw::rules::blockcheck {

namespace {

constexpr int kWorked = 1;
constexpr int kReserveDay = 2;

enum class Family { None, A, B, E };

bool InList(std::string_view code, std::initializer_list<std::string_view> list) {
    const std::string_view c = Trimmed(code);
    for (std::string_view entry : list)
        if (c == Trimmed(entry)) return true;
    return false;
}

Family LastMonthFamily(std::string_view code, bool narrowB) {
    if (narrowB ? InList(code, {"RB ", "RSB"}) : InList(code, {"RB ", "RSB", "BR ", "LRB"})) return Family::B;
    if (InList(code, {"RA ", "RSA", "AR ", "LRA"})) return Family::A;
    if (InList(code, {"RE ", "RSE", "ER ", "LRE"})) return Family::E;
    return Family::None;
}

// Writes the consecutive-days list: the two last days of last month with their month, the
// days of the month, and a marker once the list reaches the days after the month.
// `fromLastMonth` is set when the run carries on from last month (the " <- " link).
void AppendRunDays(const Document& doc, std::string& out, bool& fromLastMonth, const std::array<bool, 70>& flagged) {
    for (int w = 29; w < 70; ++w) {
        if (!flagged[static_cast<size_t>(w)]) continue;
        if (w < kMonthOffset) {
            const base::CalendarDate date = DateOfDay(doc, w);
            out += w == 29 ? " " : " <- ";
            if (w != 29) fromLastMonth = true;
            AppendNumber(out, date.day);
            out += ' ';
            out += base::MonthLabel(date.month);
            out += ' ';
        } else if (w >= doc.DayCount + kMonthOffset) {
            // From the first day after the month on: " %d" would read as a day of this month.
            out += " NextMonth.";
            break;
        } else {
            AppendDay(out, DayOfMonth(doc, w - kMonthOffset));
        }
    }
}

}  // namespace

void CheckPilotConsecutiveDays(Document& doc, TPilot& p) {
    std::array<int8_t, model::kExtendedDays> mark{};
    auto set = [&mark](int w, int8_t value) {
        if (w >= 0 && w <= kLastExtendedDay) mark[static_cast<size_t>(w)] = value;
    };
    for (int w = 24; w <= 37; ++w) {
        const int32_t worked = PrevDay(p, w)[model::kPrevWorked];
        if (worked == kWorked || worked == kReserveDay) set(w, static_cast<int8_t>(worked));
    }
    for (int d = 0; d <= kLastDayCell; ++d) {
        const int w = d + kMonthOffset;
        if (const TPair* q = PairOn(doc, p, d)) {
            for (int k = 0; k < WorkedDays(*q); ++k) set(w + k, kWorked);
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            if (a[model::kActReserve] != 0) {
                set(w, kReserveDay);
                // A reserve reaching past 02:00 next morning takes that day too.
                if (a[model::kActStart] + a[model::kActDuration] > 1560) set(w + 1, kReserveDay);
            } else if (a[model::kActContainsDuty] != 0) {
                set(w, kWorked);
            }
        }
    }
    auto at = [&mark](int w) { return w >= 0 && w <= kLastExtendedDay ? mark[static_cast<size_t>(w)] : int8_t{0}; };

    std::array<bool, 70> warned{}, illegal{};
    int run = 0;
    for (int w = 24; w <= 69; ++w) {
        run = at(w) != 0 ? run + 1 : 0;
        if (run > 6) {
            warned[static_cast<size_t>(w)] = true;
            if (w >= kMonthOffset) run = 0;
        }
    }
    const int monthEnd = doc.DayCount + kMonthOffset;
    int reserveRun = 0;
    for (int w = 24; w <= 61; ++w) {
        reserveRun = at(w) == kReserveDay ? reserveRun + 1 : 0;
        if (reserveRun == 5 || reserveRun == 6) {
            const int first = w - reserveRun + 1;
            if (at(w + 1) || at(w + 2) || at(first - 1) || at(first - 2)) warned[static_cast<size_t>(w + 1)] = true;
        }
        if (reserveRun > 7) {
            illegal[static_cast<size_t>(w)] = true;
            if (w >= kMonthOffset && w < monthEnd) reserveRun = 0;
        }
    }
    bool anyWarned = false, anyIllegal = false;
    for (int w = 29; w < 70; ++w) {
        const size_t i = static_cast<size_t>(w);
        anyWarned |= warned[i];
        anyIllegal |= illegal[i];
        if (w >= kMonthOffset && warned[i]) Flag(p.DayWarning, w - kMonthOffset);
        if (w >= kMonthOffset && illegal[i]) Flag(p.DayIllegal, w - kMonthOffset);
    }
    if (anyWarned) {
        p.WarningText += " Con Days On";
        AppendRunDays(doc, p.WarningText, p.WarningRunFromLastMonth, warned);
    }
    if (anyIllegal) {
        p.IllegalText += " Con Days On";
        AppendRunDays(doc, p.IllegalText, p.IllegalRunFromLastMonth, illegal);
    }
}

void CheckReserveMix(Document& doc, TPilot& p) {
    Family family = Family::None;
    int gap = 0;
    const auto& text = p.DayText;
    if (Family f = LastMonthFamily(text[30], true); f != Family::None) {
        family = f;
        gap = 0;
    } else if (Family g = LastMonthFamily(text[29], false); g != Family::None) {
        family = g;
        gap = 1;
    } else if (LastMonthFamily(text[28], false) == Family::B) {
        family = Family::B;
        gap = 2;
    }
    std::string days;
    for (int d = 0; d < doc.DayCount; ++d) {
        const std::string_view code =
            IsActivity(p, d) ? std::string_view(p.DayExtractCode[static_cast<size_t>(d)]) : std::string_view();
        bool flagged = false;
        if (StartsWith(code, "RA") || StartsWith(code, "AR")) {
            flagged = family == Family::B && gap < 2;
            family = Family::A;
            gap = 0;
        } else if (StartsWith(code, "RB") || StartsWith(code, "BR")) {
            flagged = (family == Family::A || family == Family::E) && gap < 2;
            family = Family::B;
            gap = 0;
        } else if (StartsWith(code, "RE") || StartsWith(code, "ER")) {
            flagged = (family == Family::A && gap == 0) || (family == Family::B && gap < 2);
            family = Family::E;
            gap = 0;
        } else {
            ++gap;
        }
        if (flagged) {
            AppendDay(days, DayOfMonth(doc, d));
            Flag(p.DayIllegal, d);
        }
    }
    if (!days.empty()) p.IllegalText += " RA RB RE Mix On" + days;
}

void CheckCheckPilotCredit(Document& doc, TPilot& p) {
    const int32_t limit = doc.CheckPilotMax > 0 ? doc.CheckPilotMax : model::blocking::kCheckPilotMax;
    int32_t credit = p.CreditCarriedIn;
    for (int d = 0; d < doc.DayCount; ++d) {
        const TPair* q = PairOn(doc, p, d);
        if (!q) continue;
        if (d + q->PairLength > doc.DayCount) {
            for (int k = 0; d + k < doc.DayCount && k < model::kMonthDays; ++k) credit += q->DailyCredit[static_cast<size_t>(k)];
        } else {
            credit += q->TotalCredit;
        }
    }
    if (credit > limit) p.IllegalText += "Check Pilot Pair Credit > " + base::FormatTime(limit);
}

void CheckPairTextDays(Document& doc, TPilot& p, std::string_view marker, std::string_view heading) {
    bool headed = false;
    for (int d = 0; d < doc.DayCount; ++d) {
        const TPair* q = PairOn(doc, p, d);
        if (!q || q->PairText.find(marker) == std::string::npos) continue;
        if (!headed) p.IllegalText += heading;
        headed = true;
        AppendDay(p.IllegalText, DayOfMonth(doc, d));
        Flag(p.DayIllegal, d);
    }
}

}  // namespace lw::rules::blockcheck
