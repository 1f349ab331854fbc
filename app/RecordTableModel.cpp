#include "app/RecordTableModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <limits>

#include "app/QLXReaderDoc.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

namespace {

QColor FromColourRef(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

RecordTableModel::RecordTableModel(const CQLXReaderDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {
  // The indices of a filter belong to the list they were made over.
  connect(&doc, &CQLXReaderDoc::ContentsAboutToChange, this, [this] {
    beginResetModel();
    shown_.reset();
  });
  connect(&doc, &CQLXReaderDoc::ContentsChanged, this, &RecordTableModel::endResetModel);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // Qt's views count rows in int; a log under the size limit stays far below.
  constexpr size_t kMaxRows = std::numeric_limits<int>::max();
  return static_cast<int>(std::min(ShownCount(), kMaxRows));
}

void RecordTableModel::ShowOnly(std::optional<std::vector<uint32_t>> records) {
  beginResetModel();
  shown_ = std::move(records);
  endResetModel();
}

size_t RecordTableModel::ShownCount() const { return shown_ ? shown_->size() : doc_.Count(); }

size_t RecordTableModel::TotalCount() const { return doc_.Count(); }

size_t RecordTableModel::RecordIndex(int row) const {
  return shown_ ? (*shown_)[static_cast<size_t>(row)] : static_cast<size_t>(row);
}

int RecordTableModel::RowOfRecord(size_t record) const {
  const int row = RowAtOrAfterRecord(record);
  return row >= 0 && RecordIndex(row) == record ? row : -1;
}

int RecordTableModel::RowAtOrAfterRecord(size_t record) const {
  if (!shown_) return record < doc_.Count() ? static_cast<int>(record) : -1;
  const auto at = std::lower_bound(shown_->begin(), shown_->end(), record);
  return at == shown_->end() ? -1 : static_cast<int>(at - shown_->begin());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const size_t record = RecordIndex(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return CellText(doc_.At(record), record, index.column());
    case Qt::ForegroundRole:
      return QBrush(FromColourRef(doc_.At(record).colour));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QString RecordTableModel::CellText(const Record& record, size_t index, int column) const {
  switch (column) {
    case kLine:
      return QString::number(index + 1);
    case kTime:
      return QString::fromLatin1(FormatLogTime(record.time));
    case kType:
      return QString::fromLatin1(MessageTypeName(record.type));
    case kData:
      DecodeRecord(DM_Summary, context_, record, nullptr);
      return QString::fromLatin1(context_.text.data(), static_cast<qsizetype>(context_.text.size()));
    default:
      return {};
  }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole) return QString::fromLatin1(kColumns[static_cast<size_t>(section)].header);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}
