// The names every printed page and the about box carry.
#pragma once

namespace kelp {

inline constexpr const char* kDepartmentHead = "KESTREL DEPARTMENT OF ROADS";
inline constexpr const char* kProgramTitle = "KELP - Broken-Back Culvert Analysis";

}  // namespace kelp
