#pragma once
// Window actions that record what the input handling asked of the window.

#include <string>
#include <vector>

#include "app/input/window_actions.h"

namespace solvane::testing {

class RecordingPlaylistRows : public PlaylistRows {
 public:
  std::vector<std::string> calls;
  void RemoveRow(std::int32_t row) override { calls.push_back("remove " + std::to_string(row)); }
  void MarkRow(std::int32_t row) override { calls.push_back("mark " + std::to_string(row)); }
  void ReplaceFirstRowText(std::u16string_view) override { calls.emplace_back("replace"); }
  void RemoveAllRowsButFirst() override { calls.emplace_back("removeAllButFirst"); }
};

class RecordingWindow : public WindowActions {
 public:
  std::vector<std::string> calls;
  WindowRect rect{10, 20, 490, 820};
  std::vector<WindowRect> restored;
  bool viewExists = false;
  RecordingPlaylistRows rows;

  void ShowFileBrowser() override { calls.emplace_back("browser"); }
  void ShowAboutDialog() override { calls.emplace_back("about"); }
  void ShowOptionsDialog() override { calls.emplace_back("options"); }
  void StopPollTimer() override { calls.emplace_back("stopTimer"); }
  void CloseMainWindow() override { calls.emplace_back("close"); }
  void MinimizeMainWindow() override { calls.emplace_back("hide"); }
  WindowRect MainWindowRect() override { return rect; }
  void CollapseToMenuBar() override { calls.emplace_back("collapse"); }
  void RestoreWindow(const WindowRect& saved) override {
    calls.emplace_back("restore");
    restored.push_back(saved);
  }
  void TurnScreenOff() override { calls.emplace_back("screenOff"); }
  void CreatePlaylistView() override {
    calls.emplace_back("createView");
    viewExists = true;
  }
  void DestroyPlaylistView() override {
    calls.emplace_back("destroyView");
    viewExists = false;
  }
  PlaylistRows* PlaylistViewRows() override { return viewExists ? &rows : nullptr; }
};

}  // namespace solvane::testing
