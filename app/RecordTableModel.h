// The record list as a table whose cells are made when the view asks for
// them: a log of millions of records costs the view nothing per row.
#pragma once

#include <QAbstractTableModel>
#include <array>

#include "log/RecordDecoder.h"

class CQLXReaderDoc;

class RecordTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kLine, kTime, kType, kData, kColumnCount };
  struct ColumnDefinition {
    const char* header;
    // The widest text the column shows, which its width is made to fit; the
    // data column takes the rest of the view instead.
    const char* widest;
  };
  static constexpr std::array<ColumnDefinition, kColumnCount> kColumns{{
      {"Line", "0000000"},  // widened when a log has more records
      {"Time", "00:00:00.000"},
      {"Type", "UNKNOWN"},
      {"Data", ""},
  }};

  explicit RecordTableModel(const CQLXReaderDoc& doc, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QString CellText(const Record& record, int row, int column) const;

  const CQLXReaderDoc& doc_;
  // Reused for every summary cell; nothing is cached between cells.
  mutable DecodeContext context_;
};
