#include "app/RepositoryTableModel.h"

#include "decode/GatewayHooks.h"
#include "gateway/WXN.h"

RepositoryTableModel::RepositoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int RepositoryTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RepositoryTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kRepositoryColumnCount;
}

Repository* RepositoryTableModel::Shown() const {
  if (gateway_ == nullptr) return nullptr;
  GatewayEngine& engine = gateway_->Engine();
  return side_ == kN2kRepository ? &engine.n2kRepository : &engine.n183Repository;
}

QVariant RepositoryTableModel::data(const QModelIndex& index, int role) const {
  // The tip shows a cell whole where the column cuts it short.
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  Repository* repository = Shown();
  if (repository == nullptr) return {};
  const std::string text = RepositoryCell(*repository, rows_[static_cast<size_t>(index.row())],
                                          static_cast<RepositoryColumn>(index.column()), clock_);
  // Value texts are 8-bit: the degree sign is 0xB0.
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant RepositoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kRepositoryColumnCount)
    return {};
  return QString::fromLatin1(kRepositoryColumns[section].header);
}

void RepositoryTableModel::Refresh(CWXN* gateway, int side) {
  beginResetModel();
  gateway_ = gateway;
  side_ = side;
  clock_ = GatewayClock();
  Repository* repository = Shown();
  rows_ = repository != nullptr ? ListedRepositoryRows(*repository) : std::vector<RepositoryRowKey>{};
  endResetModel();
}
