#include "app/QLXReaderView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "app/InfoView.h"
#include "app/QLXReaderDoc.h"
#include "app/TreeCtrlBinding.h"

namespace {

// The column widths are pixels, drawn for a small dialog font. A larger
// desktop font would cut every time short, so the list steps its font down
// until a time fits its column.
QFont FontFittingTheTimes(QFont font) {
  constexpr double kSmallestPointSize = 6.0;
  constexpr int kCellPadding = 8;
  const int room = RecordTableModel::kColumns[RecordTableModel::kTime].width - kCellPadding;
  while (font.pointSizeF() > kSmallestPointSize &&
         QFontMetrics(font).horizontalAdvance(QStringLiteral("00:00:00.000")) > room)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  return font;
}

}  // namespace

CQLXReaderView::CQLXReaderView(CQLXReaderDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(doc) {
  setObjectName(QStringLiteral("recordList"));
  setModel(&model_);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setFont(FontFittingTheTimes(font()));

  // Every row has the same height, so the view finds any row by arithmetic
  // and never measures a cell it does not draw.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);

  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    ShowRecordDetails(index.row());
  });
}

void CQLXReaderView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  if (!columnsMade_ && viewport()->width() > 0) MakeColumns();
}

void CQLXReaderView::MakeColumns() {
  for (int c = 0; c < RecordTableModel::kData; ++c)
    setColumnWidth(c, RecordTableModel::kColumns[static_cast<size_t>(c)].width);
  setColumnWidth(RecordTableModel::kData, viewport()->width() - RecordTableModel::kDataColumnMargin);
  columnsMade_ = true;
}

int CQLXReaderView::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void CQLXReaderView::keyPressEvent(QKeyEvent* event) {
  const bool hadSelection = SelectedRow() >= 0;
  // The table moves the selection, and keeps it at either end of the list.
  QTableView::keyPressEvent(event);
  if (hadSelection) ShowRecordDetails(SelectedRow());
}

void CQLXReaderView::ShowRecordDetails(int row) {
  if (row < 0 || static_cast<size_t>(row) >= doc_.Count()) return;
  const Record record = doc_.At(static_cast<size_t>(row));

  const size_t at = static_cast<size_t>(row);
  const EarlierRecordData earlier = [this, at](uint32_t back) {
    return back <= at ? doc_.At(at - back).data : std::span<const uint8_t>();
  };
  const std::string text = SelectionText(record, earlier);
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));

  if (CInfoView* info = doc_.InfoView()) {
    context_.earlier = earlier;
    DecodeRecord(DM_Full, context_, record, nullptr);
    ShowInTreeCtrl(*info, context_.tree);
  }
}
