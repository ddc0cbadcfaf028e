#include "rules/view_filter.h"

#include <algorithm>
#include <cstdio>

#include "model/activity_codes.h"
#include "base/time_text.h"
#include "rules/check_support.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPilot;

int MonthDays(const Document& doc) { return std::clamp(doc.DayCount, 0, model::kMonthDays); }

bool& SwitchRef(ViewSettings& s, ViewSwitch which) {
    switch (which) {
        case ViewSwitch::HideLeaveBlocks: return s.HideLeaveBlocks;
        case ViewSwitch::HideCompleted: return s.HideCompleted;
        case ViewSwitch::HideCheckPilots: return s.HideCheckPilots;
        case ViewSwitch::HideBlockHolders: return s.HideBlockHolders;
        case ViewSwitch::ShowBlockHolders: return s.ShowBlockHolders;
        case ViewSwitch::ShowCCP: return s.ShowCCP;
        case ViewSwitch::ShowLTC: return s.ShowLTC;
        case ViewSwitch::FilterSearch: break;
    }
    return s.FilterSearch;
}

bool IsHide(ViewSwitch w) {
    return w == ViewSwitch::HideLeaveBlocks || w == ViewSwitch::HideCompleted || w == ViewSwitch::HideCheckPilots ||
           w == ViewSwitch::HideBlockHolders;
}
bool IsShowOnly(ViewSwitch w) {
    return w == ViewSwitch::ShowBlockHolders || w == ViewSwitch::ShowCCP || w == ViewSwitch::ShowLTC;
}

bool Contains(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

}  // namespace

std::string_view CodeWithoutBlank(std::string_view code) {
    while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
    return code;
}

bool SwitchOn(const ViewSettings& settings, ViewSwitch which) {
    ViewSettings copy = settings;
    return SwitchRef(copy, which);
}

void ToggleViewSwitch(ViewSettings& s, ViewSwitch which) {
    bool& flag = SwitchRef(s, which);
    flag = !flag;
    if (IsHide(which)) s.ShowBlockHolders = s.ShowCCP = s.ShowLTC = false;
    if (IsShowOnly(which)) s.HideLeaveBlocks = s.HideCompleted = s.HideCheckPilots = s.HideBlockHolders = false;
}

bool IsBlockHolder(const TPilot& p) { return !p.BidsReserve && p.ReserveLine == 0; }
bool IsCheckPilot(const TPilot& p) { return p.Qualification >= 2 && p.Qualification <= 4; }
bool IsLtc(const TPilot& p) { return p.Qualification == 1; }

std::vector<int> SelectDisplayRows(const Document& doc, const ViewSettings& s) {
    const bool anyShowOnly = s.ShowBlockHolders || s.ShowCCP || s.ShowLTC;
    // Check pilots are a pilots' matter: a switch left on from another month hides nobody here.
    const bool hideCheckPilots = s.HideCheckPilots && !doc.IsFlightAttendants();
    const int count = std::clamp(doc.CrewCount, 0, model::kCrewRows);
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (s.HideLeaveBlocks && p.OnLongLeave != 0) continue;
        if (s.HideCompleted && p.BlockComplete == 1) continue;
        if (hideCheckPilots && IsCheckPilot(p)) continue;
        if (s.HideBlockHolders && IsBlockHolder(p)) continue;
        if (anyShowOnly && !((s.ShowBlockHolders && IsBlockHolder(p)) || (s.ShowCCP && IsCheckPilot(p)) ||
                             (s.ShowLTC && IsLtc(p))))
            continue;
        if (s.FilterSearch && p.ViewMarks[kSearchMark] == 0) continue;
        rows.push_back(c);
    }
    return rows;
}

std::vector<std::string> SplitSearchText(std::string_view text, platform::Interaction& ui) {
    std::string upper(text.substr(0, kMaxSearchText));
    base::UpperCase(upper);
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i <= upper.size(); ++i) {
        const char c = i < upper.size() ? upper[i] : ' ';
        if (c != ' ' && c != ',') {
            word += c;
            continue;
        }
        if (word.empty()) continue;
        words.push_back(std::move(word));
        word.clear();
        if (static_cast<int>(words.size()) == kMaxSearchWords) {
            ui.Message("Maximun of 20 Search Strings allowed", "Linewright", platform::Icon::Information);
            break;
        }
    }
    return words;
}

bool SearchMatches(const Document& doc, const TPilot& p, const std::vector<std::string>& words,
                   const ViewSettings& s) {
    if (words.empty()) return true;
    char number[16];
    std::snprintf(number, sizeof number, "%06d", p.EmployeeNumber);
    const int lastDay = std::min(MonthDays(doc) + 31, model::kDayCells);
    for (const std::string& w : words) {
        if (s.EmpNumCheck && Contains(number, w)) return true;
        if (s.NameCheck && Contains(p.Name, w)) return true;
        if (s.BidCheck && Contains(p.BidText, w)) return true;
        if (!s.PairCheck) continue;
        for (int d = 0; d < lastDay; ++d) {
            if (const model::TPair* q = blockcheck::PairOn(doc, p, d); q && Contains(q->PairText, w)) return true;
            if (p.DayAssignment[static_cast<size_t>(d)] == model::kDayActivity && CodeWithoutBlank(p.DayCode[static_cast<size_t>(d)]) == w) return true;
        }
    }
    return false;
}

void MarkSearchMatches(Document& doc, const std::vector<std::string>& words, const ViewSettings& settings) {
    const int count = std::clamp(doc.CrewCount, 0, model::kCrewRows);
    for (int c = 0; c < count; ++c) {
        TPilot& p = doc.Crew[static_cast<size_t>(c)];
        p.ViewMarks.fill(0);
        if (SearchMatches(doc, p, words, settings)) p.ViewMarks[kSearchMark] = 1;
    }
    doc.MarkedOnlyView = settings.FilterSearch;
}

std::string RowLabel(const Document& doc, int crew) {
    if (crew < 0 || crew >= std::min(doc.CrewCount, model::kCrewRows)) return {};
    const TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    return std::to_string(crew + 1) + " " + p.Name + (p.BlockComplete == 1 ? " *" : "");
}

std::string CreditText(const TPilot& p) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", p.CreditHours, p.CreditMinutes);
    return text;
}

CreditShade CreditShadeOf(const Document& doc, const TPilot& p) {
    if (p.BidsReserve || p.ReserveLine) return CreditShade::Reserve;
    const int32_t total = p.CreditTotal();
    if (total < doc.EffectiveMinBlock(p) || total > doc.EffectiveMaxBlock(p)) return CreditShade::OutsideRange;
    return CreditShade::InRange;
}

std::string RequestCodeText(int8_t mark) {
    if (mark >= 1 && mark <= static_cast<int8_t>(model::kDayOffRequests.size()))
        return std::string(model::kDayOffRequests[static_cast<size_t>(mark - 1)].code);
    if (mark == 13) return "GDO";
    if (mark == 14) return "PDO";
    if (mark != 0) return "X";
    return {};
}

int DaysOffCount(const Document& doc, const TPilot& p) {
    const int days = MonthDays(doc);
    std::array<bool, model::kDayCells> busy{};
    for (int d = 0; d < days; ++d) {
        const int32_t cell = p.DayAssignment[static_cast<size_t>(d)];
        if (const model::TPair* q = blockcheck::PairOn(doc, p, d)) {
            for (int k = 0; k < std::max<int>(1, q->PairLength) && d + k < days; ++k) busy[static_cast<size_t>(d + k)] = true;
        } else if (cell == model::kDayActivity) {
            const model::DayValues& v = p.DayActivity[static_cast<size_t>(d)];
            if (v[model::kActContainsDuty] != 0 || v[model::kActReserve] != 0) busy[static_cast<size_t>(d)] = true;
        }
    }
    return static_cast<int>(std::count(busy.begin(), busy.begin() + days, false));
}

ReserveSummary CountReserveDays(const Document& doc) {
    static constexpr std::array<std::array<std::string_view, 2>, 4> kCodes = {
        {{"RE", "ER"}, {"RA", "AR"}, {"RB", "BR"}, {"RK", "RK"}}};
    ReserveSummary counts{};
    const int days = MonthDays(doc);
    const int crew = std::clamp(doc.CrewCount, 0, model::kCrewRows);
    for (int c = 0; c < crew; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < days; ++d) {
            if (p.DayAssignment[static_cast<size_t>(d)] != model::kDayActivity) continue;
            const std::string_view code = CodeWithoutBlank(p.DayExtractCode[static_cast<size_t>(d)]);
            for (size_t k = 0; k < kCodes.size(); ++k)
                if (code == kCodes[k][0] || code == kCodes[k][1]) ++counts[k][static_cast<size_t>(d)];
        }
    }
    return counts;
}

}  // namespace lw::rules
