#pragma once
// Every time inside the program is a signed 32-bit count of tenths of a second.
// The engine works in seconds as doubles and is only ever given whole seconds.

#include <climits>
#include <cstdint>

namespace solvane {

// truncate(seconds x 10.0). A value the engine could never report (not a
// number, or beyond what 32 bits hold) is brought into range instead of
// overflowing.
inline std::int32_t SecondsToTenths(double seconds) {
  const double tenths = seconds * 10.0;
  if (!(tenths > -2147483648.0)) {
    return tenths != tenths ? 0 : INT32_MIN;
  }
  if (tenths >= 2147483647.0) {
    return INT32_MAX;
  }
  return static_cast<std::int32_t>(tenths);
}

// truncate(seconds), guarded the same way.
inline std::int32_t WholeSeconds(double seconds) {
  return SecondsToTenths(seconds) / 10;
}

// (double)(tenths div 10), the division truncating toward zero.
inline double TenthsToWholeSeconds(std::int32_t tenths) {
  return static_cast<double>(tenths / 10);
}

}  // namespace solvane
