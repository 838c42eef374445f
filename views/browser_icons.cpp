#include "views/browser_icons.h"

#include <QPixmap>

#include "resources/resource_paths.h"

namespace solvane {

namespace {

constexpr int kFolderIcon16 = 135;
constexpr int kDocumentIcon16 = 136;
constexpr int kFolderIcon32 = 166;
constexpr int kDocumentIcon32 = 164;

}  // namespace

int BrowserIconResource(BrowserIconKind kind, int scale) {
  const bool large = scale >= 2;
  if (kind == BrowserIconKind::kFolder) {
    return large ? kFolderIcon32 : kFolderIcon16;
  }
  return large ? kDocumentIcon32 : kDocumentIcon16;
}

QIcon BrowserIcon(BrowserIconKind kind, int scale) {
  const char* path = BuiltInImagePath(BrowserIconResource(kind, scale));
  return path != nullptr ? QIcon(QPixmap(QString::fromUtf8(path))) : QIcon();
}

}  // namespace solvane
