// Arbitrary bytes as the state file: restoring them must never read out of
// bounds, and what was restored must survive a save and a second load
// unchanged, byte for byte.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "playlist/state_codec.h"
#include "tests/playlist/state_records.h"

namespace {

using solvane::StateRecords;

// Back to the start-up defaults. Slots past the count carry no meaning, so the
// big tables are not cleared on every run.
StateRecords& Reset(StateRecords& records) {
  records.options = solvane::Options();
  records.player = solvane::PlayerState();
  records.volume = solvane::kDefaultVolume;
  records.playlist->playlistCount = 0;
  records.playlist->currentIndex = 0;
  return records;
}

bool Load(std::span<const std::uint8_t> bytes, StateRecords& records) {
  return solvane::DecodeState(bytes, records.options, *records.playlist, records.player,
                              records.volume);
}

std::vector<std::uint8_t> Save(const StateRecords& records) {
  return solvane::EncodeState(records.options, *records.playlist, records.player, records.volume);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const StateRecords defaults;
  static StateRecords first;
  static StateRecords second;
  if (!Load(std::span<const std::uint8_t>(data, size), Reset(first))) {
    // Without the magic nothing may change.
    if (!solvane::FirstDifference(first, defaults).empty()) {
      std::abort();
    }
    return 0;
  }
  const std::vector<std::uint8_t> saved = Save(first);
  if (!Load(saved, Reset(second)) || !solvane::FirstDifference(first, second).empty() ||
      Save(second) != saved) {
    std::abort();
  }
  return 0;
}
