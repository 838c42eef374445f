#pragma once
// Names in the order of their UTF-16 code units: a listing order that needs
// no locale, for tests of the code that sorts by whatever order it is given.

#include <string_view>

#include "base/name_order.h"

namespace solvane::testing {

class CodeUnitOrder final : public NameOrder {
 public:
  bool Before(std::u16string_view left, std::u16string_view right) const override {
    return left < right;
  }
};

}  // namespace solvane::testing
