#pragma once
// Fixed-width UTF-16 text fields: every path and name is kept NUL-terminated in
// a field of a fixed number of code units, in place, with nothing allocated per
// entry. Conversions to and from the file system's UTF-8 happen only at the
// boundary and refuse what cannot round-trip.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// Paths and names: 260 code units including the terminator.
inline constexpr std::size_t kPathField = 260;
// A track path: a folder and a file name of at most 259 units each.
inline constexpr std::size_t kTrackPathField = 536;

// Length of the text in a field, never looking past `capacity` units.
std::size_t WideLength(const char16_t* field, std::size_t capacity);

// The text of a field as a view, bounded by `capacity`.
std::u16string_view WideView(const char16_t* field, std::size_t capacity);

template <std::size_t N>
std::u16string_view WideView(const char16_t (&field)[N]) {
  return WideView(field, N);
}

// Copies `text` into a field of `capacity` units and terminates it. Text that
// does not fit is cut to capacity - 1 units; the result says whether it fit.
bool WideCopy(char16_t* field, std::size_t capacity, std::u16string_view text);

template <std::size_t N>
bool WideCopy(char16_t (&field)[N], std::u16string_view text) {
  return WideCopy(field, N, text);
}

// Appends `text` only when the whole result fits (with its terminator); a text
// that would not fit leaves the field unchanged and returns false.
bool WideAppend(char16_t* field, std::size_t capacity, std::u16string_view text);

template <std::size_t N>
bool WideAppend(char16_t (&field)[N], std::u16string_view text) {
  return WideAppend(field, N, text);
}

// UTF-16 -> UTF-8. Returns nothing for unpaired surrogates, which have no
// UTF-8 form, so such a name can never open a different file.
std::optional<std::string> WideToUtf8(std::u16string_view text);

// UTF-8 -> UTF-16. Returns nothing for bytes that are not valid UTF-8.
std::optional<std::u16string> Utf8ToWide(std::string_view text);

// For literals and tests: ASCII/UTF-8 text known to be valid.
std::u16string Wide(std::string_view utf8);

// Index of the last '/' among all characters of `path` except its final one;
// 0 when there is none or the path is shorter than 2 characters. The units up
// to and including it are the containing folder with its trailing separator.
std::size_t LastSeparator(std::u16string_view path);

}  // namespace solvane
