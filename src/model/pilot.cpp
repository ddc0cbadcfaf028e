#include "model/pilot.h"

#include <algorithm>
#include <string_view>

namespace lw::model {

namespace {
constexpr std::array<std::string_view, 9> kLongLeaveCodes = {"LOA", "PSD", "UTF", "MAT", "MED",
                                                             "WCB", "LTD", "PWC", "MOD"};

int ClampDays(int dayCount) { return std::clamp(dayCount, 0, kDayCells); }
}  // namespace

std::array<int32_t, TPilot::kSettingsCount> TPilot::SettingsArray() const {
    std::array<int32_t, kSettingsCount> v{};
    v[0] = CreditCarriedIn;
    v[1] = LegalCheckIn;
    v[2] = ReservedSettingsA[0];
    v[3] = ReservedSettingsA[1];
    v[4] = BlockComplete;
    v[5] = MinBlock;
    v[6] = MaxBlock;
    v[7] = MinDaysOff;
    v[8] = Qualification;
    v[9] = LanguageBits;
    v[10] = TrainingFlag;
    v[11] = NoTz;
    v[12] = NoYcg;
    std::copy(ReservedSettingsB.begin(), ReservedSettingsB.end(), v.begin() + 13);
    return v;
}

void TPilot::SetSettingsArray(const std::array<int32_t, kSettingsCount>& v) {
    CreditCarriedIn = v[0];
    LegalCheckIn = v[1];
    ReservedSettingsA = {v[2], v[3]};
    BlockComplete = v[4];
    MinBlock = v[5];
    MaxBlock = v[6];
    MinDaysOff = v[7];
    Qualification = v[8];
    LanguageBits = v[9];
    TrainingFlag = v[10];
    NoTz = v[11];
    NoYcg = v[12];
    std::copy(v.begin() + 13, v.end(), ReservedSettingsB.begin());
}

void TPilot::Reset() {
    DayAssignment.fill(kDayEmpty);
    for (auto& s : DayCode) s.clear();
    for (auto& s : DayExtractCode) s.clear();
    for (auto& s : DayText) s.clear();
    for (auto& a : DayActivity) a.fill(0);
    for (auto& a : PrevDayData) a.fill(0);
    for (auto& a : RuleWindow) a.fill(0);
    DayFlagA.fill(0);
    DayLocked.fill(0);
    DayIllegal.fill(0);
    DayWarning.fill(0);
    ViewMarks.fill(0);
    Name.clear();
    Phone1.clear();
    Phone2.clear();
    QuickNotes.clear();
    IllegalText.clear();
    TwoCaptainClash = false;
    IllegalRunFromLastMonth = false;
    RuleLog.clear();
    SavedFilters.clear();
    BidText.clear();
    RosterStatus.clear();
    ReservedText.clear();
    EmployeeNumber = ReservedValueA = OnLongLeave = 0;
    SetSettingsArray({});
    CreditHours = CreditMinutes = 0;
    DraftCredits = ReservedValueB = ExtraCredits = TimeBank = TrainingAtHome = 0;
    TimeBankCodeTotal = AlbTotal = 0;
    OutsideW = BidsReserve = false;
    ReserveLine = 0;
    Selected = 0;
    RulesChecked = 1;
    ExportMark = 1;
}

void TPilot::CopyFrom(const TPilot& other) {
    if (this == &other) return;
    std::string keep = std::move(WarningText);
    const bool keepRun = WarningRunFromLastMonth;
    *this = other;
    WarningText = std::move(keep);
    WarningRunFromLastMonth = keepRun;
}

void TPilot::UpdateLongLeave(int dayCount) {
    const int days = ClampDays(dayCount);
    int count = 0;
    for (int d = 0; d < days; ++d) {
        const std::string& code = DayCode[d];
        if (std::find(kLongLeaveCodes.begin(), kLongLeaveCodes.end(), code) != kLongLeaveCodes.end()) ++count;
    }
    OnLongLeave = (days > 0 && count >= days) ? 1 : 0;
}

bool TPilot::HasReserveDay(int dayCount) const {
    const int days = ClampDays(dayCount);
    for (int d = 0; d < days; ++d)
        if (DayActivity[d][kActReserve] != 0) return true;
    return false;
}

bool TPilot::IsReserve(int dayCount) const {
    return HasReserveDay(dayCount) || BidsReserve || ReserveLine != 0 ||
           RosterStatus.find("RB") != std::string::npos;
}

}  // namespace lw::model
