#pragma once
// What the About dialog shows, placed as its template places it. It shows the
// product and the maker and changes nothing in the program.

#include "skin/dialogs/dialog_units.h"

namespace solvane {

enum class AboutItemKind { kProductLogo, kMakerLogo, kCentredText };

struct AboutItem {
  AboutItemKind kind;
  DialogRect units;   // a logo's control takes the bitmap's own size
  const char* text;   // only for texts
};

inline constexpr char kAboutProductLine[] = "Morwick Solvane V 0.91.0B";
inline constexpr char kMakerWebAddress[] = "www.morwick.example";
inline constexpr char kMakerMailAddress[] = "support@morwick.example";

inline constexpr AboutItem kAboutItems[] = {
    {AboutItemKind::kProductLogo, {15, 12, 18, 16}, nullptr},
    {AboutItemKind::kMakerLogo, {14, 31, 38, 12}, nullptr},
    {AboutItemKind::kCentredText, {41, 12, 89, 8}, kAboutProductLine},
    {AboutItemKind::kCentredText, {34, 132, 72, 8}, kMakerWebAddress},
    {AboutItemKind::kCentredText, {34, 142, 72, 8}, kMakerMailAddress},
};

// Tahoma at 9 points, in pixels at skin scale 1.
inline constexpr int kAboutFontPixels = 12;

}  // namespace solvane
