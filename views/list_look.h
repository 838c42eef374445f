#pragma once
// The look the browser's list and the playlist view share: the blue-grey
// background behind rows and text, and text sized by the skin scale.

class QAbstractItemView;

namespace solvane {

void GiveListLook(QAbstractItemView* list, int scale);

}  // namespace solvane
