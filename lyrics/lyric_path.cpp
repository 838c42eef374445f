#include "lyrics/lyric_path.h"

#include <filesystem>
#include <system_error>

#include "base/regular_file.h"
#include "base/wide_text.h"
#include "lyrics/name_case.h"

namespace solvane {

namespace {

constexpr std::u16string_view kLyricExtension = u"LRC";

// Looks through `folder` for a regular file whose name equals `wanted`
// regardless of case. Names without a UTF-16 form cannot equal it and are
// passed over.
std::optional<std::string> FindNameIgnoringCase(const std::string& folder,
                                                std::u16string_view wanted) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? std::string(".") : folder, error);
  if (error) {
    return std::nullopt;
  }
  std::optional<std::string> best;
  for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    if (error) {
      break;
    }
    std::string name = entries->path().filename().native();
    const std::optional<std::u16string> wide = Utf8ToWide(name);
    if (!wide || !SameNameIgnoringCase(*wide, wanted)) {
      continue;
    }
    std::error_code statusError;
    if (!entries->is_regular_file(statusError) || statusError) {
      continue;
    }
    if (!best || name < *best) {
      best = std::move(name);
    }
  }
  if (!best) {
    return std::nullopt;
  }
  return folder + *best;
}

}  // namespace

std::optional<std::u16string> LyricPathFor(std::u16string_view trackPath) {
  if (trackPath.empty() || trackPath.size() >= kTrackPathField ||
      trackPath.find(u'\0') != std::u16string_view::npos) {
    return std::nullopt;
  }
  // Only a dot in the file name starts its ending; one in a folder's name
  // does not.
  const std::size_t slash = trackPath.rfind(u'/');
  const std::size_t nameStart = slash == std::u16string_view::npos ? 0 : slash + 1;
  const std::size_t dot = trackPath.rfind(u'.');
  const bool hasEnding = dot != std::u16string_view::npos && dot >= nameStart;
  if (!hasEnding && nameStart == trackPath.size()) {
    return std::nullopt;  // a folder, not a file
  }
  std::u16string lyricPath(trackPath.substr(0, hasEnding ? dot : trackPath.size()));
  lyricPath += u'.';
  lyricPath += kLyricExtension;
  return lyricPath;
}

std::optional<std::string> LocateLyricFile(std::u16string_view lyricPath) {
  const std::optional<std::string> exact = WideToUtf8(lyricPath);
  if (!exact) {
    return std::nullopt;
  }
  if (IsRegularFile(*exact)) {
    return exact;
  }
  // The folder keeps its trailing separator; a path without one lies in the
  // current folder.
  const std::size_t slash = lyricPath.rfind(u'/');
  const std::size_t nameStart = slash == std::u16string_view::npos ? 0 : slash + 1;
  const std::optional<std::string> folder = WideToUtf8(lyricPath.substr(0, nameStart));
  if (!folder) {
    return std::nullopt;
  }
  return FindNameIgnoringCase(*folder, lyricPath.substr(nameStart));
}

}  // namespace solvane
