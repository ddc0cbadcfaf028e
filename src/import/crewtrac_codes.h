#pragma once
// The CrewTrac BAW/LIN files as both sides see them: line sizes, where the day entries stand,
// and the codes that differ between CrewTrac and the extracts. The exporter writes by these and
// the block import reads by them.
#include <cstddef>
#include <string>

namespace lw::import {

inline constexpr size_t kCrewTracBawLine = 18;
inline constexpr size_t kCrewTracLinLine = 1320;
inline constexpr size_t kCrewTracEntriesAt = 68;
inline constexpr size_t kCrewTracEntry = 38;
inline constexpr const char* kCrewTracCarrier = "ZJ";

// CrewTrac codes of the reserves, "R1" ... "R3", and back.
std::string CrewTracReserveKind(const std::string& extractCode);
std::string CrewTracReserveCode(const std::string& reserveKind);
// Activities whose run of consecutive days becomes one entry.
bool IsCrewTracMultiDayCode(const std::string& dayCode);

}  // namespace lw::import
