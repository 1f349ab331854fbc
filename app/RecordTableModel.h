// The record list as a table whose cells are made when the view asks for
// them: a log of millions of records costs the view nothing per row. A
// filter narrows the rows to a list of record indices; the record list
// itself is never touched, and every row keeps its record's line number.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "decode/RecordDecoder.h"

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

  // The records shown, as indices in file order; nothing shows them all.
  void ShowOnly(std::optional<std::vector<uint32_t>> records);
  bool IsFiltered() const { return shown_.has_value(); }
  const CQLXReaderDoc& Doc() const { return doc_; }
  size_t ShownCount() const;
  size_t TotalCount() const;
  // The record of a row; the row must be below rowCount().
  size_t RecordIndex(int row) const;
  // The row showing a record, or -1 when the filter hides it.
  int RowOfRecord(size_t record) const;
  // The first row whose record is at or after this one, or -1.
  int RowAtOrAfterRecord(size_t record) const;

 private:
  QString CellText(const Record& record, size_t index, int column) const;

  const CQLXReaderDoc& doc_;
  std::optional<std::vector<uint32_t>> shown_;
  // Reused for every summary cell; nothing is cached between cells.
  mutable DecodeContext context_;
};
