#pragma once
// The browser listing as a three-column table for the file browser's list:
// every cell text is asked of the browser core when the list needs it, and
// folders and files carry their icons at the skin's scale.

#include <QAbstractTableModel>
#include <QIcon>

#include "base/browser_listing.h"

namespace solvane {

class FileBrowserModel : public QAbstractTableModel {
 public:
  FileBrowserModel(const BrowserListing& listing, int scale, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brackets a change of the listing, so the list shows the rows afresh.
  void BeginListingChange() { beginResetModel(); }
  void EndListingChange() { endResetModel(); }

 private:
  const BrowserListing& listing_;
  QIcon folderIcon_;
  QIcon fileIcon_;
};

}  // namespace solvane
