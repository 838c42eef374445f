// The file browser's soft keys at every window size the player runs in: the
// keys fill the bar, and each shows its whole text, measured with the key's
// own font against the style's label area and found whole in the drawn bar.

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "views/file_browser_dialog.h"
#include "tests/views/browser_records.h"
#include "tests/fakes/made_folder.h"
#include "tests/fakes/qt_test_support.h"

namespace solvane::testing {
namespace {

// A main window: the device screen less the desktop's title bar (26 x scale).
struct WindowCase {
  int width;
  int height;
  int scale;
  bool deviceScreen;  // one of the four screens the face is drawn for
};

void PrintTo(const WindowCase& window, std::ostream* out) {
  *out << window.width << "x" << window.height;
}

constexpr WindowCase kWindows[] = {
    {240, 294, 1, true},  {240, 374, 1, true},  {480, 588, 2, true},  {480, 748, 2, true},
    {200, 174, 1, false}, {300, 274, 1, false}, {640, 454, 1, false},
};

// Columns where the text's colour shows within `area` of `image`.
struct InkSpan {
  int first = -1;
  int last = -1;
  int Width() const { return first < 0 ? 0 : last - first + 1; }
};

InkSpan FindInk(const QImage& image, const QRect& area, const QColor& background,
                const QColor& text) {
  const int halfway = (background.red() + text.red()) / 2;
  InkSpan ink;
  for (int x = area.left(); x <= area.right(); ++x) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      if ((image.pixelColor(x, y).red() > halfway) == (text.red() > halfway)) {
        ink.last = x;
        ink.first = ink.first < 0 ? x : ink.first;
        break;
      }
    }
  }
  return ink;
}

// How wide the visible part of `text` is drawn in `font`, drawn alone on a
// wide canvas where nothing can cut it.
int WholeInkWidth(const QFont& font, const QString& text, const QColor& background,
                  const QColor& colour) {
  QImage canvas(QFontMetrics(font).horizontalAdvance(text) + 40, QFontMetrics(font).height() + 20,
                QImage::Format_RGB32);
  canvas.fill(background);
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(canvas.rect(), Qt::AlignCenter, text);
  painter.end();
  return FindInk(canvas, canvas.rect(), background, colour).Width();
}

// The rectangle the style draws a flat button's label in.
QRect LabelArea(QPushButton* key) {
  QStyleOptionButton option;
  option.initFrom(key);
  option.features = QStyleOptionButton::Flat;
  option.text = key->text();
  return key->style()->subElementRect(QStyle::SE_PushButtonContents, &option, key);
}

class SoftKeysTest : public ::testing::Test {
 protected:
  void Open(const WindowCase& window) {
    mainWindow.setFixedSize(window.width, window.height);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    WideCopy(records.browser->browserFolder, disk.Wide());
    dialog = std::make_unique<FileBrowserDialog>(&mainWindow, session, window.scale);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (const BrowserSoftKey& key : kBrowserSoftKeys) {
      keys.push_back(dialog->SoftKey(key.commandId));
      ASSERT_NE(keys.back(), nullptr);
      EXPECT_EQ(keys.back()->text(), QString::fromUtf8(key.text));
    }
    bar = keys.front()->parentWidget();
    // The margin the top strip keeps between its ends and its texts.
    const auto* caption = dialog->findChild<QLabel*>();
    ASSERT_NE(caption, nullptr);
    margin = caption->x();
    ASSERT_GT(margin, 0);
  }

  // The keys lie side by side from the bar's left edge to its right edge.
  void ExpectKeysFillTheBar() const {
    int x = 0;
    for (QPushButton* key : keys) {
      EXPECT_EQ(key->x(), x) << key->text().toStdString();
      x += key->width();
    }
    EXPECT_EQ(x, bar->width());
  }

  // The key, as drawn in the bar, shows all of `shown` (as wide as `shown`
  // drawn alone in the key's font), within the strip's margins.
  void ExpectDrawnInFull(QPushButton* key, const QString& shown) const {
    const QColor background = bar->palette().color(QPalette::Window);
    const QColor colour = bar->palette().color(QPalette::ButtonText);
    const InkSpan ink = FindInk(bar->grab().toImage(), key->geometry(), background, colour);
    const std::string name = key->text().toStdString();
    EXPECT_NEAR(ink.Width(), WholeInkWidth(key->font(), shown, background, colour), 1) << name;
    EXPECT_GE(ink.first - key->geometry().left(), margin) << name;
    EXPECT_GE(key->geometry().right() - ink.last, margin) << name;
  }

  int BarFontPixels() const { return dialog->TopButton()->font().pixelSize(); }

  MadeFolder disk;
  BrowserRecords records;
  BrowserSession session{records.playback, *records.browser, nullptr};
  QWidget mainWindow;
  std::unique_ptr<FileBrowserDialog> dialog;
  std::vector<QPushButton*> keys;
  QWidget* bar = nullptr;
  int margin = 0;
};

class SoftKeysAtWindowSize : public SoftKeysTest,
                             public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SoftKeysAtWindowSize, FillTheBarAndShowTheirWholeTexts) {
  Open(GetParam());
  ExpectKeysFillTheBar();
  const int barPixels = BarFontPixels();
  for (QPushButton* key : keys) {
    const std::string name = key->text().toStdString();
    // The trailing blanks count: the whole text, blanks and all, has room
    // within the strip's margins.
    EXPECT_LE(QFontMetrics(key->font()).horizontalAdvance(key->text()) + 2 * margin,
              LabelArea(key).width())
        << name;
    if (GetParam().deviceScreen) {
      EXPECT_EQ(key->font().pixelSize(), barPixels) << name;
    } else {
      EXPECT_GE(key->font().pixelSize() * 4, barPixels * 3) << name;
    }
    ExpectDrawnInFull(key, key->text());
  }
  const std::string size =
      std::to_string(GetParam().width) + "x" + std::to_string(GetParam().height);
  EXPECT_TRUE(SaveScreenshot(*dialog, "file_browser_" + size));
}

INSTANTIATE_TEST_SUITE_P(Windows, SoftKeysAtWindowSize, ::testing::ValuesIn(kWindows));

// Too narrow for the texts even at the smallest font the keys take (three
// quarters of the bar's): they share the bar equally and show as much of
// their texts as Qt's elision fits in the label area within the margins,
// rather than letting an edge cut them; their texts are still the full ones.
TEST_F(SoftKeysTest, AWindowTooNarrowForTheTextsElidesThemInsideTheKeys) {
  Open({150, 150, 1, false});
  ExpectKeysFillTheBar();
  const int barPixels = BarFontPixels();
  for (QPushButton* key : keys) {
    const std::string name = key->text().toStdString();
    EXPECT_NEAR(key->width(), bar->width() / 3, 1) << name;
    EXPECT_LT(key->font().pixelSize(), barPixels) << name;
    EXPECT_GE(key->font().pixelSize() * 4, barPixels * 3) << name;
    const QString elided =
        QFontMetrics(key->font())
            .elidedText(key->text().trimmed(), Qt::ElideRight, LabelArea(key).width() - 2 * margin);
    ExpectDrawnInFull(key, elided);
  }
  EXPECT_TRUE(SaveScreenshot(*dialog, "file_browser_150x150"));
}

}  // namespace
}  // namespace solvane::testing
