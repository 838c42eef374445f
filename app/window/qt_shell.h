#pragma once
// The shell seam on Qt: repaints go to the main window, message boxes are
// owned by it, and the program's folder and the device screen are fixed when
// the window is made.

#include <QWidget>

#include <functional>
#include <string>

#include "base/shell.h"
#include "playlist/qt_name_order.h"

class QMessageBox;

namespace solvane {

class QtShell final : public Shell {
 public:
  // Answers a message box in place of the user: `yesNo` tells a Yes/No box
  // from an OK box; the result is the Yes/No answer.
  using MessageBoxAnswerer =
      std::function<bool(std::u16string_view caption, std::u16string_view text, bool yesNo)>;

  QtShell(QWidget& mainWindow, std::u16string programFolder, std::u16string dataFolder,
          ScreenSize screen)
      : mainWindow_(mainWindow),
        programFolder_(std::move(programFolder)),
        dataFolder_(std::move(dataFolder)),
        screen_(screen) {}

  void InvalidateMainWindow() override;
  bool AskYesNo(std::u16string_view caption, std::u16string_view text) override;
  void ShowError(std::u16string_view caption, std::u16string_view text) override;
  std::u16string ProgramFolder() const override { return programFolder_; }
  std::u16string DataFolder() const override { return dataFolder_; }
  std::u16string MusicFolder() const override;
  const NameOrder& ListingOrder() const override { return listingOrder_; }
  ScreenSize PrimaryScreenSize() const override { return screen_; }
  std::uint32_t TickMilliseconds() const override;
  // On standard error: "Solvane: cannot play <path>: <reason>".
  void ReportRefusedFile(std::u16string_view path, std::u16string_view reason) override;

  // What a repaint request does; by default the whole main window is updated.
  void SetRepainter(std::function<void()> repainter) { repainter_ = std::move(repainter); }

  // Closes the message box that is open, if any, as if it had been answered
  // No: the program is ending (a termination signal, the desktop's close)
  // and no box may keep it waiting.
  void DismissOpenMessageBox();

  // For tests: answer message boxes without showing them.
  void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { answerer_ = std::move(answerer); }
  // How often a repaint has been asked for.
  int Invalidations() const { return invalidations_; }

 private:
  QWidget& mainWindow_;
  std::u16string programFolder_;
  std::u16string dataFolder_;
  ScreenSize screen_;
  CollatedNameOrder listingOrder_;
  // Shows a box owned by the main window and waits for its answer; false
  // when it was dismissed rather than answered.
  bool RunMessageBox(int icon, std::u16string_view caption, std::u16string_view text,
                     int buttons, int yesButton);

  MessageBoxAnswerer answerer_;
  std::function<void()> repainter_;
  QMessageBox* openBox_ = nullptr;
  bool openBoxDismissed_ = false;
  int invalidations_ = 0;
};

}  // namespace solvane
