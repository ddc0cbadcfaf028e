#include "output/pairing_reports.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/time_text.h"

namespace lw::output {

using model::Document;
using model::TPair;

namespace {

template <typename... V>
std::string Format(const char* format, V... values) {
    char buf[512];
    std::snprintf(buf, sizeof buf, format, values...);
    return buf;
}

int MonthDays(const Document& doc) { return std::clamp(doc.DayCount, 0, model::kMonthDays); }
int TripDays(const TPair& q) { return std::clamp<int>(q.PairLength, 0, model::kMonthDays); }

// Sum of one per-trip-day figure over the trip's days that fall inside the month.
int32_t InsideMonth(const Document& doc, const model::MonthArray& daily, int day, int length) {
    int32_t sum = 0;
    for (int k = 0; k < length && day + k < doc.DayCount; ++k) sum += daily[static_cast<size_t>(k)];
    return sum;
}

struct PairingTotals {
    int32_t running = 0;  // month credit only: carry-over stays out
    int32_t grand = 0;    // every instance's whole credit
};

// "Pair %04d  Credit %s  Hard %s  <oper> %02d  <running> %d:%02d" for every pairing in table order.
std::vector<std::string> PairingLines(const Document& doc, const char* operLabel, const char* runningLabel,
                                      PairingTotals& totals) {
    std::vector<std::string> lines;
    const std::string format =
        std::string("Pair %04d  Credit %s  Hard %s  ") + operLabel + " %02d  " + runningLabel + " %d:%02d";
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        int oper = 0;
        for (int d = 0; d < MonthDays(doc); ++d) {
            if (q.DayStatus[static_cast<size_t>(d)] == 0) continue;
            ++oper;
            totals.running += MonthCredit(doc, q, d);
            totals.grand += q.TotalCredit;
        }
        int32_t hard = 0;
        for (int k = 0; k < TripDays(q); ++k) hard += q.DailyHardTime[static_cast<size_t>(k)];
        lines.push_back(Format(format.c_str(), q.PairNumber, base::FormatTime(q.TotalCredit).c_str(),
                               base::FormatTime(hard).c_str(), oper, totals.running / 60, totals.running % 60));
    }
    return lines;
}

std::string ReportTitle(const Document& doc) {
    return Format("Pairing Report for %s %s Carry Over Removed from Running Total", doc.MonthTitleText().c_str(),
                  doc.YearTitleText().c_str());
}

std::string GrandTotalLine(const PairingTotals& totals) {
    return Format("Total Hours including Carry Over %d:%02d", totals.grand / 60, totals.grand % 60);
}

}  // namespace

int32_t MonthCredit(const Document& doc, const TPair& q, int day) {
    if (day + q.PairLength > doc.DayCount) return InsideMonth(doc, q.DailyCredit, day, TripDays(q));
    return q.TotalCredit;
}

int32_t MonthHardTime(const Document& doc, const TPair& q, int day) {
    // A trip inside the month has all its days inside, so one sum serves both cases.
    return InsideMonth(doc, q.DailyHardTime, day, TripDays(q));
}

int OperatingDays(const Document& doc, const TPair& q) {
    int count = 0;
    for (int d = 0; d < MonthDays(doc); ++d) count += q.DayStatus[static_cast<size_t>(d)] != 0 ? 1 : 0;
    return count;
}

std::string AveragePairingCreditText(const Document& doc) {
    int64_t credit = 0, days = 0;
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        const int oper = OperatingDays(doc, q);
        credit += int64_t{q.TotalCredit} * oper;
        days += int64_t{q.PairLength} * oper;
    }
    const int64_t average = days > 0 ? credit / days : 0;
    return Format("%d:%02d", static_cast<int>(average / 60), static_cast<int>(average % 60));
}

OpenHours HoursInOpen(const Document& doc) {
    OpenHours h;
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        for (int d = 0; d < MonthDays(doc); ++d) {
            const int32_t status = q.DayStatus[static_cast<size_t>(d)];
            if (status == 0) continue;
            const int32_t credit = MonthCredit(doc, q, d);
            h.operating += credit;
            if (std::abs(status) == 1) h.open += credit;
        }
    }
    h.text = Format("%04d:%02d", h.open / 60, h.open % 60);
    h.gaugeValue = h.open / 1000;
    h.gaugeRange = h.operating / 1000;
    return h;
}

std::vector<std::string> PairingWarningsReport(Document& doc) {
    std::vector<std::string> lines;
    lines.push_back(Format("Number of Pairings %d  Average Pairing Credit per day is %s", doc.LastPairIndex + 1,
                           AveragePairingCreditText(doc).c_str()));
    lines.insert(lines.end(), {"", "====== Pairing Warnings Report ======", ""});
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        TPair& q = doc.Pairings[static_cast<size_t>(i)];
        if (!q.Validate(doc.DayCount)) lines.push_back(Format("Pair %04d  %s", q.PairNumber, q.ValidationText.c_str()));
    }
    lines.insert(lines.end(), {"", "====== End of Pairing Warnings ======", "", "====== Begin Pairing Report ======",
                               ReportTitle(doc)});
    PairingTotals totals;
    for (std::string& line : PairingLines(doc, "OPER", "Running Total", totals)) lines.push_back(std::move(line));
    lines.push_back(GrandTotalLine(totals));
    return lines;
}

void ShowPairingReport(Document& doc, platform::Interaction& ui) { ShowEditablePairingReport(doc, ui, nullptr); }

void ShowEditablePairingReport(Document& doc, platform::Interaction& ui, const PairingOpener& openPairing) {
    platform::ListOptions options;
    options.hint = kPairingReportHint;
    options.copyButton = false;  // "=" and the Print menu copy the report with its occurrence table
    options.helpText =
        "The pairing warnings list every pairing that failed its checks, with the reason. The pairing report "
        "then gives each pairing's credit, hard time, the days it operates (OPER) and the running total of "
        "credit inside the month; the last line adds the credit carried into next month.\n\n"
        "Double-click a pairing line to open that pairing in the pairing editor.";
    if (openPairing)
        options.onDoubleClick = [&doc, &ui, &openPairing](std::string_view line) -> std::optional<std::vector<std::string>> {
            const int pair = PairingForReportLine(doc, line);
            if (pair < 0) {
                ui.Beep();
                return std::nullopt;
            }
            openPairing(pair);
            return PairingWarningsReport(doc);
        };
    ui.ShowList(kPairingReportTitle, PairingWarningsReport(doc), options);
}

int PairingForReportLine(const Document& doc, std::string_view line) {
    // Only "Pair 0123 ..." lines name a pairing; headings and totals do not.
    if (line.size() < 6 || line.substr(0, 5) != "Pair " || line[5] < '0' || line[5] > '9') return -1;
    const int32_t number = base::LeadingInt(line.substr(5));
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i)
        if (doc.Pairings[static_cast<size_t>(i)].PairNumber == number) return i;
    return -1;
}

int OccurrenceColumn(const TPair& q) {
    // Work days and the late-release mark are not kept in the file: judge them from the trip's
    // own times as validation does, so a month just opened counts the same as one just built.
    const int workDays = q.ReleaseTime < 120 && q.PairLength > 1 ? q.PairLength - 1 : q.PairLength;
    const bool lateRelease =
        q.LateRelease || (q.Tafb < 900 && q.ReleaseTime < q.ReportTime && q.ReleaseTime >= 120);
    if (workDays <= 0) return -1;
    if (workDays == 2 && lateRelease) return 6;
    return workDays - 1 > 5 ? 7 : workDays - 1;
}

std::vector<OccurrenceRow> OccurrenceCounts(const Document& doc) {
    std::vector<OccurrenceRow> rows(static_cast<size_t>(MonthDays(doc)), OccurrenceRow{});
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        const int column = OccurrenceColumn(q);
        if (column < 0) continue;
        for (int d = 0; d < MonthDays(doc); ++d)
            if (q.DayStatus[static_cast<size_t>(d)] > 0) ++rows[static_cast<size_t>(d)][static_cast<size_t>(column)];
    }
    return rows;
}

std::string PairingReportClipboardText(const Document& doc) {
    std::vector<std::string> lines = {ReportTitle(doc), ""};
    PairingTotals totals;
    for (std::string& line : PairingLines(doc, "OP", "RT", totals)) lines.push_back(std::move(line));
    lines.insert(lines.end(), {"", GrandTotalLine(totals), "", "", "Pairing Occurances Report", "", "",
                               "        One    Two    Three  Four   Five   Six    C/D    Seven+"});
    const std::vector<OccurrenceRow> counts = OccurrenceCounts(doc);
    for (size_t d = 0; d < counts.size(); ++d) {
        std::string row = Format(" %02d %2s  ", doc.DayDate[d].day, doc.DayLabel[d].data());
        for (int count : counts[d]) row += Format("%3d    ", count);
        lines.push_back(std::move(row));
    }
    lines.push_back("");
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text + "\n\n" + doc.DocTexts[model::kCityPairSummaryText];
}

void CopyPairingReport(const Document& doc, platform::Interaction& ui) {
    ui.SetClipboard(PairingReportClipboardText(doc));
    ui.Message("Pairing Report Copied to Windows Clipboard. To view select Edit, Paste from your Word Processing "
               "program.",
               "Linewright");
}

}  // namespace lw::output
