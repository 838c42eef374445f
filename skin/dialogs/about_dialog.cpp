#include "skin/dialogs/about_dialog.h"

#include <QLabel>
#include <QPixmap>

#include "resources/resource_paths.h"
#include "skin/dialogs/about_content.h"

namespace solvane {

namespace {

constexpr int kProductLogoId = 147;
constexpr int kMakerLogoId = 155;

QPixmap Logo(AboutItemKind kind) {
  const char* path =
      BuiltInImagePath(kind == AboutItemKind::kProductLogo ? kProductLogoId : kMakerLogoId);
  return path != nullptr ? QPixmap(QString::fromUtf8(path)) : QPixmap();
}

// A logo's control takes the bitmap's own size at the template's place.
void AddLogo(QWidget* body, const AboutItem& item, DialogBaseUnits base) {
  auto* label = new QLabel(body);
  const QPixmap logo = Logo(item.kind);
  label->setPixmap(logo);
  const DialogRect place = DialogUnitsToPixels(item.units, base, 1);
  label->setGeometry(place.x, place.y, logo.width(), logo.height());
  label->setObjectName(item.kind == AboutItemKind::kProductLogo ? "productLogo" : "makerLogo");
}

void AddText(QWidget* body, const AboutItem& item, DialogBaseUnits base, int areaWidth) {
  auto* label = new QLabel(QString::fromUtf8(item.text), body);
  label->setAlignment(Qt::AlignCenter);
  PlaceControl(label, item.units, base, Growth::kEvenly, areaWidth);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* mainWindow, int scale)
    : FullScreenDialog(mainWindow, "OK", scale) {
  Body()->setFont(DialogFont(kAboutFontPixels, scale));
  const DialogBaseUnits base = BaseUnitsOf(Body()->font());
  for (const AboutItem& item : kAboutItems) {
    if (item.kind == AboutItemKind::kCentredText) {
      AddText(Body(), item, base, width());
    } else {
      AddLogo(Body(), item, base);
    }
  }
}

void RunAboutDialog(QWidget* mainWindow, int scale) {
  AboutDialog dialog(mainWindow, scale);
  dialog.RunModal();
}

}  // namespace solvane
