#pragma once
// The platform services that the core logic asks for. The application passes a
// Qt implementation in; tests pass a recording fake.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/name_order.h"

namespace solvane {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // Marks the whole main window for repainting.
  virtual void InvalidateMainWindow() = 0;

  // A Yes/No message box owned by the main window; true for Yes.
  virtual bool AskYesNo(std::u16string_view caption, std::u16string_view text) = 0;

  // A message box with only an OK button, owned by the main window.
  virtual void ShowError(std::u16string_view caption, std::u16string_view text) = 0;

  // The folder of the user's files (the state file, background images),
  // ending with '/': the program's own folder, unless the program is
  // installed where the user cannot write.
  virtual std::u16string ProgramFolder() const = 0;

  // The folder the program's data ("wvrc.sv") comes from, ending with '/':
  // the program folder, unless the program is installed.
  virtual std::u16string DataFolder() const { return ProgramFolder(); }

  // The user's music folder as the desktop names it (absolute), or empty
  // when the desktop names none.
  virtual std::u16string MusicFolder() const = 0;

  // The order the file browser lists a folder's names in.
  virtual const NameOrder& ListingOrder() const = 0;

  // The size of the device screen (the main window).
  virtual ScreenSize PrimaryScreenSize() const = 0;

  // A millisecond clock, as the handheld's tick count.
  virtual std::uint32_t TickMilliseconds() const = 0;

  // Tells the user that a file handed in from outside (the command line, a
  // later start, the desktop) was refused by the engine, and why. Nothing by
  // default.
  virtual void ReportRefusedFile(std::u16string_view /*path*/, std::u16string_view /*reason*/) {}
};

}  // namespace solvane
