#pragma once
// The row updates the playlist view receives when entries are deleted. The
// operations take a pointer that is null while no view exists, so updates sent
// then do nothing.

#include <cstdint>
#include <string_view>

namespace solvane {

class PlaylistRows {
 public:
  virtual ~PlaylistRows() = default;
  virtual void RemoveRow(std::int32_t row) = 0;
  // Puts the highlight mark on `row` alone; -1 leaves no row marked.
  virtual void MarkRow(std::int32_t row) = 0;
  virtual void ReplaceFirstRowText(std::u16string_view text) = 0;
  virtual void RemoveAllRowsButFirst() = 0;
};

}  // namespace solvane
