#pragma once
// "Set Pairing Properties": what one day of operation of a pairing is (normal, line
// indoctrination, line check, recurrent line check) and the credit excluded from the holder's
// block total for that instance. These two values are set nowhere else.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::rules {

// DayPairingType values.
enum PairingDayType : int32_t {
    kNormalDay = 0,
    kLineIndocDay = 1,
    kLineCheckDay = 2,
    kRecurrentCheckDay = 3,
};

// The dialog as it opens for one pairing on one day.
struct PairProps {
    int pair = -1;
    int day = -1;
    int32_t type = kNormalDay;     // the radio button checked: anything above 2 shows "Recurrent LCK"
    bool creditInUse = false;      // whether the "Exclude Credit" edit can be used
    int32_t shownCredit = 0;       // ExcludedCredit of the day, as shown when it opened
    std::string creditText;        // "hh:mm" when in use, empty otherwise
    std::string caption;           // "Properties for V1302 on APR 03"
};

// The dialog for the pairing (table index) on the day (day index of the month) on which an
// instance of it starts; nullopt when either is not in the month or the pairing does not
// operate that day.
std::optional<PairProps> OpenPairProps(const model::Document& doc, int pair, int day);

// Only pilots' pairings whose number has 3 or 4 as its second digit carry excluded credit.
bool TakesExcludedCredit(const model::Document& doc, const model::TPair& pair);

// OK pressed with the type chosen (0..2, anything else the "Recurrent LCK" button) and the
// text of the credit edit. The type is stored at once;
// the credit only after its checks and the planner's confirmation, and then every block's
// credit total is worked out again. True when the dialog may close; false when it stays open
// (an unreadable or too large credit, or No to the confirmation).
bool ApplyPairProps(model::Document& doc, platform::Interaction& ui, const PairProps& opened, int32_t type,
                    std::string_view creditText);

// The "Pairing Type for This Day of Ops" name of a type: "Normal", "Line Indoc", "Line Check"
// or "Recurrent LCK".
std::string_view PairingDayTypeName(int32_t type);

}  // namespace lw::rules
