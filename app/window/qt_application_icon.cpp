#include "app/window/qt_application_icon.h"

#include <QSize>
#include <QString>

#include "resources/resource_paths.h"

namespace solvane {

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : kApplicationIconSizes) {
    icon.addFile(QString::fromLatin1(kApplicationIconResource).arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace solvane
