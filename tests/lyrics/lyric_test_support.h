#pragma once
// Building lyric records and lyric files for the tests.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fakes/made_folder.h"
#include "lyrics/lyric_state.h"

namespace solvane::testing {

// Puts `bytes` into `lyrics` as a load would: the content and tag index room
// (times and offsets) for one tag per ten bytes.
inline void PutContent(LyricState& lyrics, std::string_view bytes) {
  lyrics.size = static_cast<std::int32_t>(bytes.size());
  lyrics.content = std::make_unique<std::uint8_t[]>(bytes.size());
  if (!bytes.empty()) {
    std::memcpy(lyrics.content.get(), bytes.data(), bytes.size());
  }
  lyrics.tagIndex = std::make_unique<std::int32_t[]>(bytes.size() / 10);
  lyrics.tagOffset = std::make_unique<std::int32_t[]>(bytes.size() / 10);
  lyrics.tagCount = 0;
}

// "[mm:ss.d0]" for a time in tenths.
inline std::string TimeTag(int tenths) {
  char tag[32];
  std::snprintf(tag, sizeof(tag), "[%02d:%02d.%d0]", tenths / 600, tenths / 10 % 60, tenths % 10);
  return tag;
}

// Lines "[time]Line k" for k = 1..count, line k at k * step tenths.
inline std::string TimedLines(int count, int step) {
  std::string text;
  for (int k = 1; k <= count; ++k) {
    text += TimeTag(k * step) + "Line " + std::to_string(k) + "\r\n";
  }
  return text;
}

inline std::vector<std::int32_t> TagTimes(const LyricState& lyrics) {
  return {lyrics.tagIndex.get(), lyrics.tagIndex.get() + lyrics.tagCount};
}

inline std::vector<std::string> WindowTexts(const LyricState& lyrics) {
  std::vector<std::string> texts;
  for (int slot = 0; slot < lyrics.lineCount; ++slot) {
    texts.emplace_back(lyrics.lineText[slot]);
  }
  return texts;
}

inline std::vector<std::int32_t> WindowTimes(const LyricState& lyrics) {
  return {lyrics.lineTime, lyrics.lineTime + lyrics.lineCount};
}

// Names the instances of a table-driven test after the `name` of each row.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

// A folder of its own under the system's temporary folder, removed with
// everything in it when the test ends.
class TempFolder {
 public:
  // The folder's path, ending with "/".
  const std::string& Path() const { return path_; }

  void Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(path_ + name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  const MadeFolder& Made() const { return folder_; }

 private:
  MadeFolder folder_;
  std::string path_ = folder_.Path().string() + "/";
};

}  // namespace solvane::testing
