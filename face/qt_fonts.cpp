#include "face/qt_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

#include "face/qt_cell_metrics.h"

namespace solvane {

namespace {

struct SizedFont {
  QFont font;
  int cellAscent;
};

// The style's font at the pixel size whose character cell is the style's
// height. A face without the tables (see CellOf) is sized by Qt's ascent and
// descent instead.
SizedFont MakeFont(const TextStyle& style) {
  QFont font(
      QString::fromUtf8(style.fontFace.data(), static_cast<qsizetype>(style.fontFace.size())));
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(style.weight, 1, 1000)));
  const int cell = std::max(style.cellHeight, 1);
  font.setPixelSize(cell);
  if (const std::optional<FontCell> fontCell = CellOf(font)) {
    const double pixelsPerUnit = static_cast<double>(cell) / fontCell->Height();
    const int pixelSize = std::max(
        1, static_cast<int>(std::lround(pixelsPerUnit * fontCell->unitsPerEm)));
    font.setPixelSize(pixelSize);
    const double scale = static_cast<double>(pixelSize) / fontCell->unitsPerEm;
    return {font, static_cast<int>(std::lround(scale * fontCell->ascent))};
  }
  const QFontMetricsF metrics(font);
  const double measuredCell = metrics.ascent() + metrics.descent();
  if (measuredCell > 0.0) {
    const double pixelSize = cell * static_cast<double>(cell) / measuredCell;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  }
  return {font, static_cast<int>(std::lround(QFontMetricsF(font).ascent()))};
}

}  // namespace

bool RegisterTahomaFont(const QString& folder) {
  const QDir dir(folder);
  const bool regular =
      QFontDatabase::addApplicationFont(dir.filePath(QStringLiteral("tahoma.ttf"))) >= 0;
  QFontDatabase::addApplicationFont(dir.filePath(QStringLiteral("tahomabd.ttf")));
  return regular;
}

std::size_t QtFontCache::LineKeyHash::operator()(const LineKey& key) const {
  return std::hash<std::u16string>{}(key.text) * 31 + key.font;
}

std::size_t QtFontCache::FontIndex(const TextStyle& style) {
  for (std::size_t index = 0; index < fonts_.size(); ++index) {
    const Font& font = fonts_[index];
    if (font.cellHeight == style.cellHeight && font.weight == style.weight &&
        font.face == style.fontFace) {
      return index;
    }
  }
  SizedFont sized = MakeFont(style);
  fonts_.push_back({std::string(style.fontFace), style.cellHeight, style.weight,
                    std::move(sized.font), sized.cellAscent});
  return fonts_.size() - 1;
}

const QFont& QtFontCache::FontFor(const TextStyle& style) { return fonts_[FontIndex(style)].font; }

int QtFontCache::CellAscent(const TextStyle& style) {
  return fonts_[FontIndex(style)].cellAscent;
}

QRgb RgbOf(const TextStyle& style) {
  return qRgb(style.colour.red, style.colour.green, style.colour.blue);
}

const QtTextLine* QtFontCache::Line(std::u16string_view text, const TextStyle& style,
                                    bool shape) {
  const std::size_t font = FontIndex(style);
  LineKey key{std::u16string(text), font};
  auto found = lines_.find(key);
  if (found == lines_.end()) {
    if (!shape) {
      return nullptr;
    }
    found = lines_.emplace(std::move(key), KeptLine{ShapeTextLine(text, fonts_[font].font)}).first;
  }
  found->second.lastPaint = paint_;
  return &found->second.shaped;
}

void QtFontCache::EndPaint() {
  std::erase_if(lines_, [this](const auto& entry) { return entry.second.lastPaint != paint_; });
  ++paint_;
}

}  // namespace solvane
