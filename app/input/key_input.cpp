#include "app/input/key_input.h"

namespace solvane {
namespace {

struct KeyRow {
  int virtualKey;
  void (*action)(PlaybackContext&);
};

// Each volume step repaints the window, also when the volume stands at its
// limit, so the face always shows what the engine holds.
constexpr KeyRow kKeyTable[] = {
    {kVirtualKeyUp, VolumeUp},
    {kVirtualKeyDown, VolumeDown},
};

}  // namespace

bool HandleKeyDown(PlaybackContext& context, int virtualKey) {
  for (const KeyRow& row : kKeyTable) {
    if (row.virtualKey == virtualKey) {
      row.action(context);
      return true;
    }
  }
  return false;
}

}  // namespace solvane
