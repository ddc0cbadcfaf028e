#pragma once
// A crew member's bid: its free text read into up to eight requests of days off and
// pairings, and those requests turned into the member's filter and day-off marks.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "platform/profile.h"

namespace lw::bids {

inline constexpr int kRequests = 8;
inline constexpr size_t kDaySlots = 32;       // days per request
inline constexpr size_t kPairingSlots = 200;  // pairings per request
inline constexpr size_t kShownPairings = 50;  // of them shown and carried to the filter
inline constexpr size_t kBidTextLimit = 10000;
inline constexpr int8_t kFirstRequestGroup = 20;

struct GuessedBid {
    std::array<std::vector<int>, kRequests> days;      // days of month, in the order asked
    std::array<std::vector<int>, kRequests> pairings;  // pairing numbers
};

// Reads the requests "(1)." to "(8)." of a bid.
GuessedBid GuessBid(const model::Document& doc, std::string_view bidText);
// The "GUESS" page.
std::string GuessText(const GuessedBid& bid);

// Stores the edited bid of a member (asking when its length changed); false when dropped.
bool StoreBid(model::Document& doc, platform::Interaction& ui, int crew, std::string_view edited);

// "SET FILTERS": the requested pairings replace the numbers of the member's saved filter.
// pairsCaption receives the pairings window caption when filters are on.
void SetFiltersFromBid(model::Document& doc, platform::Interaction& ui, int crew, const GuessedBid& bid,
                       std::string& pairsCaption);

// "SET DAY OFF REQ": the requested days off become request groups 20 and up.
void SetDayOffRequests(model::Document& doc, platform::Interaction& ui, int crew, const GuessedBid& bid);

// Where a message to the pilot goes: the address the bid carries after "EMAIL: ", else the
// crew office's address kept under "PilotMailAddress" in section "LW"; empty when neither.
std::string PilotMailAddress(const model::TPilot& member, const platform::Profile& profile);

}  // namespace lw::bids
