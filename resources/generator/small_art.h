// The artwork outside the face: the About dialog's two logos and the file
// browser's folder and document icons, and the program's icon on the desktop.
#pragma once

#include <QImage>

namespace skin_art {

QImage ProductLogo();  // 32 x 28, opaque
QImage MakerLogo();    // 67 x 21, opaque
QImage FolderIcon(int size);    // size x size, with alpha; drawn for 16 and 32
QImage DocumentIcon(int size);  // size x size, with alpha
QImage ApplicationIcon(int size);  // size x size, with alpha: the desktop's icon

}  // namespace skin_art
