#include "app/qt_shell.h"

#include <QMessageBox>
#include <QString>

#include <chrono>

#include "skin/dialogs/qt_text.h"

namespace solvane {

void QtShell::InvalidateMainWindow() {
  ++invalidations_;
  if (repainter_) {
    repainter_();
  } else {
    mainWindow_.update();
  }
}

bool QtShell::AskYesNo(std::u16string_view caption, std::u16string_view text) {
  if (answerer_) {
    return answerer_(caption, text, true);
  }
  return QMessageBox::warning(&mainWindow_, ToQString(caption), ToQString(text),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtShell::ShowError(std::u16string_view caption, std::u16string_view text) {
  if (answerer_) {
    answerer_(caption, text, false);
    return;
  }
  QMessageBox::critical(&mainWindow_, ToQString(caption), ToQString(text), QMessageBox::Ok);
}

std::uint32_t QtShell::TickMilliseconds() const {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  // Wraps like a tick count does.
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace solvane
