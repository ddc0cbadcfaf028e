#include "output/document_dump.h"

#include <cstdio>

namespace lw::output {

using model::Document;

const char* const kDumpFormatHelp =
    "lwtool dump FILE [--crew] [--pairings] [--history]\n"
    "\n"
    "Prints every saved field of a schedule file, one item per line, in file order.\n"
    "Without section options every section is printed; with them, the month settings and\n"
    "only the chosen sections. Times and durations are whole minutes; texts are quoted, with\n"
    "\\\\ \\\" \\n \\r \\t and \\xHH standing for other control and non-ASCII bytes.\n"
    "\n"
    "Month settings (always):\n"
    "  variant N                      0 working, 1 roster viewer, 2 schedule viewer, 3 final viewer\n"
    "  group-code \"TEXT\"  crew-group N  (0 captains, 1 first officers, 2 flight attendants)\n"
    "  start-setting N  start-weekday N  day-count N  month-number N\n"
    "  month-title \"TEXT\"  year-title \"TEXT\"  code-a \"TEXT\"  code-b \"TEXT\"\n"
    "  rules avg N max N min N days-off-holder N days-off-reserve N reduced-max N\n"
    "        reduced-min N reduced-min-days-off N check-pilot-max N extra N N N N\n"
    "  day INDEX YYYY-MM-DD LABEL weekend 0|1      one per day of the month (INDEX from 1)\n"
    "  prev-dates YYYY-MM-DD x31                   the 31 days before the month, oldest first\n"
    "  blocks-built N  show-taken-pairings 0|1  doc-value N  marked-only-view 0|1\n"
    "  windows pairings 0|1 toolbox 0|1 bids 0|1\n"
    "  counts crew N last-pair-index N last-loaded-pair-index N activities N\n"
    "  doc-flags 0|1 x10\n"
    "  doc-string INDEX \"TEXT\"   doc-text INDEX \"TEXT\"   (non-empty entries only)\n"
    "  activity INDEX code \"..\" extract \"..\" caption \"..\" start N end N credit N hard N\n"
    "           duty 0|1 cars 0|1 counts 0|1 toolbox 0|1\n"
    "\n"
    "--history:\n"
    "  history N                      number of transactions, then newest first:\n"
    "  action POS assign|remove day INDEX crew ROW pair INDEX   (0-based table indexes)\n"
    "\n"
    "--pairings (one block per pairing slot 0..last-pair-index):\n"
    "  pair INDEX number N base-eqp \"..\" type \"..\" report N release N credit N length N\n"
    "       tafb N valid 0|1 fatigue N rest-after N stamp N\n"
    "    status N x31  excluded N x31  day-type N x31\n"
    "    daily DAY start N duty N credit N hard N     pairing days 1..31 with any non-zero figure\n"
    "    text \"..\"  layovers \"..\"  source \"..\"\n"
    "\n"
    "--crew (one block per crew row 1..crew count):\n"
    "  crew ROW name \"..\" employee N\n"
    "    phones \"..\" \"..\"  quick-notes \"..\"  filters \"..\"  bid \"..\"  roster-status \"..\"\n"
    "    reserved-text \"..\"  reserved-a N  reserved-b N\n"
    "    settings N x20   (carried-in, legal check-in, 2 reserved, complete, min, max, min days off,\n"
    "                      qualification, language, training, no-tz, no-ycg, 7 reserved)\n"
    "    credits hours N minutes N draft N extra N time-bank N training-at-home N outside-w 0|1\n"
    "          bids-reserve 0|1\n"
    "    cell INDEX assignment N request N locked N code \"..\" extract \"..\" text \"..\"\n"
    "         activity N x10 prev N x10        cells 0..61 that hold anything\n";

namespace {

class Out {
public:
    Out& operator<<(std::string_view s) {
        text_ += s;
        return *this;
    }
    Out& operator<<(int64_t v) {
        text_ += std::to_string(v);
        return *this;
    }
    Out& operator<<(int32_t v) { return *this << int64_t{v}; }
    std::string& text() { return text_; }

private:
    std::string text_;
};

std::string DateText(const base::CalendarDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

template <typename Array>
std::string List(const Array& values) {
    std::string s;
    for (const auto& v : values) {
        if (!s.empty()) s += ' ';
        s += std::to_string(static_cast<int64_t>(v));
    }
    return s;
}

std::string Field(const std::array<char, 10>& field) { return Quote(model::FieldText(field)); }

}  // namespace

std::string Quote(std::string_view text) {
    std::string q = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\\': q += "\\\\"; break;
            case '"': q += "\\\""; break;
            case '\n': q += "\\n"; break;
            case '\r': q += "\\r"; break;
            case '\t': q += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02X", c);
                    q += buf;
                } else {
                    q += ch;
                }
        }
    }
    q += '"';
    return q;
}

std::string DumpDocument(const Document& doc, const DumpSections& sections) {
    Out o;
    auto b = [](bool v) { return int32_t{v ? 1 : 0}; };
    o << "variant " << doc.FileVariant << "\n";
    o << "group-code " << Quote(doc.GroupCode) << "\n";
    o << "crew-group " << int32_t{doc.CrewGroup} << "\n";
    o << "start-setting " << doc.StartSetting << "\n";
    o << "start-weekday " << doc.StartWeekday << "\n";
    o << "day-count " << doc.DayCount << "\n";
    o << "month-number " << doc.MonthNumber << "\n";
    o << "month-title " << Field(doc.MonthTitle) << "\n";
    o << "year-title " << Field(doc.YearTitle) << "\n";
    o << "code-a " << Field(doc.CodeA) << "\n";
    o << "code-b " << Field(doc.CodeB) << "\n";
    o << "rules avg " << doc.AvgBlock << " max " << doc.MaxBlock << " min " << doc.MinBlock << " days-off-holder "
      << doc.DaysOffBlockHolder << " days-off-reserve " << doc.DaysOffReserve << " reduced-max " << doc.ReducedMax
      << " reduced-min " << doc.ReducedMin << " reduced-min-days-off " << doc.ReducedMinDaysOff << " check-pilot-max "
      << doc.CheckPilotMax << " extra " << List(doc.ExtraMonthSettings) << "\n";
    for (int d = 0; d < doc.DayCount && d < model::kMonthDays; ++d) {
        const auto& label = doc.DayLabel[static_cast<size_t>(d)];
        o << "day " << int32_t{d + 1} << " " << DateText(doc.DayDate[static_cast<size_t>(d)]) << " "
          << Quote(std::string_view(label.data(), 2)) << " weekend " << b(doc.Weekend[static_cast<size_t>(d)]) << "\n";
    }
    o << "prev-dates";
    for (const auto& d : doc.PrevDates) o << " " << DateText(d);
    o << "\n";
    o << "blocks-built " << doc.BlocksBuilt << "\n";
    o << "show-taken-pairings " << b(doc.ShowTakenPairings) << "\n";
    o << "doc-value " << doc.DocValue << "\n";
    o << "marked-only-view " << b(doc.MarkedOnlyView) << "\n";
    o << "windows pairings " << b(doc.PairWinOpen) << " toolbox " << b(doc.ToolboxWinOpen) << " bids "
      << b(doc.BidsWinOpen) << "\n";
    o << "counts crew " << doc.CrewCount << " last-pair-index " << doc.LastPairIndex << " last-loaded-pair-index "
      << doc.LastLoadedPairIndex << " activities " << doc.ActivityCount << "\n";
    o << "doc-flags " << List(doc.DocFlags) << "\n";
    for (size_t i = 0; i < doc.DocStrings.size(); ++i)
        if (!doc.DocStrings[i].empty()) o << "doc-string " << int32_t(i) << " " << Quote(doc.DocStrings[i]) << "\n";
    for (size_t i = 0; i < doc.DocTexts.size(); ++i)
        if (!doc.DocTexts[i].empty()) o << "doc-text " << int32_t(i) << " " << Quote(doc.DocTexts[i]) << "\n";
    for (int i = 0; i < doc.ActivityCount && i < model::kActivitySlots; ++i) {
        const model::TAbsence& a = doc.Activities[static_cast<size_t>(i)];
        o << "activity " << int32_t{i} << " code " << Quote(a.Code) << " extract " << Quote(a.ExtractCode) << " caption "
          << Quote(a.Caption) << " start " << a.StartTime << " end " << a.EndTime << " credit " << a.Credit << " hard "
          << a.HardTime << " duty " << b(a.ContainsDuty) << " cars " << b(a.CarsDuty) << " counts "
          << b(a.CreditCounts) << " toolbox " << b(a.InToolbox) << "\n";
    }

    if (sections.history) {
        o << "history " << int32_t(doc.History.Size()) << "\n";
        for (size_t i = 0; i < doc.History.Size(); ++i) {
            const model::TAction& a = doc.History[i];
            o << "action " << int32_t(i) << " " << (a.Kind == 1 ? "assign" : "remove") << " day " << a.Day << " crew "
              << a.Crew << " pair " << a.Pair << "\n";
        }
    }

    if (sections.pairings) {
        for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
            const model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
            o << "pair " << int32_t{i} << " number " << p.PairNumber << " base-eqp " << Quote(p.BaseEqpCode) << " type "
              << Quote(p.PairType) << " report " << p.ReportTime << " release " << p.ReleaseTime << " credit "
              << p.TotalCredit << " length " << int32_t{p.PairLength} << " tafb " << p.Tafb << " valid "
              << b(p.IsValid) << " fatigue " << p.FatigueUnits << " rest-after " << p.RestAfter << " stamp "
              << p.PairStamp << "\n";
            o << "  status " << List(p.DayStatus) << "\n";
            o << "  excluded " << List(p.ExcludedCredit) << "\n";
            o << "  day-type " << List(p.DayPairingType) << "\n";
            for (size_t d = 0; d < model::kMonthDays; ++d) {
                if (p.DailyStart[d] == 0 && p.DailyDuty[d] == 0 && p.DailyCredit[d] == 0 && p.DailyHardTime[d] == 0)
                    continue;
                o << "  daily " << int32_t(d + 1) << " start " << p.DailyStart[d] << " duty " << p.DailyDuty[d]
                  << " credit " << p.DailyCredit[d] << " hard " << p.DailyHardTime[d] << "\n";
            }
            o << "  text " << Quote(p.PairText) << "\n";
            o << "  layovers " << Quote(p.Layovers) << "\n";
            o << "  source " << Quote(p.SourceLine) << "\n";
        }
    }

    if (sections.crew) {
        for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
            const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
            o << "crew " << int32_t{c + 1} << " name " << Quote(p.Name) << " employee " << p.EmployeeNumber << "\n";
            o << "  phones " << Quote(p.Phone1) << " " << Quote(p.Phone2) << "  quick-notes " << Quote(p.QuickNotes)
              << "  filters " << Quote(p.SavedFilters) << "  bid " << Quote(p.BidText) << "  roster-status "
              << Quote(p.RosterStatus) << "\n";
            o << "  reserved-text " << Quote(p.ReservedText) << "  reserved-a " << p.ReservedValueA << "  reserved-b "
              << p.ReservedValueB << "\n";
            o << "  settings " << List(p.SettingsArray()) << "\n";
            o << "  credits hours " << int32_t{p.CreditHours} << " minutes " << int32_t{p.CreditMinutes} << " draft "
              << p.DraftCredits << " extra " << p.ExtraCredits << " time-bank " << p.TimeBank << " training-at-home "
              << p.TrainingAtHome << " outside-w " << b(p.OutsideW) << " bids-reserve " << b(p.BidsReserve) << "\n";
            for (size_t i = 0; i < model::kDayCells; ++i) {
                const bool empty = p.DayAssignment[i] == model::kDayEmpty && p.DayFlagA[i] == 0 && p.DayLocked[i] == 0 &&
                                   p.DayCode[i].empty() && p.DayExtractCode[i].empty() && p.DayText[i].empty() &&
                                   p.DayActivity[i] == model::DayValues{} && p.PrevDayData[i] == model::DayValues{};
                if (empty) continue;
                o << "  cell " << int32_t(i) << " assignment " << p.DayAssignment[i] << " request "
                  << int32_t{p.DayFlagA[i]} << " locked " << int32_t{p.DayLocked[i]} << " code " << Quote(p.DayCode[i])
                  << " extract " << Quote(p.DayExtractCode[i]) << " text " << Quote(p.DayText[i]) << " activity "
                  << List(p.DayActivity[i]) << " prev " << List(p.PrevDayData[i]) << "\n";
            }
        }
    }
    return std::move(o.text());
}

}  // namespace lw::output
