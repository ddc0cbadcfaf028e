#pragma once
// One crew member of the group and the month's block of that member.
#include <array>
#include <cstdint>
#include <string>

#include "base/time_text.h"
#include "model/capacities.h"

namespace lw::model {

// DayAssignment values other than a pairing index.
inline constexpr int32_t kDayEmpty = -1;
inline constexpr int32_t kDayActivity = -2;

// DayActivity entries ("Other Assignment Details").
enum ActivityEntry : int {
    kActStart = 0,          // "Time starting Work", minute of day
    kActDuration = 1,       // "Hours:Mins at Work"
    kActCredit = 2,         // "Credit"
    kActHardTime = 3,       // "Hard Time"
    kActReserve = 4,        // "Reserve"
    kActContainsDuty = 5,   // "Contains Duty"
    kActExcludeCredit = 6,  // "Exlcude Credit from Block"
    kActCarsDuty = 7,       // "CARS Duty"
};

// PrevDayData entries ("Previous Month Data").
enum PrevDayEntry : int {
    kPrevPairStart = 0,
    kPrevPairTafb = 1,
    kPrevDutyStart = 2,
    kPrevDutyLength = 3,
    kPrevHardTime = 5,
    kPrevWorked = 6,  // 1 worked, 2 reserve, 0 neither
    kPrevCarsDuty = 8,
};

using DayValues = std::array<int32_t, kDayValues>;

class TPilot {
public:
    TPilot() { Reset(); }

    // Day cells, by day index (0..61).
    std::array<int32_t, kDayCells> DayAssignment{};
    std::array<std::string, kDayCells> DayCode;
    std::array<std::string, kDayCells> DayExtractCode;
    std::array<DayValues, kDayCells> DayActivity{};
    std::array<int8_t, kDayCells> DayFlagA{};
    std::array<int8_t, kDayCells> DayLocked{};
    std::array<int8_t, kDayCells> DayIllegal{};
    std::array<int8_t, kDayCells> DayWarning{};
    // By extended day index w (0..30 the days before the month, 31 + d day index d).
    std::array<DayValues, kDayCells> PrevDayData{};
    std::array<std::string, kDayCells> DayText;
    // Duty rule checker's working store, not saved.
    std::array<std::array<int32_t, 3>, kExtendedDays> RuleWindow{};
    std::array<int8_t, kViewMarks> ViewMarks{};

    std::string Name;
    std::string Phone1, Phone2;
    std::string QuickNotes;
    std::string IllegalText;  // not saved
    // Shares a two-captain pairing with another 60+ or medical captain; set with IllegalText, not saved.
    bool TwoCaptainClash = false;
    // Its consecutive-days run reaches back into last month; set with IllegalText, not saved.
    bool IllegalRunFromLastMonth = false;
    std::string RuleLog;      // not saved
    std::string WarningText;  // not saved, not copied, not reset
    bool WarningRunFromLastMonth = false;  // as above, kept with WarningText
    std::string SavedFilters;
    std::string BidText;
    std::string RosterStatus;
    std::string ReservedText;

    int32_t EmployeeNumber = 0;  // -1 captain-pairings line, 0 open time
    int32_t ReservedValueA = 0;
    int32_t OnLongLeave = 0;
    int32_t DraftCredits = 0;
    int32_t ExtraCredits = 0;
    int32_t ReservedValueB = 0;
    int32_t TimeBank = 0;
    int32_t TimeBankCodeTotal = 0;
    int32_t AlbTotal = 0;
    int32_t TrainingAtHome = 0;
    bool OutsideW = false;

    // The saved 20-value array, in file order.
    int32_t CreditCarriedIn = 0;
    int32_t LegalCheckIn = 0;  // schedule time
    std::array<int32_t, 2> ReservedSettingsA{};
    int32_t BlockComplete = 0;
    int32_t MinBlock = 0;    // 0 = the document's
    int32_t MaxBlock = 0;    // 0 = the document's
    int32_t MinDaysOff = 0;  // 0 = the document's
    int32_t Qualification = 0;
    int32_t LanguageBits = 0;
    int32_t TrainingFlag = 0;
    int32_t NoTz = 0;
    int32_t NoYcg = 0;
    std::array<int32_t, 7> ReservedSettingsB{};

    bool BidsReserve = false;
    int8_t ReserveLine = 0;
    int8_t CreditHours = 0;
    int8_t CreditMinutes = 0;
    int8_t Selected = 0;
    int8_t RulesChecked = 1;
    int8_t ExportMark = 1;

    static constexpr int kSettingsCount = 20;
    std::array<int32_t, kSettingsCount> SettingsArray() const;
    void SetSettingsArray(const std::array<int32_t, kSettingsCount>& values);

    void Reset();
    void ClearWarnings() {
        WarningText.clear();
        WarningRunFromLastMonth = false;
    }
    // Every field and day entry but WarningText.
    void CopyFrom(const TPilot& other);

    // OnLongLeave = every day of the month carries a long-leave code.
    void UpdateLongLeave(int dayCount);
    bool HasReserveDay(int dayCount) const;
    // Reserve day, bids reserve, below the reserve line, or "RB" in the roster status.
    bool IsReserve(int dayCount) const;

    int32_t CreditTotal() const { return CreditHours * 60 + CreditMinutes; }
};

// One toolbox activity definition.
struct TAbsence {
    std::string Code;
    std::string ExtractCode;
    std::string Caption;
    int32_t StartTime = 0;
    int32_t EndTime = 0;
    int32_t Credit = 0;
    int32_t HardTime = 0;
    bool ContainsDuty = false;
    bool CarsDuty = false;
    bool CreditCounts = false;
    bool InToolbox = false;

    // Time away from base: end - start, plus a day when it runs past midnight.
    int32_t Tafb() const { return EndTime - StartTime < 0 ? EndTime - StartTime + base::kMinutesPerDay : EndTime - StartTime; }
    bool operator==(const TAbsence&) const = default;
};

}  // namespace lw::model
