#include "import/crewtrac_codes.h"

#include <array>
#include <string_view>

namespace lw::import {

namespace {

constexpr std::array<std::string_view, 20> kMultiDayCodes = {"VAC", "STT", "LOA", "UTF", "VAN", "VON", "VCR",
                                                             "VTP", "BST", "STA", "STP", "MED", "PSD", "LTD",
                                                             "WCB", "MOD", "PWC", "UTT", "DSC", "MAT"};

}  // namespace

bool IsCrewTracMultiDayCode(const std::string& dayCode) {
    std::string_view code = dayCode;
    while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
    for (std::string_view m : kMultiDayCodes)
        if (code == m) return true;
    return false;
}

std::string CrewTracReserveKind(const std::string& extractCode) {
    if (extractCode == "RA") return "R1";
    if (extractCode == "RB") return "R2";
    if (extractCode == "RE") return "R3";
    return "";
}

std::string CrewTracReserveCode(const std::string& reserveKind) {
    if (reserveKind == "R1") return "RA";
    if (reserveKind == "R2") return "RB";
    if (reserveKind == "R3") return "RE";
    return "";
}

}  // namespace lw::import
