#include "app/RecordTableModel.h"

#include <QBrush>
#include <QColor>
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
  connect(&doc, &CQLXReaderDoc::ContentsAboutToChange, this, &RecordTableModel::beginResetModel);
  connect(&doc, &CQLXReaderDoc::ContentsChanged, this, &RecordTableModel::endResetModel);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // Qt's views count rows in int; a log under the size limit stays far below.
  constexpr size_t kMaxRows = std::numeric_limits<int>::max();
  return static_cast<int>(std::min(doc_.Count(), kMaxRows));
}

int RecordTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return CellText(doc_.At(static_cast<size_t>(index.row())), index.row(), index.column());
    case Qt::ForegroundRole:
      return QBrush(FromColourRef(doc_.At(static_cast<size_t>(index.row())).colour));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QString RecordTableModel::CellText(const Record& record, int row, int column) const {
  switch (column) {
    case kLine:
      return QString::number(row + 1);
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
