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
    int width;  // pixels; the data column takes the rest of the view
  };
  static constexpr std::array<ColumnDefinition, kColumnCount> kColumns{{
      {"Line", 40},
      {"Time", 80},
      {"Type", 60},
      {"Data", 0},
  }};
  // What the data column leaves to the other three, scroll bar and borders.
  static constexpr int kDataColumnMargin = 201;

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
