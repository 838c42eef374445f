// Where the built-in artwork lives among the program's Qt resources, and the
// name of the 480-pixel face file that lies beside the program.
#pragma once

namespace solvane {

inline constexpr const char kFaceImageResource[] = ":/skin/face_240.bmp";
inline constexpr const char kSpriteSheetResource[] = ":/skin/sprites_240.bmp";
inline constexpr const char kLargeSpriteSheetResource[] = ":/skin/sprites_480.bmp";
inline constexpr const char kProductLogoResource[] = ":/about/product_logo.bmp";
inline constexpr const char kMakerLogoResource[] = ":/about/maker_logo.bmp";
inline constexpr const char kFolderIconResource[] = ":/icons/folder_16.png";
inline constexpr const char kDocumentIconResource[] = ":/icons/document_16.png";
inline constexpr const char kLargeFolderIconResource[] = ":/icons/folder_32.png";
inline constexpr const char kLargeDocumentIconResource[] = ":/icons/document_32.png";

inline constexpr const char kWideFaceFileName[] = "wvrc.sv";

// The program's icon, drawn at each of these sizes; "%1" stands for the size.
inline constexpr const char kApplicationIconResource[] = ":/icons/app/solvane_%1.png";
inline constexpr int kApplicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The built-in bitmap or icon known by its resource number: 151 face image,
// 120 sprite sheet, 162 large sprite sheet, 147 product logo, 155 maker logo,
// 135/136 folder/document icon, 166/164 their 32-pixel forms. Any other
// number gives nullptr.
const char* BuiltInImagePath(int resourceId);

}  // namespace solvane
