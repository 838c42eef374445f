#pragma once
// Fonts for the face's text styles through Qt.

#include <QFont>
#include <QString>
#include <deque>
#include <string>

#include "face/canvas.h"

namespace solvane {

inline constexpr const char* kTahomaFolder = "/usr/share/wine/fonts";

// Registers tahoma.ttf and tahomabd.ttf from `folder` with the application's
// font database; call once after the QGuiApplication exists. False when the
// regular face could not be registered: "Tahoma" then falls back to the
// system's sans face.
bool RegisterTahomaFont(const QString& folder = QString::fromLatin1(kTahomaFolder));

// The QFont of each text style, made once and kept. A style's height is the
// character-cell height (ascent plus descent), as the skin's text was laid out
// for, so the font's pixel size is chosen to give that cell.
class QtFontCache {
 public:
  // The reference stays valid as long as the cache.
  const QFont& FontFor(const TextStyle& style);

 private:
  struct Entry {
    std::string face;
    int cellHeight;
    int weight;
    QFont font;
  };
  std::deque<Entry> entries_;  // a deque keeps handed-out references valid
};

}  // namespace solvane
