// Writes a state file whose playlist is one file, so that a measured start
// plays it at once ("Play last file" on) or only lists it (off).
//
//   bench_state_file OUT FOLDER/ FILE PLAY_LAST(0|1)

#include <cstdio>
#include <fstream>
#include <memory>
#include <string_view>

#include "base/options.h"
#include "base/player_state.h"
#include "base/playlist.h"
#include "base/wide_text.h"
#include "playlist/state_codec.h"

int main(int argc, char** argv) {
  if (argc != 5 || (std::string_view(argv[4]) != "0" && std::string_view(argv[4]) != "1")) {
    std::fprintf(stderr, "usage: %s OUT FOLDER/ FILE PLAY_LAST(0|1)\n", argv[0]);
    return 2;
  }
  solvane::Options options;
  options.rememberPlaylist = 1;
  options.firstStartDone = 1;
  options.playLastFileAtStartup = argv[4][0] == '1' ? 1 : 0;
  auto playlist = std::make_unique<solvane::Playlist>();
  const auto folder = solvane::Utf8ToWide(argv[2]);
  const auto file = solvane::Utf8ToWide(argv[3]);
  if (!folder || !file || !solvane::WideCopy(playlist->folder[0], *folder) ||
      !solvane::WideCopy(playlist->fileName[0], *file)) {
    std::fprintf(stderr, "bench_state_file: the path is not UTF-8 or too long for the playlist\n");
    return 1;
  }
  playlist->playlistCount = 1;
  playlist->currentIndex = 0;
  const solvane::PlayerState player;
  const auto bytes = solvane::EncodeState(options, *playlist, player, solvane::kDefaultVolume);
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
