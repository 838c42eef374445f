#pragma once
// A bar of soft keys along the bottom of a dialog, as the handheld's soft-key
// menu bar draws them: white bold text on dark blue, the keys side by side
// filling the bar. Each key is at least as wide as its whole text; the keys
// share the rest of the width so that they come out as equal as their texts
// allow. When the texts do not fit side by side at the bar's font (a window
// narrower than the smallest screen), the keys' font shrinks, by at most a
// quarter; only when even that is too wide do the keys elide their texts. A
// key's text() stays its full text whatever it shows.

#include <QList>
#include <QWidget>

class QFont;
class QHBoxLayout;
class QPushButton;
class QResizeEvent;

namespace solvane {

class SoftKeyButton;

class SoftKeyBar final : public QWidget {
 public:
  // `scale` is the skin scale, which sizes the bar and its font.
  SoftKeyBar(QWidget* parent, int scale);

  // Adds a key with `text` at the right end of the bar, which owns it.
  QPushButton* AddKey(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Chooses the keys' font and their least widths for a bar `width` wide.
  void FitKeys(int width);
  // The width that the keys need side by side to show their whole texts.
  int WidthNeeded(const QFont& font) const;

  int scale_;
  QHBoxLayout* row_;
  QList<SoftKeyButton*> keys_;
};

}  // namespace solvane
