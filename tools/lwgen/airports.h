#pragma once
// The stations the airline flies to, and what the trip builder needs from them: block times
// by aircraft type, which stations each base's crews can reach, local clocks and hotels.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "timeutil.h"

namespace lwgen {

// The four aircraft types crews are qualified on, in the order the new-month set-up offers them.
enum class Eqp { DH8, E75, DH4, CRJ };
inline constexpr std::array<Eqp, 4> kAllEqp = {Eqp::DH8, Eqp::E75, Eqp::DH4, Eqp::CRJ};

std::string_view EqpName(Eqp eqp);       // "DH8"
// The pairing number's first digit for the type; CRJ pairings also use a second one.
std::vector<int> EqpDigits(Eqp eqp);
bool ParseEqp(std::string_view text, Eqp* eqp);

struct Airport {
    const char* code;
    const char* city;  // as a hotel name carries it, at most 14 characters
    int lat, lon;      // hundredths of a degree
    Zone zone;
    bool usa;
    bool quebec;     // cabin crews on these pairings are expected to speak French
    bool bilingual;  // served in both languages often enough to ask for French now and then
    int areaCode;
};

const std::vector<Airport>& Airports();
int AirportIndex(std::string_view code);  // -1 when unknown

// The five crew bases with their pairing letters.
struct Base {
    const char* code;
    char letter;
    std::vector<Eqp> fleet;        // the types based there
    std::vector<const char*> satellites;  // nearby airports crews are driven home from
};
const std::vector<Base>& Bases();
int BaseIndex(std::string_view code);  // -1 when unknown

// Great-circle distance, flattened per leg: good to a few per cent, integers only.
int DistanceKm(int from, int to);

// Block times and reach of one aircraft type.
class Network {
public:
    Network();
    // Scheduled block minutes of a leg, 0 when the type does not fly it (under 40 minutes or
    // beyond its range).
    int Block(Eqp eqp, int from, int to) const;
    // Stations that crews of the base fly to on the type and back, each way within range.
    const std::vector<int>& Spokes(int base, Eqp eqp) const;
    // A jet's block on another carrier, for deadheads home.
    int JetBlock(int from, int to) const;

private:
    size_t n_;
    std::array<std::vector<int>, 4> block_;
    std::vector<std::array<std::vector<int>, 4>> spokes_;  // by base index
};

// The crew hotel of a layover city: one contract hotel per city, 40 characters at most.
std::string HotelText(int airport);

}  // namespace lwgen
