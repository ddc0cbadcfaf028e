#include "output/csv_publish.h"

#include <climits>

#include "base/time_text.h"
#include "output/block_text.h"

namespace lw::output {

using model::Document;
using model::TPilot;
using namespace blocktext;

namespace {

std::string Employee(const TPilot& p) { return Printf("%ld", static_cast<long>(p.EmployeeNumber)); }

// The day code right-justified in three, as the tracking system lines its codes up.
std::string PaddedCode(const TPilot& p, int d) {
    return CsvField(Printf("%3s", p.DayCode[static_cast<size_t>(d)].c_str()));
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string BlockListCsv(const Document& doc) {
    std::string out = doc.MonthTitleText() + "," + doc.YearTitleText() + kEnd;
    const int days = MonthDayCount(doc);
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        out += CsvField(p.Name) + "," + Employee(p);
        for (int d = 0; d < days; ++d) {
            const std::string date = DateDigits(doc.DayDate[static_cast<size_t>(d)], "%04d-%02d-%02d");
            if (const model::TPair* q = PairOn(doc, p, d))
                out += Printf(",%04d,", q->PairNumber) + date;
            else if (IsActivity(p, d))
                out += "," + PaddedCode(p, d) + "," + date;
        }
        out += kEnd;
    }
    return out;
}

std::string MonthLayoutCsv(const Document& doc) {
    const int days = MonthDayCount(doc);
    std::string out = "Name,Emp Num,";
    for (int d = 0; d < days; ++d)
        out += (d ? "," : "") + DateDigits(doc.DayDate[static_cast<size_t>(d)], "%04d-%02d-%02d");
    out += kEnd;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        out += CsvField(p.Name) + "," + Employee(p) + ",";
        for (int d = 0; d < days; ++d) {
            if (d) out += ",";
            if (const model::TPair* q = PairOn(doc, p, d))
                out += q->Designation();
            else if (IsActivity(p, d))
                out += PaddedCode(p, d);
        }
        out += kEnd;
    }
    return out + kEnd;
}

std::string PlannedAbsencesCsv(const Document& doc) {
    const int days = MonthDayCount(doc);
    const size_t last = static_cast<size_t>(days > 0 ? days - 1 : 0);
    std::string out = "CNTL," + DateDigits(doc.DayDate[0]) + "," + DateDigits(doc.DayDate[last]) + ",PILOT," + kEnd;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < days; ++d) {
            if (!IsActivity(p, d)) continue;
            const model::DayValues& a = p.DayActivity[static_cast<size_t>(d)];
            const int32_t start = a[model::kActStart];
            int64_t end = int64_t{start} + a[model::kActDuration];
            size_t endDay = static_cast<size_t>(d);
            // Work past midnight ends on the next day's date, even the day after the month.
            if (end > base::kMinutesPerDay) {
                end -= base::kMinutesPerDay;
                ++endDay;
            }
            const int32_t endTime = static_cast<int32_t>(std::clamp<int64_t>(end, INT32_MIN, INT32_MAX));
            out += Employee(p) + "," + CsvField(p.DayCode[static_cast<size_t>(d)]) + "," +
                   DateDigits(doc.DayDate[static_cast<size_t>(d)]) + "," +
                   Printf("%4s", base::FormatTime(start, false, false).c_str()) + "," +
                   DateDigits(doc.DayDate[endDay]) + "," + Printf("%4s", base::FormatTime(endTime, false, false).c_str()) +
                   kEnd;
        }
    }
    return out;
}

}  // namespace lw::output
