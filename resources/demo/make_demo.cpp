// Writes the demo song and its lyric file into the folder given on the command
// line: "Paper Lanterns.mid" and "Paper Lanterns.lrc".

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/demo/demo_song.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const char* bytes, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes, static_cast<std::streamsize>(size));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::vector<std::uint8_t> song = solvane::demo::DemoSongMidi();
  const std::string lyrics = solvane::demo::DemoSongLyrics();
  if (!WriteFile(folder / "Paper Lanterns.mid", reinterpret_cast<const char*>(song.data()),
                 song.size()) ||
      !WriteFile(folder / "Paper Lanterns.lrc", lyrics.data(), lyrics.size())) {
    std::fprintf(stderr, "cannot write the demo song into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
