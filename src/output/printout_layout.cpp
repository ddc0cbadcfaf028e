#include "output/printout_layout.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "base/time_text.h"
#include "output/block_text.h"
#include "output/pairing_reports.h"
#include "output/selected_blocks_text.h"

namespace lw::output {

namespace {

using blocktext::Printf;

constexpr std::array<std::string_view, 9> kWholeMonthLeave = {"LOA", "PSD", "UTF", "MAT", "MED",
                                                               "WCB", "LTD", "PWC", "MOD"};
// Cabin leave kinds the planner's printout shows as plain leave.
constexpr std::array<std::string_view, 7> kCabinLeaveAsLoa = {"PSD", "MED", "WCB", "LTD", "MOD", "PWC", "SCK"};

template <size_t N>
bool OneOf(const std::array<std::string_view, N>& codes, const std::string& code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool OnLeaveAllMonth(const model::Document& doc, const model::TPilot& p) {
    const int days = blocktext::MonthDayCount(doc);
    for (int d = 0; d < days; ++d) {
        const auto day = static_cast<size_t>(d);
        if (p.DayAssignment[day] != model::kDayActivity || !OneOf(kWholeMonthLeave, p.DayCode[day])) return false;
    }
    return days > 0;
}

std::vector<DayHeading> DayRuler(const model::Document& doc, int days) {
    std::vector<DayHeading> ruler;
    for (int d = 0; d < days; ++d) {
        DayHeading h;
        h.number = Printf("%02d", doc.DateOf(d).Day());
        h.weekday = blocktext::WeekdayText(doc, d);
        const int weekday = doc.DateOf(d).Weekday();
        h.line = weekday == 0 ? DayLine::None : (weekday == 6 || weekday == 1) ? DayLine::Dotted : DayLine::Solid;
        ruler.push_back(h);
    }
    return ruler;
}

const model::TPair* PairAt(const model::Document& doc, int32_t index) {
    if (index < 0 || index > doc.LastPairIndex || index >= static_cast<int32_t>(doc.Pairings.size())) return nullptr;
    return &doc.Pairings[static_cast<size_t>(index)];
}

// The last two letters of each three-letter layover station.
std::vector<std::string> LayoverLetters(const std::string& layovers, size_t keep) {
    std::vector<std::string> out;
    for (size_t at = 0; at + 3 <= layovers.size(); at += 3) out.push_back(layovers.substr(at + 3 - keep, keep));
    return out;
}

BlockRow CrewRow(const model::Document& doc, int crew, int printed, bool printXes) {
    const model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    const bool cabin = doc.IsFlightAttendants();
    const int days = blocktext::MonthDayCount(doc);
    BlockRow row;
    row.crew = crew;
    row.label = Printf("%d %-9s", cabin ? crew + 1 : printed, p.Name.substr(0, 9).c_str());
    int32_t block = p.CreditTotal();
    for (int d = 0; d < days; ++d)
        if (p.DayAssignment[static_cast<size_t>(d)] == model::kDayActivity && p.DayCode[static_cast<size_t>(d)] == "VAU")
            block -= cabin ? 170 : 240;
    block = std::max(block, 0);
    const int32_t carried = p.CreditCarriedIn + p.DraftCredits + p.ExtraCredits;
    row.credit = Printf("%02d:%02d %d:%02d", block / 60, block % 60, carried / 60, std::abs(carried % 60));
    if (p.LegalCheckIn > 660) row.carryInWidth = static_cast<int>((int64_t{p.LegalCheckIn} - 660) * kBlockColumn / base::kMinutesPerDay);

    row.days.resize(static_cast<size_t>(days));
    for (int d = 0; d < days; ++d) {
        const auto day = static_cast<size_t>(d);
        BlockCell& cell = row.days[day];
        if (printXes) cell.request = RequestCodeText(p.DayFlagA[day]);
        const int32_t a = p.DayAssignment[day];
        if (a == model::kDayActivity) {
            cell.text = cabin && OneOf(kCabinLeaveAsLoa, p.DayCode[day]) ? "LOA" : p.DayCode[day];
            continue;
        }
        const model::TPair* q = PairAt(doc, a);
        if (q == nullptr) continue;
        cell.text = Printf("%04d", q->PairNumber);
        cell.dottedUnderline = cabin && q->PairType == "PU";
        if (q->LateRelease) {
            if (d + 1 < days && p.DayAssignment[day + 1] == model::kDayEmpty) row.days[day + 1].lateStroke = true;
        } else if (q->PairLength > 1) {
            const std::vector<std::string> stations = LayoverLetters(q->Layovers, 2);
            for (size_t k = 0; k < stations.size() && d + 1 + static_cast<int>(k) < days; ++k)
                row.days[day + 1 + k].text = stations[k];
        }
    }
    return row;
}

}  // namespace

DraftQuestion BlockDraftQuestion(const model::Document& doc) {
    if (doc.IsFlightAttendants())
        return {"Is this a DRAFT Printout of the Currently Displayed Blocks", "Print ONLY Displayed Blocks"};
    return {"Is this a DRAFT Printout", "Linewright - Print Blocks"};
}

std::vector<int> BlockPrintRows(const model::Document& doc, const std::vector<int>& displayed) {
    if (doc.IsFlightAttendants()) return displayed;
    std::vector<int> rows;
    for (int c = 0; c < doc.CrewCount && c < static_cast<int>(doc.Crew.size()); ++c)
        if (!OnLeaveAllMonth(doc, doc.Crew[static_cast<size_t>(c)])) rows.push_back(c);
    return rows;
}

int BlockPageCount(int rows, int mostOpen) { return (mostOpen / 3 + rows + 1) / kBlockRowsPerPage + 1; }

BlockPrintout LayoutBlockPrintout(const model::Document& doc, const std::vector<int>& rows, bool draft, bool printXes) {
    const int days = blocktext::MonthDayCount(doc);
    BlockPrintout out;
    out.days = DayRuler(doc, days);
    out.reserves.assign(static_cast<size_t>(days), 0);
    out.open.resize(static_cast<size_t>(days));
    for (int c = 0; c < doc.CrewCount && c < static_cast<int>(doc.Crew.size()); ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < days; ++d)
            if (p.DayAssignment[static_cast<size_t>(d)] == model::kDayActivity &&
                p.DayActivity[static_cast<size_t>(d)][model::kActReserve] != 0)
                ++out.reserves[static_cast<size_t>(d)];
    }
    size_t mostOpen = 0;
    for (int i = 0; i <= doc.LastPairIndex && i < static_cast<int>(doc.Pairings.size()); ++i) {
        const model::TPair& q = doc.Pairings[static_cast<size_t>(i)];
        for (int d = 0; d < days; ++d)
            if (std::abs(q.DayStatus[static_cast<size_t>(d)]) == 1) {
                out.open[static_cast<size_t>(d)].push_back(Printf("%04d", q.PairNumber));
                mostOpen = std::max(mostOpen, out.open[static_cast<size_t>(d)].size());
            }
    }

    const int pages = BlockPageCount(static_cast<int>(rows.size()), static_cast<int>(mostOpen));
    const std::string file = std::filesystem::path(doc.CurrentFileName).filename().string();
    const std::string month = doc.MonthTitleText(), year = doc.YearTitleText();
    for (int page = 1; page <= pages; ++page) {
        BlockPage sheet;
        sheet.header = draft ? Printf("*** %s %s DRAFT COPY *** Page %d %s", month.c_str(), year.c_str(), page, file.c_str())
                             : Printf("Linewright %s %s FINAL. Page %d %s", month.c_str(), year.c_str(), page, file.c_str());
        out.pages.push_back(sheet);
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const size_t page = std::min(r / kBlockRowsPerPage, out.pages.size() - 1);
        out.pages[page].rows.push_back(CrewRow(doc, rows[r], static_cast<int>(r) + 1, printXes));
    }
    out.summaryY = kBlockFirstRowY + static_cast<int>(out.pages.back().rows.size()) * kBlockRowHeight;
    return out;
}

std::string StarMark(int category) { return std::string(static_cast<size_t>(std::clamp(category, 0, 3) + 1), '*'); }

PairsPrintout LayoutPairsPrintout(const model::Document& doc, const rules::PairingsLayout& layout) {
    PairsPrintout out;
    out.days = DayRuler(doc, blocktext::MonthDayCount(doc));
    const int pages = std::max(1, (layout.rowCount + kPairsRowsPerPage - 1) / kPairsRowsPerPage);
    const std::string file = std::filesystem::path(doc.CurrentFileName).filename().string();
    const std::string average = AveragePairingCreditText(doc);
    for (int page = 1; page <= pages; ++page) {
        PairsPage sheet;
        sheet.header = {
            Printf("Linewright Visual Pairings. %s %s  Quick Reference Only. See Pairings", doc.MonthTitleText().c_str(),
                   doc.YearTitleText().c_str()),
            Printf("Avg Pair Credit %s per/day.  File %s  Page %d", average.c_str(), file.c_str(), page),
            std::string("Pairings are sorted in order of length, followed by continious duties.") +
                " Pairings are then sub sorted by checkin time, from early to late. ",
            std::string("Stars below the pairing number indicate credit hours per day. ") +
                "* 4-5 hrs/day  ** 5-6 hrs/day  *** 6-7 hrs/day  **** 7 or more hrs/day.",
        };
        for (int row = (page - 1) * kPairsRowsPerPage; row < std::min(layout.rowCount, page * kPairsRowsPerPage); ++row) {
            std::vector<PairsCell> cells;
            for (int column = 0; column < kPairsColumns; ++column) {
                const model::TPair* q = PairAt(doc, layout.Cell(column, row));
                if (q == nullptr) continue;
                const size_t index = static_cast<size_t>(layout.Cell(column, row));
                const int category = index < layout.category.size() ? layout.category[index] : 0;
                cells.push_back({column, Printf("%03d", q->PairNumber), StarMark(category)});
                if (q->LateRelease) {
                    if (column + 1 < kPairsColumns) cells.push_back({column + 1, "--", ""});
                } else if (q->WorkDays > 1) {
                    const std::vector<std::string> stations = LayoverLetters(q->Layovers, 2);
                    for (size_t k = 0; k < stations.size() && column + 1 + static_cast<int>(k) < kPairsColumns; ++k)
                        cells.push_back({column + 1 + static_cast<int>(k), stations[k], ""});
                }
            }
            sheet.rows.push_back(cells);
        }
        out.pages.push_back(sheet);
    }
    return out;
}

}  // namespace lw::output
