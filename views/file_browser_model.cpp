#include "views/file_browser_model.h"

#include <algorithm>
#include <string>

#include "playlist/file_browser.h"
#include "views/browser_icons.h"
#include "skin/dialogs/qt_text.h"

namespace solvane {

namespace {

struct ColumnLook {
  const char* title;
  Qt::Alignment alignment;
};

constexpr ColumnLook kColumns[] = {
    {"Name", Qt::AlignLeft | Qt::AlignVCenter},
    {"Type", Qt::AlignRight | Qt::AlignVCenter},
    {"Size", Qt::AlignRight | Qt::AlignVCenter},
};

}  // namespace

FileBrowserModel::FileBrowserModel(const BrowserListing& listing, int scale, QObject* parent)
    : QAbstractTableModel(parent),
      listing_(listing),
      folderIcon_(BrowserIcon(BrowserIconKind::kFolder, scale)),
      fileIcon_(BrowserIcon(BrowserIconKind::kDocument, scale)) {}

int FileBrowserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::clamp(listing_.count, 0, kBrowserListingCapacity);
}

int FileBrowserModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant FileBrowserModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) {
    return {};
  }
  const BrowserEntry& entry = listing_.entries[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(BrowserCellText(entry, static_cast<BrowserColumn>(index.column())));
    case Qt::DecorationRole:
      if (index.column() == static_cast<int>(BrowserColumn::kName)) {
        return IsFolder(entry) ? folderIcon_ : fileIcon_;
      }
      return {};
    case Qt::TextAlignmentRole:
      return static_cast<int>(kColumns[index.column()].alignment);
    default:
      return {};
  }
}

QVariant FileBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    return QString::fromUtf8(kColumns[section].title);
  }
  if (role == Qt::TextAlignmentRole) {
    return static_cast<int>(kColumns[section].alignment);
  }
  return {};
}

}  // namespace solvane
