#pragma once
// The listing order on Qt: names compared by QCollator in the user's locale,
// as the desktop's file managers list them.

#include <QCollator>
#include <QLocale>

#include "base/name_order.h"

namespace solvane {

class CollatedNameOrder final : public NameOrder {
 public:
  // The user's locale; under the bare "C" locale, which collates nothing,
  // the locale-neutral order of English names.
  CollatedNameOrder();
  // `locale`'s collation.
  explicit CollatedNameOrder(const QLocale& locale);

  // Runs of digits by their value ("2" before "10"), letter case ignored;
  // names the collation holds equal by their exact characters.
  bool Before(std::u16string_view left, std::u16string_view right) const override;

 private:
  QCollator collator_;
};

}  // namespace solvane
