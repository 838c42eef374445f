#include "face/qt_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace solvane {

namespace {

QFont MakeFont(const TextStyle& style) {
  QFont font(QString::fromUtf8(style.fontFace.data(), static_cast<qsizetype>(style.fontFace.size())));
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(style.weight, 1, 1000)));
  const int cell = std::max(style.cellHeight, 1);
  font.setPixelSize(cell);
  const QFontMetricsF metrics(font);
  const double measuredCell = metrics.ascent() + metrics.descent();
  if (measuredCell > 0.0) {
    const double pixelSize = cell * static_cast<double>(cell) / measuredCell;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  }
  return font;
}

}  // namespace

bool RegisterTahomaFont(const QString& folder) {
  const QDir dir(folder);
  const bool regular =
      QFontDatabase::addApplicationFont(dir.filePath(QStringLiteral("tahoma.ttf"))) >= 0;
  QFontDatabase::addApplicationFont(dir.filePath(QStringLiteral("tahomabd.ttf")));
  return regular;
}

const QFont& QtFontCache::FontFor(const TextStyle& style) {
  for (const Entry& entry : entries_) {
    if (entry.cellHeight == style.cellHeight && entry.weight == style.weight &&
        entry.face == style.fontFace) {
      return entry.font;
    }
  }
  entries_.push_back({std::string(style.fontFace), style.cellHeight, style.weight,
                      MakeFont(style)});
  return entries_.back().font;
}

}  // namespace solvane
