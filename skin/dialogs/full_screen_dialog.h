#pragma once
// A modal dialog that covers the main window exactly (same place, same size),
// with a strip at its top that carries the caption and the one button that
// closes it ("OK" or "Done"), as the handheld's full-screen dialogs have in
// their title bar. There is no Cancel: Escape and the window's close button
// act as the top button does.

#include <QDialog>
#include <QFont>
#include <QString>

#include "skin/dialogs/dialog_units.h"

class QLabel;
class QPushButton;
class QWidget;

namespace solvane {

// Gives `bar` the look of the handheld's bars (the top strip, soft-key bars):
// 26 x scale pixels high, white bold text on dark blue. Buttons added to it
// afterwards take the look through StyleBarButton.
void StyleAsBar(QWidget* bar, int scale);
void StyleBarButton(QPushButton* button, int scale);

// The face of the dialogs' text: Tahoma, the handheld's system face, which it
// also puts in place of the other faces that dialog templates name; `pixels`
// at skin scale 1.
QFont DialogFont(int pixels, int scale);

// The base units of `font` as the platform measures them: half the average
// advance of the 52 letters, rounded up, and the font's line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// Places `control` at `units` of a dialog whose font has `base` units, widened
// as `growth` says when its content needs more room, within `areaWidth`.
void PlaceControl(QWidget* control, const DialogRect& units, DialogBaseUnits base, Growth growth,
                  int areaWidth);

class FullScreenDialog : public QDialog {
 public:
  // `scale` is the skin scale, 1 or 2. Without a main window the dialog takes
  // the size of the smallest screen at that scale.
  FullScreenDialog(QWidget* mainWindow, const QString& buttonText, int scale);

  QPushButton* TopButton() const { return topButton_; }
  // The part below the strip, for the dialog's own controls.
  QWidget* Body() const { return body_; }
  int Scale() const { return scale_; }

  // Shows the dialog modally; returns when it has closed.
  void RunModal() { exec(); }

  // Escape and closing the window do what the top button does.
  void reject() override { accept(); }

 private:
  int scale_;
  QLabel* caption_;
  QPushButton* topButton_;
  QWidget* body_;
};

}  // namespace solvane
