#pragma once
// One pairing of the month: times, per-day figures, days of operation and texts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/capacities.h"
#include "model/rest_rules.h"

namespace lw::model {

using MonthArray = std::array<int32_t, kMonthDays>;

// The mark in a cabin pairing's text that asks for a French-speaking member on board.
inline constexpr std::string_view kFrenchPairingMarker = "FRENCH PAIRING";

class TPair {
public:
    TPair() { Reset(); }
    explicit TPair(int32_t stamp) : PairStamp(stamp) { Reset(); }

    int32_t ReportTime = 0;
    int32_t ReleaseTime = 0;
    int32_t TotalCredit = 0;
    int8_t PairLength = 0;
    int8_t WorkDays = 0;
    int32_t Tafb = 0;
    int32_t PairNumber = 0;
    std::string PairNote;  // not saved
    std::string PairType;  // "CA", "FO", "FA" or "PU"
    // 0 does not operate, 1 open, 2 taken; negative carries the two-captain mark.
    MonthArray DayStatus{};
    MonthArray ExcludedCredit{};
    MonthArray DayPairingType{};
    MonthArray DailyStart{};
    MonthArray DailyDuty{};
    MonthArray DailyHardTime{};
    MonthArray DailyCredit{};
    MonthArray DailySpare{};  // checkers' working value, not saved
    int32_t FatigueUnits = 0;
    int32_t RestAfter = kPilotRest;
    bool LateRelease = false;
    bool UsaSegments = false;
    int8_t PairMark = 0;  // filter selection, not saved
    bool IsValid = false;
    int8_t PairFlag = 0;  // credit class, recomputed before every save
    std::string ValidationText;
    std::string PairText;
    std::string SourceLine;
    std::string Layovers;
    std::string BaseEqpCode;
    int32_t PairStamp = 0;  // day number the record was made

    // Clears everything but PairNote, PairFlag and PairStamp; RestAfter back to the pilot rest.
    void Reset();
    void CopyFrom(const TPair& other) { *this = other; }
    // A pairing that needs a French speaker among its cabin.
    bool IsFrenchPairing() const { return PairText.find(kFrenchPairingMarker) != std::string::npos; }

    // Checks the record against the month of dayCount days; the verdict goes to IsValid,
    // the complaints to ValidationText. Also derives WorkDays, LateRelease, UsaSegments.
    bool Validate(int dayCount);
    // WorkDays and LateRelease from the times and length. The schedule file does not keep
    // them, so a month read back needs them worked out again before it is shown or checked.
    void DeriveWorkDays();

    // Average daily credit class 0..3 (below 5:00, 6:00, 7:00, or above).
    int8_t CreditClass() const;
    void UpdatePairFlag() { PairFlag = CreditClass(); }

    // The instance starting on day d: operating, open, taken. Out-of-range days do not operate.
    bool Operates(int day) const;
    bool IsOpen(int day) const;
    bool IsTaken(int day) const;
    // Marks the instance taken / open again, keeping the two-captain mark. False when the
    // pairing does not operate that day or the instance is already in that state.
    bool TakeInstance(int day);
    bool ReleaseInstance(int day);

    // "V8101": base code letter and the four-digit number.
    std::string Designation() const;
};

}  // namespace lw::model
