#include "playlist/state_file.h"

#include <cerrno>
#include <optional>

#include "playlist/file_bytes.h"
#include "playlist/file_system_name.h"
#include "playlist/state_codec.h"

namespace solvane {

namespace {

constexpr std::u16string_view kStateFileName = u"solvane.dat";

}  // namespace

std::u16string StateFilePath(std::u16string_view programFolder) {
  std::u16string path(programFolder);
  if (!path.empty() && path.back() != u'/') {
    path += u'/';
  }
  path += kStateFileName;
  return path;
}

bool LoadState(std::u16string_view path, Options& options, Playlist& playlist, PlayerState& player,
               std::int32_t& volume) {
  const std::optional<std::string> name = FileSystemName(path);
  if (!name) {
    return false;
  }
  const auto bytes = ReadFileStart(*name, kStateMaxBytes);
  return bytes && DecodeState(*bytes, options, playlist, player, volume);
}

bool SaveState(std::u16string_view path, const Options& options, const Playlist& playlist,
               const PlayerState& player, std::int32_t volume) {
  const std::optional<std::string> name = FileSystemName(path);
  if (!name) {
    errno = EINVAL;
    return false;
  }
  return ReplaceFileContents(*name, EncodeState(options, playlist, player, volume));
}

}  // namespace solvane
