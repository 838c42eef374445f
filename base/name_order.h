#pragma once
// The order a folder's names are listed in: the order of the desktop's file
// managers, which is the user's locale's collation. The application passes
// the platform's collation in (playlist/qt_name_order.h); tests pass their own.

#include <string_view>

namespace solvane {

class NameOrder {
 public:
  virtual ~NameOrder() = default;

  // True when `left` is listed before `right`. A strict order in which two
  // different names are never equal, so a sort gives one result whatever
  // order the names came in.
  virtual bool Before(std::u16string_view left, std::u16string_view right) const = 0;
};

}  // namespace solvane
