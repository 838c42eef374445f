#include "skin/dialogs/options_logic.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/wide_text.h"
#include "skin/background_image.h"

namespace solvane {

namespace {

char16_t FoldCase(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool EndsWithBmp(std::string_view name) {
  constexpr std::string_view kEnding = ".bmp";
  if (name.size() < kEnding.size()) {
    return false;
  }
  const std::string_view tail = name.substr(name.size() - kEnding.size());
  return std::equal(tail.begin(), tail.end(), kEnding.begin(), [](char a, char b) {
    return static_cast<char>(FoldCase(static_cast<char16_t>(a))) == b;
  });
}

// Case-blind order first, so "B.bmp" sorts between "a.bmp" and "c.bmp"; the
// raw code units decide between names that differ only in case.
bool ListBoxOrder(const std::u16string& a, const std::u16string& b) {
  const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
  if (mismatch.first != a.end() && mismatch.second != b.end()) {
    return FoldCase(*mismatch.first) < FoldCase(*mismatch.second);
  }
  if (a.size() != b.size()) {
    return a.size() < b.size();
  }
  return a < b;
}

// Which option each check box stands for.
struct OptionBinding {
  int controlId;
  std::int32_t Options::*field;
};

constexpr OptionBinding kOptionBindings[] = {
    {kIdPlayLastFileCheck, &Options::playLastFileAtStartup},
    {kIdRememberPlaylistCheck, &Options::rememberPlaylist},
    {kIdRememberPositionCheck, &Options::rememberLastPosition},
    {kIdBackgroundImageCheck, &Options::useBackgroundImage},
};

std::int32_t Options::*OptionField(int controlId) {
  for (const OptionBinding& binding : kOptionBindings) {
    if (binding.controlId == controlId) {
      return binding.field;
    }
  }
  return nullptr;
}

}  // namespace

std::vector<std::u16string> BackgroundImageList(std::u16string_view programFolder) {
  std::vector<std::u16string> names;
  const std::optional<std::string> folder = WideToUtf8(programFolder);
  if (!folder || folder->empty()) {
    return names;
  }
  std::error_code error;
  std::filesystem::directory_iterator entries(*folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().native();
    if (!EndsWithBmp(name)) {
      continue;
    }
    std::error_code statusError;
    if (!entries->is_regular_file(statusError)) {  // follows links; folders skipped
      continue;
    }
    std::optional<std::u16string> wide = Utf8ToWide(name);
    if (wide && wide->size() < kPathField) {
      names.push_back(std::move(*wide));
    }
  }
  std::sort(names.begin(), names.end(), ListBoxOrder);
  return names;
}

std::u16string_view CurrentBackgroundName(const Options& options) {
  const std::u16string_view path = WideView(options.backgroundImagePath);
  const std::size_t separator = path.rfind(u'/');
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::int32_t BackgroundListSelection(const std::vector<std::u16string>& names,
                                     std::u16string_view currentName) {
  if (currentName.empty()) {
    return -1;
  }
  const auto found = std::find(names.begin(), names.end(), currentName);
  return found == names.end() ? -1 : static_cast<std::int32_t>(found - names.begin());
}

bool IsOptionChecked(const Options& options, int controlId) {
  const auto field = OptionField(controlId);
  return field != nullptr && options.*field != 0;
}

void ApplyOptionCheckBox(OptionsContext& context, int controlId, bool checked) {
  const auto field = OptionField(controlId);
  if (field == nullptr) {
    return;
  }
  context.options.*field = checked ? 1 : 0;
  if (controlId == kIdBackgroundImageCheck) {
    LoadBackgroundImage(context.bitmaps, context.options, context.images);
  }
}

bool ChooseBackgroundImage(OptionsContext& context, std::u16string_view selectedName) {
  if (selectedName.empty()) {
    return false;
  }
  std::u16string path = context.programFolder;
  path += selectedName;
  if (path.size() >= kPathField) {
    return false;
  }
  WideCopy(context.options.backgroundImagePath, path);
  return true;
}

void ConfirmOptions(OptionsContext& context) { LoadBackgroundImage(context.bitmaps, context.options, context.images); }

}  // namespace solvane
