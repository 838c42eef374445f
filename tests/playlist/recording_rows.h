#pragma once
// A playlist view that writes down the row updates it receives.

#include <string>
#include <vector>

#include "playlist/playlist_rows.h"

namespace solvane {

class RecordingRows : public PlaylistRows {
 public:
  void RemoveRow(std::int32_t row) override { calls.push_back("remove " + std::to_string(row)); }
  void MarkRow(std::int32_t row) override { calls.push_back("mark " + std::to_string(row)); }
  void ReplaceFirstRowText(std::u16string_view text) override {
    calls.push_back("first row '" + std::string(text.begin(), text.end()) + "'");
  }
  void RemoveAllRowsButFirst() override { calls.push_back("keep first row"); }

  std::vector<std::string> calls;
};

}  // namespace solvane
