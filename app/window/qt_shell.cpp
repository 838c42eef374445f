#include "app/window/qt_shell.h"

#include <QMessageBox>
#include <QStandardPaths>
#include <QString>

#include <chrono>
#include <cstdio>

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

bool QtShell::RunMessageBox(int icon, std::u16string_view caption, std::u16string_view text,
                            int buttons, int yesButton) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), ToQString(caption), ToQString(text),
                  static_cast<QMessageBox::StandardButtons>(buttons), &mainWindow_);
  QMessageBox* const outer = openBox_;
  const bool outerDismissed = openBoxDismissed_;
  openBox_ = &box;
  openBoxDismissed_ = false;
  const int answer = box.exec();
  const bool dismissed = openBoxDismissed_;
  openBox_ = outer;
  openBoxDismissed_ = outerDismissed;
  return !dismissed && answer == yesButton;
}

void QtShell::DismissOpenMessageBox() {
  if (openBox_ != nullptr && !openBoxDismissed_) {
    openBoxDismissed_ = true;
    openBox_->done(QMessageBox::No);
  }
}

bool QtShell::AskYesNo(std::u16string_view caption, std::u16string_view text) {
  if (answerer_) {
    return answerer_(caption, text, true);
  }
  return RunMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::Yes);
}

void QtShell::ShowError(std::u16string_view caption, std::u16string_view text) {
  if (answerer_) {
    answerer_(caption, text, false);
    return;
  }
  RunMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::u16string QtShell::MusicFolder() const {
  return QStandardPaths::writableLocation(QStandardPaths::MusicLocation).toStdU16String();
}

std::uint32_t QtShell::TickMilliseconds() const {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  // Wraps like a tick count does.
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void QtShell::ReportRefusedFile(std::u16string_view path, std::u16string_view reason) {
  const QByteArray line = QStringLiteral("Solvane: cannot play %1: %2\n")
                              .arg(QString::fromStdU16String(std::u16string(path)),
                                   QString::fromStdU16String(std::u16string(reason)))
                              .toUtf8();
  std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

}  // namespace solvane
