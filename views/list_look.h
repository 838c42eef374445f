#pragma once
// The look the browser's list and the playlist view share: the blue-grey
// background behind rows and text, and text sized by the skin scale. And the
// playlist view's mark: bold text on an amber background, which the list's own
// selection does not hide.

class QAbstractItemView;
class QTreeWidgetItem;

namespace solvane {

void GiveListLook(QAbstractItemView* list, int scale);

// Puts the mark on `item` or takes it off.
void ShowRowMark(QTreeWidgetItem* item, bool marked);

// Makes `list` draw a marked row as marked when it is selected too: the mark
// keeps its background and text, and the selection shows as a frame around
// the row. Rows without the mark show the selection as usual.
void KeepMarksVisibleUnderSelection(QAbstractItemView* list);

}  // namespace solvane
