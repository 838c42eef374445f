#pragma once
// A shell that records what the core asked of the platform and answers
// message boxes as the test scripted.

#include <string>
#include <vector>

#include "base/shell.h"
#include "tests/fakes/code_unit_order.h"

namespace solvane::testing {

class RecordingShell : public Shell {
 public:
  int invalidations = 0;
  bool yesNoAnswer = true;
  std::vector<std::u16string> questions;  // caption + "|" + text of each Yes/No box
  std::vector<std::u16string> errors;     // caption + "|" + text of each error box
  std::u16string programFolder = u"/opt/solvane/";
  std::u16string musicFolder;
  // The listing order; code units unless a test gives another.
  const NameOrder* listingOrder = nullptr;
  ScreenSize screen{480, 800};
  std::uint32_t tickMs = 1000;

  void InvalidateMainWindow() override { ++invalidations; }
  bool AskYesNo(std::u16string_view caption, std::u16string_view text) override {
    questions.push_back(std::u16string(caption) + u"|" + std::u16string(text));
    return yesNoAnswer;
  }
  void ShowError(std::u16string_view caption, std::u16string_view text) override {
    errors.push_back(std::u16string(caption) + u"|" + std::u16string(text));
  }
  std::u16string ProgramFolder() const override { return programFolder; }
  std::u16string MusicFolder() const override { return musicFolder; }
  const NameOrder& ListingOrder() const override {
    return listingOrder != nullptr ? *listingOrder : codeUnits;
  }
  ScreenSize PrimaryScreenSize() const override { return screen; }
  std::uint32_t TickMilliseconds() const override { return tickMs; }
  void ReportRefusedFile(std::u16string_view path, std::u16string_view reason) override {
    refusedFiles.push_back(std::u16string(path) + u": " + std::u16string(reason));
  }
  std::vector<std::u16string> refusedFiles;  // "path: reason" of each refused file reported

 private:
  CodeUnitOrder codeUnits;
};

}  // namespace solvane::testing
