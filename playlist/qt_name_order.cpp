#include "playlist/qt_name_order.h"

#include <QStringView>

namespace solvane {
namespace {

QLocale CollatingLocale() {
  const QLocale user;
  return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

QStringView View(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CollatedNameOrder::CollatedNameOrder() : CollatedNameOrder(CollatingLocale()) {}

CollatedNameOrder::CollatedNameOrder(const QLocale& locale) : collator_(locale) {
  collator_.setNumericMode(true);
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

bool CollatedNameOrder::Before(std::u16string_view left, std::u16string_view right) const {
  const int order = collator_.compare(View(left), View(right));
  return order != 0 ? order < 0 : left < right;
}

}  // namespace solvane
