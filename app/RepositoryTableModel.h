// One repository of the gateway as a table whose cells are made when the
// view draws them. The rows are listed at each refresh; ages are measured
// against the gateway clock of that refresh.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "gateway/Repository.h"
#include "gateway/RepositoryRows.h"

class CWXN;

class RepositoryTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RepositoryTableModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // Lists the rows of one repository of the gateway (RepositorySide) anew;
  // no gateway lists nothing.
  void Refresh(CWXN* gateway, int side);
  int Side() const { return side_; }
  uint32_t Clock() const { return clock_; }
  // The repository shown, or null without a gateway. Fetched from the
  // gateway each time: a database selection rebuilds its engine.
  Repository* Shown() const;

 private:
  CWXN* gateway_ = nullptr;
  int side_ = kN2kRepository;
  uint32_t clock_ = 0;
  std::vector<RepositoryRowKey> rows_;
};
