// Writes the state file fuzz target's seeds: files the program itself would
// save, from an empty playlist up to a full one of 300 entries, so that the
// fuzzer starts from inputs that reach the playlist part and its limits.
//
// state_file_seeds <seed folder> <corpus folder>: the seed folder is filled
// afresh; the corpus folder, where the fuzzer keeps what it finds, is emptied
// so that short runs do not pile up inputs of a third of a megabyte.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "playlist/state_codec.h"
#include "tests/playlist/state_records.h"

namespace {

namespace fs = std::filesystem;

solvane::StateRecords RecordsWith(int entries, bool rememberPlaylist) {
  solvane::StateRecords records;
  records.options.rememberPlaylist = rememberPlaylist ? 1 : 0;
  records.options.rememberLastPosition = 1;
  records.player.playPosition = 1234;
  solvane::WideCopy(records.options.backgroundImagePath, u"/opt/solvane/sky.bmp");
  for (int i = 0; i < entries; ++i) {
    solvane::WideCopy(records.playlist->folder[i], u"/music/\u00c5lbum/");
    solvane::WideCopy(records.playlist->fileName[i],
                      solvane::Wide(std::to_string(i)) + u" song \u266b.mp3");
  }
  records.playlist->playlistCount = entries;
  records.playlist->currentIndex = entries - 1;
  return records;
}

std::vector<std::uint8_t> Encoded(const solvane::StateRecords& records) {
  return solvane::EncodeState(records.options, *records.playlist, records.player, records.volume);
}

bool Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <seed folder> <corpus folder>\n", argv[0]);
    return 2;
  }
  const fs::path seeds = argv[1];
  const fs::path corpus = argv[2];
  fs::remove_all(seeds);
  fs::remove_all(corpus);
  fs::create_directories(seeds);
  fs::create_directories(corpus);

  bool written = true;
  for (const int entries : {0, 1, 2, 150, 299, 300}) {
    const std::vector<std::uint8_t> bytes = Encoded(RecordsWith(entries, true));
    written = Write(seeds / ("entries-" + std::to_string(entries)), bytes) && written;
  }
  written = Write(seeds / "playlist-not-kept", Encoded(RecordsWith(3, false))) && written;

  // A full file that announces one entry more than it holds, and one cut in
  // the middle of its file names.
  std::vector<std::uint8_t> full = Encoded(RecordsWith(300, true));
  constexpr std::size_t kCountOffset = 592;
  full[kCountOffset] = 45;  // 301, little-endian
  full[kCountOffset + 1] = 1;
  written = Write(seeds / "count-beyond-capacity", full) && written;
  full.resize(full.size() - 4000);
  written = Write(seeds / "cut-short", full) && written;
  return written ? 0 : 1;
}
