#include "output/crew_lines_text.h"

#include <array>

#include "base/time_text.h"
#include "output/block_text.h"
#include "model/rest_rules.h"

namespace lw::output {

using model::Document;
using model::TPilot;
using namespace blocktext;

namespace {

constexpr size_t kLines = 5;
constexpr int kMembersPerHeader = 6;
using Column = std::array<std::string, kLines>;

const Column kCarryIn = {" C  ", " /  ", " I  ", "->  ", "->  "};
const Column kFree = {"    ", "    ", "    ", "    ", "    "};
const Column kArrow = {" -> ", " -> ", " -> ", " -> ", " -> "};

bool IsFree(const TPilot& p, int d) { return p.DayAssignment[static_cast<size_t>(d)] == model::kDayEmpty; }

// Leading days still taken by last month's work: from the legal check-in less the rest
// (an hour more for cabin crew), one day per 1440 minutes while the days are free.
int CarryInDays(const Document& doc, const TPilot& p) {
    const int days = MonthDayCount(doc);
    int64_t left = int64_t{p.LegalCheckIn} - model::MinimumRest(doc.IsFlightAttendants());
    int d = 0;
    for (; left > 0 && d < days && IsFree(p, d); ++d) left -= base::kMinutesPerDay;
    return d;
}

// Two five-character texts read downwards as pairs: " a|b".
Column Vertical(const std::string& left, const std::string& right, char firstMark = ' ') {
    Column col;
    for (size_t k = 0; k < kLines; ++k) {
        const char a = k < left.size() ? left[k] : ' ';
        const char b = k < right.size() ? right[k] : ' ';
        col[k] = std::string(1, k == 0 ? firstMark : ' ') + a + "|" + b;
    }
    return col;
}

// Three characters down the first three lines.
Column Downwards(const std::string& text) {
    Column col = kFree;
    for (size_t k = 0; k < 3; ++k) col[k] = std::string(" ") + (k < text.size() ? text[k] : ' ') + "  ";
    return col;
}

// The five lines of one member, the day columns after the labels.
Column MemberLines(const Document& doc, const TPilot& p) {
    const int32_t credit = p.CreditTotal();
    Column lines = {"IN  " + base::FormatTime(credit) + "  ", "OUT " + base::FormatTime(credit, true) + "  ",
                    Printf("OFF %02d     ", DaysOffInMonth(doc, p)), "C/I " + base::FormatTime(p.CreditCarriedIn) + "  ",
                    "DC  " + base::FormatTime(p.DraftCredits) + "  "};
    auto add = [&lines](const Column& col) {
        for (size_t k = 0; k < kLines; ++k) lines[k] += col[k];
    };
    const int days = MonthDayCount(doc);
    int d = 0;
    for (const int carried = CarryInDays(doc, p); d < carried; ++d) add(kCarryIn);
    while (d < days) {
        if (const model::TPair* q = PairOn(doc, p, d)) {
            const bool purser = doc.IsFlightAttendants() && q->PairType == "PU";
            add(Vertical(q->Designation(), base::FormatTime(q->ReportTime), purser ? '*' : ' '));
            ++d;
            if (q->LateRelease) {
                if (d < days && IsFree(p, d)) {
                    add(kArrow);
                    ++d;
                }
                continue;
            }
            for (size_t at = 0; at < q->Layovers.size() && d < days && IsFree(p, d); at += 3, ++d)
                add(Downwards(Printf("%3s", q->Layovers.substr(at, 3).c_str())));
        } else if (IsActivity(p, d)) {
            const std::string code = p.DayCode[static_cast<size_t>(d)] + "      ";
            const int32_t start = p.DayActivity[static_cast<size_t>(d)][model::kActStart];
            add(start > 0 ? Vertical(code, base::FormatTime(start) + "   ") : Downwards(code));
            ++d;
        } else {
            add(kFree);
            ++d;
        }
    }
    return lines;
}

}  // namespace

int DaysOffInMonth(const Document& doc, const TPilot& p) {
    const int days = MonthDayCount(doc);
    int busyUntil = CarryInDays(doc, p);  // first day not covered by earlier work
    int off = 0;
    for (int d = 0; d < days; ++d) {
        if (const model::TPair* q = PairOn(doc, p, d)) {
            busyUntil = std::max(busyUntil, d + rules::blockcheck::WorkedDays(*q));
        } else if (!IsActivity(p, d) && d >= busyUntil) {
            ++off;
        }
    }
    return off;
}

std::string CrewLinesText(const Document& doc) {
    const int days = MonthDayCount(doc);
    std::string dayRow, weekdayRow;
    for (int d = 0; d < days; ++d) {
        dayRow += Printf("%02d  ", doc.DayDate[static_cast<size_t>(d)].day);
        weekdayRow += Printf("%2s  ", WeekdayText(doc, d).c_str());
    }
    const std::string header = "Crew Lines for " + doc.MonthTitleText() + " " + doc.YearTitleText() + "  " +
                               ScheduleStem(doc) + "\n" + kEnd;
    std::string out = header;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (c >= kMembersPerHeader && c % kMembersPerHeader == 0) out += header;
        out += Printf("%-11s ", p.Name.substr(0, 11).c_str()) + " " + dayRow + kEnd;
        out += std::string(12, ' ') + weekdayRow + kEnd;
        for (const std::string& line : MemberLines(doc, p)) out += line + kEnd;
        out += kEnd;
    }
    return out;
}

void CopyCrewLines(const Document& doc, platform::Interaction& ui) {
    ui.SetClipboard(CrewLinesText(doc));
    ui.Message("Blocks copied to Windows Clipboard. To view select Edit, Paste from your Word Processing program.",
               "Linewright", platform::Icon::Information);
}

}  // namespace lw::output
