#include "airports.h"

#include <cstdio>
#include <cstdlib>

namespace lwgen {

namespace {

constexpr Zone kPacific{-480, true}, kMountain{-420, true}, kMountainAllYear{-420, false}, kCentral{-360, true},
    kSaskatchewan{-360, false}, kEastern{-300, true}, kAtlantic{-240, true}, kNewfoundland{-210, true};

// code, city, lat, lon, zone, usa, quebec, bilingual, area code
const std::vector<Airport> kAirports = {
    {"YVR", "VANCOUVER", 4919, -12318, kPacific, false, false, false, 604},
    {"YLW", "KELOWNA", 4996, -11938, kPacific, false, false, false, 250},
    {"YKA", "KAMLOOPS", 5070, -12044, kPacific, false, false, false, 250},
    {"YXS", "PRINCE GEORGE", 5389, -12268, kPacific, false, false, false, 250},
    {"YPR", "PRINCE RUPERT", 5429, -13044, kPacific, false, false, false, 250},
    {"YXT", "TERRACE", 5447, -12858, kPacific, false, false, false, 250},
    {"YYD", "SMITHERS", 5482, -12718, kPacific, false, false, false, 250},
    {"YQQ", "COMOX", 4971, -12489, kPacific, false, false, false, 250},
    {"YZP", "SANDSPIT", 5325, -13181, kPacific, false, false, false, 250},
    {"YWL", "WILLIAMS LAKE", 5218, -12205, kPacific, false, false, false, 250},
    {"YXC", "CRANBROOK", 4961, -11578, kMountain, false, false, false, 250},
    {"YCG", "CASTLEGAR", 4930, -11763, kPacific, false, false, false, 250},
    {"YXJ", "FORT ST JOHN", 5624, -12074, kMountainAllYear, false, false, false, 250},
    {"YDQ", "DAWSON CREEK", 5574, -12018, kMountainAllYear, false, false, false, 250},
    {"YYF", "PENTICTON", 4946, -11960, kPacific, false, false, false, 250},
    {"YXX", "ABBOTSFORD", 4903, -12236, kPacific, false, false, false, 604},
    {"YXY", "WHITEHORSE", 6071, -13507, kMountainAllYear, false, false, false, 867},
    {"YYC", "CALGARY", 5113, -11401, kMountain, false, false, false, 403},
    {"YEG", "EDMONTON", 5331, -11358, kMountain, false, false, false, 780},
    {"YQL", "LETHBRIDGE", 4963, -11280, kMountain, false, false, false, 403},
    {"YXH", "MEDICINE HAT", 5002, -11072, kMountain, false, false, false, 403},
    {"YMM", "FORT MCMURRAY", 5665, -11122, kMountain, false, false, false, 780},
    {"YQU", "GRANDE PRAIRIE", 5518, -11889, kMountain, false, false, false, 780},
    {"YXE", "SASKATOON", 5217, -10670, kSaskatchewan, false, false, false, 306},
    {"YQR", "REGINA", 5043, -10467, kSaskatchewan, false, false, false, 306},
    {"YWG", "WINNIPEG", 4991, -9724, kCentral, false, false, false, 204},
    {"YBR", "BRANDON", 4991, -9995, kCentral, false, false, false, 204},
    {"YQT", "THUNDER BAY", 4837, -8932, kEastern, false, false, false, 807},
    {"YAM", "SAULT ST MARIE", 4649, -8451, kEastern, false, false, false, 705},
    {"YSB", "SUDBURY", 4663, -8080, kEastern, false, false, true, 705},
    {"YTS", "TIMMINS", 4857, -8138, kEastern, false, false, true, 705},
    {"YYB", "NORTH BAY", 4636, -7942, kEastern, false, false, false, 705},
    {"YYZ", "TORONTO", 4368, -7963, kEastern, false, false, false, 416},
    {"YTZ", "TORONTO ISLAND", 4363, -7940, kEastern, false, false, false, 416},
    {"YHM", "HAMILTON", 4317, -7993, kEastern, false, false, false, 905},
    {"YKF", "WATERLOO", 4346, -8038, kEastern, false, false, false, 519},
    {"YXU", "LONDON", 4304, -8115, kEastern, false, false, false, 519},
    {"YQG", "WINDSOR", 4228, -8296, kEastern, false, false, false, 519},
    {"YGK", "KINGSTON", 4423, -7660, kEastern, false, false, false, 613},
    {"YOW", "OTTAWA", 4532, -7567, kEastern, false, false, true, 613},
    {"YUL", "MONTREAL", 4547, -7374, kEastern, false, true, true, 514},
    {"YHU", "ST-HUBERT", 4552, -7342, kEastern, false, true, true, 450},
    {"YQB", "QUEBEC", 4679, -7139, kEastern, false, true, true, 418},
    {"YBG", "SAGUENAY", 4833, -7099, kEastern, false, true, true, 418},
    {"YZV", "SEPT-ILES", 5022, -6627, kEastern, false, true, true, 418},
    {"YGP", "GASPE", 4878, -6448, kEastern, false, true, true, 418},
    {"YVO", "VAL-D'OR", 4805, -7778, kEastern, false, true, true, 819},
    {"YUY", "ROUYN-NORANDA", 4821, -7900, kEastern, false, true, true, 819},
    {"YYY", "MONT-JOLI", 4861, -6821, kEastern, false, true, true, 418},
    {"YBC", "BAIE-COMEAU", 4913, -6820, kEastern, false, true, true, 418},
    {"YHZ", "HALIFAX", 4488, -6351, kAtlantic, false, false, false, 902},
    {"YQM", "MONCTON", 4611, -6468, kAtlantic, false, false, true, 506},
    {"YFC", "FREDERICTON", 4587, -6654, kAtlantic, false, false, true, 506},
    {"YSJ", "SAINT JOHN", 4532, -6589, kAtlantic, false, false, true, 506},
    {"YYG", "CHARLOTTETOWN", 4629, -6312, kAtlantic, false, false, false, 902},
    {"YQY", "SYDNEY", 4616, -6005, kAtlantic, false, false, false, 902},
    {"YQI", "YARMOUTH", 4383, -6609, kAtlantic, false, false, false, 902},
    {"YYT", "ST JOHN'S", 4762, -5275, kNewfoundland, false, false, false, 709},
    {"YDF", "DEER LAKE", 4921, -5739, kNewfoundland, false, false, false, 709},
    {"YQX", "GANDER", 4894, -5457, kNewfoundland, false, false, false, 709},
    {"YJT", "STEPHENVILLE", 4854, -5855, kNewfoundland, false, false, false, 709},
    {"YYR", "GOOSE BAY", 5332, -6043, kAtlantic, false, false, false, 709},
    {"SEA", "SEATTLE", 4745, -12231, kPacific, true, false, false, 206},
    {"PDX", "PORTLAND", 4559, -12260, kPacific, true, false, false, 503},
    {"SFO", "SAN FRANCISCO", 3762, -12238, kPacific, true, false, false, 650},
    {"DEN", "DENVER", 3986, -10467, kMountain, true, false, false, 303},
    {"MSP", "MINNEAPOLIS", 4488, -9322, kCentral, true, false, false, 612},
    {"ORD", "CHICAGO", 4198, -8790, kCentral, true, false, false, 773},
    {"MKE", "MILWAUKEE", 4295, -8790, kCentral, true, false, false, 414},
    {"STL", "ST LOUIS", 3875, -9037, kCentral, true, false, false, 314},
    {"BNA", "NASHVILLE", 3612, -8668, kCentral, true, false, false, 615},
    {"DTW", "DETROIT", 4221, -8335, kEastern, true, false, false, 734},
    {"CLE", "CLEVELAND", 4141, -8185, kEastern, true, false, false, 216},
    {"CMH", "COLUMBUS", 4000, -8289, kEastern, true, false, false, 614},
    {"IND", "INDIANAPOLIS", 3972, -8629, kEastern, true, false, false, 317},
    {"CVG", "CINCINNATI", 3905, -8466, kEastern, true, false, false, 859},
    {"PIT", "PITTSBURGH", 4049, -8023, kEastern, true, false, false, 412},
    {"ROC", "ROCHESTER", 4312, -7767, kEastern, true, false, false, 585},
    {"SYR", "SYRACUSE", 4311, -7611, kEastern, true, false, false, 315},
    {"ALB", "ALBANY", 4275, -7380, kEastern, true, false, false, 518},
    {"BTV", "BURLINGTON", 4447, -7315, kEastern, true, false, false, 802},
    {"BOS", "BOSTON", 4236, -7101, kEastern, true, false, false, 617},
    {"PWM", "PORTLAND ME", 4365, -7031, kEastern, true, false, false, 207},
    {"BDL", "HARTFORD", 4194, -7268, kEastern, true, false, false, 860},
    {"LGA", "NEW YORK", 4078, -7387, kEastern, true, false, false, 718},
    {"EWR", "NEWARK", 4069, -7417, kEastern, true, false, false, 973},
    {"PHL", "PHILADELPHIA", 3987, -7524, kEastern, true, false, false, 215},
    {"BWI", "BALTIMORE", 3918, -7667, kEastern, true, false, false, 410},
    {"IAD", "WASHINGTON", 3895, -7746, kEastern, true, false, false, 703},
    {"DCA", "ARLINGTON", 3885, -7704, kEastern, true, false, false, 703},
    {"RDU", "RALEIGH", 3588, -7879, kEastern, true, false, false, 919},
    {"CLT", "CHARLOTTE", 3521, -8094, kEastern, true, false, false, 704},
};

const std::vector<Base> kBases = {
    {"YVR", 'V', {Eqp::DH8, Eqp::DH4, Eqp::CRJ}, {"YXX"}},
    {"YYC", 'C', {Eqp::DH8, Eqp::CRJ, Eqp::E75}, {}},
    {"YYZ", 'Z', {Eqp::DH8, Eqp::DH4, Eqp::E75, Eqp::CRJ}, {"YKF", "YHM"}},
    {"YUL", 'M', {Eqp::DH8, Eqp::CRJ, Eqp::E75}, {"YHU"}},
    {"YHZ", 'H', {Eqp::DH8, Eqp::DH4}, {}},
};

// cos of whole degrees × 10000.
constexpr int kCos[91] = {
    10000, 9998, 9994, 9986, 9976, 9962, 9945, 9925, 9903, 9877, 9848, 9816, 9781, 9744, 9703, 9659, 9613, 9563, 9511,
    9455,  9397, 9336, 9272, 9205, 9135, 9063, 8988, 8910, 8829, 8746, 8660, 8572, 8480, 8387, 8290, 8192, 8090, 7986,
    7880,  7771, 7660, 7547, 7431, 7314, 7193, 7071, 6947, 6820, 6691, 6561, 6428, 6293, 6157, 6018, 5878, 5736, 5592,
    5446,  5299, 5150, 5000, 4848, 4695, 4540, 4384, 4226, 4067, 3907, 3746, 3584, 3420, 3256, 3090, 2924, 2756, 2588,
    2419,  2250, 2079, 1908, 1736, 1564, 1392, 1219, 1045, 872,  698,  523,  349,  175,  0};

int64_t IntSqrt(int64_t v) {
    if (v <= 0) return 0;
    int64_t x = v, y = (x + 1) / 2;
    while (y < x) {
        x = y;
        y = (x + v / x) / 2;
    }
    return x;
}

// Cruise speed (km/h) and longest leg (minutes) of each type.
struct Performance {
    int speed, longest;
};
constexpr Performance kPerformance[4] = {{430, 150}, {700, 180}, {560, 170}, {640, 180}};
constexpr int kShortest = 40;
constexpr int kTaxiAndClimb = 18;

int BlockFor(int speed, int from, int to) {
    const int km = DistanceKm(from, to);
    int minutes = kTaxiAndClimb + km * 60 / speed;
    if (Airports()[static_cast<size_t>(to)].lon < Airports()[static_cast<size_t>(from)].lon)
        minutes += km / 150;  // into the westerlies
    return (minutes + 2) / 5 * 5;
}

}  // namespace

std::string_view EqpName(Eqp eqp) {
    switch (eqp) {
    case Eqp::DH8: return "DH8";
    case Eqp::E75: return "E75";
    case Eqp::DH4: return "DH4";
    case Eqp::CRJ: return "CRJ";
    }
    return "???";
}

std::vector<int> EqpDigits(Eqp eqp) {
    switch (eqp) {
    case Eqp::DH8: return {8};
    case Eqp::E75: return {5};
    case Eqp::DH4: return {4};
    case Eqp::CRJ: return {7, 2};
    }
    return {};
}

bool ParseEqp(std::string_view text, Eqp* eqp) {
    for (Eqp e : kAllEqp) {
        if (text == EqpName(e)) {
            *eqp = e;
            return true;
        }
    }
    return false;
}

const std::vector<Airport>& Airports() { return kAirports; }

int AirportIndex(std::string_view code) {
    for (size_t i = 0; i < kAirports.size(); ++i)
        if (code == kAirports[i].code) return static_cast<int>(i);
    return -1;
}

const std::vector<Base>& Bases() { return kBases; }

int BaseIndex(std::string_view code) {
    for (size_t i = 0; i < kBases.size(); ++i)
        if (code == kBases[i].code) return static_cast<int>(i);
    return -1;
}

int DistanceKm(int from, int to) {
    const Airport& a = kAirports[static_cast<size_t>(from)];
    const Airport& b = kAirports[static_cast<size_t>(to)];
    const int64_t meanLat = std::abs(a.lat + b.lat) / 2;  // hundredths of a degree
    const int64_t deg = meanLat / 100, frac = meanLat % 100;
    const int64_t cosine = kCos[deg] + (kCos[deg + 1] - kCos[deg]) * frac / 100;
    const int64_t dy = int64_t{b.lat - a.lat} * 1112;  // metres per hundredth of a degree
    const int64_t dx = int64_t{b.lon - a.lon} * 1112 * cosine / 10000;
    return static_cast<int>(IntSqrt(dx * dx + dy * dy) / 1000);
}

Network::Network() : n_(kAirports.size()) {
    for (Eqp eqp : kAllEqp) {
        const Performance perf = kPerformance[static_cast<int>(eqp)];
        std::vector<int>& table = block_[static_cast<size_t>(eqp)];
        table.assign(n_ * n_, 0);
        for (size_t i = 0; i < n_; ++i) {
            for (size_t j = 0; j < n_; ++j) {
                if (i == j) continue;
                const int b = BlockFor(perf.speed, static_cast<int>(i), static_cast<int>(j));
                if (b >= kShortest && b <= perf.longest) table[i * n_ + j] = b;
            }
        }
    }
    spokes_.resize(kBases.size());
    for (size_t b = 0; b < kBases.size(); ++b) {
        const int base = AirportIndex(kBases[b].code);
        for (Eqp eqp : kAllEqp) {
            std::vector<int>& list = spokes_[b][static_cast<size_t>(eqp)];
            for (size_t a = 0; a < n_; ++a) {
                const int ai = static_cast<int>(a);
                if (Block(eqp, base, ai) > 0 && Block(eqp, ai, base) > 0) list.push_back(ai);
            }
        }
    }
}

int Network::Block(Eqp eqp, int from, int to) const {
    return block_[static_cast<size_t>(eqp)][static_cast<size_t>(from) * n_ + static_cast<size_t>(to)];
}

const std::vector<int>& Network::Spokes(int base, Eqp eqp) const {
    return spokes_[static_cast<size_t>(base)][static_cast<size_t>(eqp)];
}

int Network::JetBlock(int from, int to) const { return BlockFor(780, from, to); }

std::string HotelText(int airport) {
    static const char* const kBrands[] = {"DELTA HOTELS", "HOLIDAY INN",  "BEST WESTERN", "SANDMAN",
                                          "HAMPTON INN",  "COURTYARD",    "FOUR POINTS",  "NOVOTEL",
                                          "QUALITY INN",  "HILTON GARDEN", "HOTEL ALT",   "RAMADA"};
    constexpr size_t kBrandCount = sizeof kBrands / sizeof kBrands[0];
    const Airport& a = kAirports[static_cast<size_t>(airport)];
    const std::string city = a.city;
    std::string name = city + " AIRPORT INN";
    for (size_t k = 0; k < kBrandCount; ++k) {
        const std::string brand = kBrands[(static_cast<size_t>(airport) * 7 + k) % kBrandCount];
        if (brand.size() + 1 + city.size() <= 27) {
            name = brand + " " + city;
            break;
        }
    }
    if (name.size() > 27) name.resize(27);
    char phone[16];
    std::snprintf(phone, sizeof phone, "%03d-555-01%02d", a.areaCode, airport % 100);
    return name + " " + phone;
}

}  // namespace lwgen
