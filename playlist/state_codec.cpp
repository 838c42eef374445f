#include "playlist/state_codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace solvane {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'S', 'V', '_', 'P'};
constexpr std::size_t kReservedBytes = 32;
// A text keeps one unit for its terminator.
constexpr std::size_t kTextCharacters = kPathField - 1;

class StateWriter {
 public:
  explicit StateWriter(std::size_t expectedSize) { bytes_.reserve(expectedSize); }

  void PutBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }

  void PutInt(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
      bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
  }

  // The text, at most 259 units, then zeros to the end of the field.
  void PutText(const char16_t (&field)[kPathField]) {
    const std::u16string_view text = WideView(field, kTextCharacters);
    for (const char16_t unit : text) {
      bytes_.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      bytes_.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    PutZeros(kStateTextBytes - 2 * text.size());
  }

  void PutZeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

std::int32_t DecodeInt(std::span<const std::uint8_t> bytes) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  }
  return static_cast<std::int32_t>(bits);
}

// `bytes` holds one whole 520-byte field.
void DecodeText(std::span<const std::uint8_t> bytes, char16_t (&field)[kPathField]) {
  std::size_t length = 0;
  while (length < kTextCharacters) {
    const auto unit = static_cast<char16_t>(bytes[2 * length] | (bytes[2 * length + 1] << 8));
    if (unit == u'\0') {
      break;
    }
    field[length++] = unit;
  }
  field[length] = u'\0';
}

// Walks the head in file order. A field is handed out only when the bytes hold
// it whole; once one is cut short, so is every later one.
class StateReader {
 public:
  explicit StateReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::optional<std::int32_t> TakeInt() {
    const auto field = Take(4);
    if (!field) {
      return std::nullopt;
    }
    return DecodeInt(*field);
  }

  void TakeIntInto(std::int32_t& target) {
    if (const auto value = TakeInt()) {
      target = *value;
    }
  }

  void TakeTextInto(char16_t (&target)[kPathField]) {
    if (const auto field = Take(kStateTextBytes)) {
      DecodeText(*field, target);
    }
  }

  void Skip(std::size_t count) { Take(count); }

 private:
  std::optional<std::span<const std::uint8_t>> Take(std::size_t count) {
    if (bytes_.size() - offset_ < count) {
      offset_ = bytes_.size();
      return std::nullopt;
    }
    const auto field = bytes_.subspan(offset_, count);
    offset_ += count;
    return field;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
};

// The entries the tables can hold, whatever the count says.
std::int32_t EntriesToWrite(const Playlist& playlist) {
  return std::clamp(playlist.playlistCount, std::int32_t{0}, std::int32_t{kPlaylistCapacity});
}

void EncodePlaylist(StateWriter& writer, const Playlist& playlist) {
  const std::int32_t count = EntriesToWrite(playlist);
  writer.PutInt(count);
  writer.PutInt(playlist.currentIndex);
  for (std::int32_t i = 0; i < count; ++i) {
    writer.PutText(playlist.folder[i]);
  }
  for (std::int32_t i = 0; i < count; ++i) {
    writer.PutText(playlist.fileName[i]);
  }
}

// `part` starts at the playlist count. Checks the whole part before writing
// anything, so the playlist is either restored entirely or left alone.
void DecodePlaylist(std::span<const std::uint8_t> part, Playlist& playlist) {
  if (part.size() < 8) {
    return;
  }
  const std::int32_t count = DecodeInt(part);
  if (count < 0 || count > kPlaylistCapacity) {
    return;
  }
  const auto entries = static_cast<std::size_t>(count);
  if (part.size() - 8 < entries * kStateEntryBytes) {
    return;
  }
  const auto folders = part.subspan(8, entries * kStateTextBytes);
  const auto names = part.subspan(8 + entries * kStateTextBytes, entries * kStateTextBytes);
  for (std::size_t i = 0; i < entries; ++i) {
    DecodeText(folders.subspan(i * kStateTextBytes, kStateTextBytes), playlist.folder[i]);
    DecodeText(names.subspan(i * kStateTextBytes, kStateTextBytes), playlist.fileName[i]);
  }
  playlist.playlistCount = count;
  playlist.currentIndex = DecodeInt(part.subspan(4));
}

}  // namespace

std::vector<std::uint8_t> EncodeState(const Options& options, const Playlist& playlist,
                                      const PlayerState& player, std::int32_t volume) {
  StateWriter writer(kStateHeadBytes +
                     kStateEntryBytes * static_cast<std::size_t>(EntriesToWrite(playlist)));
  writer.PutBytes(kMagic);
  writer.PutInt(kProgramVersion);
  writer.PutInt(volume);
  writer.PutInt(player.muted);
  writer.PutInt(player.playPosition);
  writer.PutInt(options.playLastFileAtStartup);
  writer.PutInt(options.rememberPlaylist);
  writer.PutInt(options.rememberLastPosition);
  writer.PutInt(options.useBackgroundImage);
  writer.PutText(options.backgroundImagePath);
  writer.PutInt(options.firstStartDone);
  writer.PutZeros(kReservedBytes);
  EncodePlaylist(writer, playlist);
  return writer.Take();
}

bool DecodeState(std::span<const std::uint8_t> bytes, Options& options, Playlist& playlist,
                 PlayerState& player, std::int32_t& volume) {
  if (bytes.size() < kMagic.size() || std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0) {
    return false;
  }
  StateReader reader(bytes.subspan(kMagic.size()));
  reader.Skip(4);  // the version is not compared
  reader.TakeIntInto(volume);
  reader.TakeIntInto(player.muted);
  if (const auto lastPosition = reader.TakeInt()) {
    player.resumePosition = *lastPosition;
    player.playPosition = *lastPosition;
  }
  reader.TakeIntInto(options.playLastFileAtStartup);
  reader.TakeIntInto(options.rememberPlaylist);
  reader.TakeIntInto(options.rememberLastPosition);
  reader.TakeIntInto(options.useBackgroundImage);
  reader.TakeTextInto(options.backgroundImagePath);
  reader.TakeIntInto(options.firstStartDone);
  if (options.rememberPlaylist != 0 && bytes.size() > kStatePlaylistOffset) {
    DecodePlaylist(bytes.subspan(kStatePlaylistOffset), playlist);
  }
  return true;
}

}  // namespace solvane
