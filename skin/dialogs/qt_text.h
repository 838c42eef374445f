#pragma once
// The program's UTF-16 texts as Qt strings, unit for unit.

#include <QString>

#include <string_view>

namespace solvane {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace solvane
