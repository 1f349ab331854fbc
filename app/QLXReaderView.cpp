#include "app/QLXReaderView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <algorithm>
#include <set>
#include <string_view>

#include "app/InfoView.h"
#include "app/QLXReaderDoc.h"
#include "log/MessageType.h"
#include "query/FieldLines.h"

namespace {

// Room for the cell's margins on both sides and the grid line.
constexpr int kCellPadding = 16;

int TextWidth(const QFontMetrics& metrics, std::string_view text) {
  return metrics.horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

// Every type code up to the highest one, so that a name added to the table
// is measured too; codes without a row show "UNKNOWN".
int WidestTypeName(const QFontMetrics& metrics) {
  std::set<std::string_view> names;
  for (uint32_t type = 0; type <= MT_ASCII; ++type) names.insert(MessageTypeName(type));
  int widest = 0;
  for (std::string_view name : names) widest = std::max(widest, TextWidth(metrics, name));
  return widest;
}

void PutOnClipboard(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

CQLXReaderView::CQLXReaderView(CQLXReaderDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(doc), emptyHint_(new QLabel(viewport())) {
  setObjectName(QStringLiteral("recordList"));
  setModel(&model_);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setTabKeyNavigation(false);

  // Every row has the same height, so the view finds any row by arithmetic
  // and never measures a cell it does not draw.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(true);
  MakeColumns();
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
    if (!sizingColumns_ && column != RecordTableModel::kData) SaveColumnWidths();
  });

  emptyHint_->setObjectName(QStringLiteral("emptyListHint"));
  emptyHint_->setText(QString::fromLatin1(kEmptyListHint));
  emptyHint_->setAlignment(Qt::AlignCenter);
  emptyHint_->setForegroundRole(QPalette::PlaceholderText);
  // Drops and clicks go through to the list and the window.
  emptyHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  connect(&model_, &QAbstractItemModel::modelReset, this, &CQLXReaderView::ShowHintWhenEmpty);
  connect(&model_, &QAbstractItemModel::modelReset, this, &CQLXReaderView::FitLineNumbers);
  ShowHintWhenEmpty();

  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    ShowRecordDetails(index.row());
  });
}

int CQLXReaderView::FittingWidth(int column) const {
  const RecordTableModel::ColumnDefinition& definition = RecordTableModel::kColumns[static_cast<size_t>(column)];
  int width = std::max(TextWidth(fontMetrics(), definition.widest),
                       TextWidth(horizontalHeader()->fontMetrics(), definition.header));
  if (column == RecordTableModel::kType) width = std::max(width, WidestTypeName(fontMetrics()));
  return width + kCellPadding;
}

void CQLXReaderView::MakeColumns() {
  const QVariantList saved = QSettings().value(QString::fromLatin1(kColumnWidthsKey)).toList();
  sizingColumns_ = true;
  for (int c = 0; c < RecordTableModel::kData; ++c) {
    const int width = saved.value(c).toInt();
    setColumnWidth(c, width > 0 ? width : FittingWidth(c));
  }
  sizingColumns_ = false;
}

void CQLXReaderView::SaveColumnWidths() const {
  QVariantList widths;
  for (int c = 0; c < RecordTableModel::kData; ++c) widths.append(columnWidth(c));
  QSettings().setValue(QString::fromLatin1(kColumnWidthsKey), widths);
}

void CQLXReaderView::FitLineNumbers() {
  const int needed = fontMetrics().horizontalAdvance(QString::number(model_.rowCount())) + kCellPadding;
  if (columnWidth(RecordTableModel::kLine) >= needed) return;
  sizingColumns_ = true;
  setColumnWidth(RecordTableModel::kLine, needed);
  sizingColumns_ = false;
}

void CQLXReaderView::ShowHintWhenEmpty() { emptyHint_->setVisible(model_.rowCount() == 0); }

void CQLXReaderView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  emptyHint_->setGeometry(viewport()->rect());
}

int CQLXReaderView::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

QModelIndex CQLXReaderView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Rows are selected whole, so Home and End have no column to move to: they
  // go to the first and the last record, as Ctrl+Home and Ctrl+End do.
  if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
  return QTableView::moveCursor(action, modifiers);
}

void CQLXReaderView::keyPressEvent(QKeyEvent* event) {
  // The table's own copy would take only the current cell's text.
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    event->accept();
    return;
  }
  // The table moves the selection, and keeps it at either end of the list.
  QTableView::keyPressEvent(event);
  const int row = SelectedRow();
  if (row >= 0) ShowRecordDetails(row);
}

EarlierRecordData CQLXReaderView::EarlierRecords(size_t index) const {
  // Fragments of a message are looked up among the records before it in the
  // whole log, whatever the filter shows.
  return [this, index](uint32_t back) {
    return back <= index ? doc_.At(index - back).data : std::span<const uint8_t>();
  };
}

void CQLXReaderView::CopySelection() {
  const int row = SelectedRow();
  if (row < 0 || row >= model_.rowCount()) return;
  const size_t index = model_.RecordIndex(row);
  if (!doc_.GatewayMode()) {
    PutOnClipboard(SelectionText(doc_.At(index), EarlierRecords(index)));
    return;
  }
  // The gateway starts afresh for every record, so decoding again gives
  // what the selection showed.
  DecodeContext context;
  Decode(index, context);
  PutOnClipboard(SelectionText(doc_.At(index), context.earlier, context.text));
}

void CQLXReaderView::Decode(size_t index, DecodeContext& context) {
  context.earlier = EarlierRecords(index);
  if (doc_.GatewayMode())
    doc_.DecodeForGateway(index, context);
  else
    DecodeRecord(DM_Full, context, doc_.At(index), nullptr);
}

void CQLXReaderView::Choose(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  selectRow(row);
  scrollTo(model_.index(row, 0), QAbstractItemView::PositionAtCenter);
  ShowRecordDetails(row);
}

void CQLXReaderView::ShowRecordDetails(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const size_t index = model_.RecordIndex(row);
  // The fields the decode reports let the info view offer a plot of the one
  // under a line. A gateway decode also shows what the gateway sent, whose
  // fields are not the record's, so it offers none.
  FieldRecorder recorder;
  if (doc_.GatewayMode()) {
    Decode(index, context_);
  } else {
    const FieldSinkScope scope(recorder);
    Decode(index, context_);
  }
  PutOnClipboard(SelectionText(doc_.At(index), context_.earlier, context_.text));
  if (CInfoView* info = doc_.InfoView()) info->ShowDecode(index, context_.tree, std::move(recorder.fields));
}

void CQLXReaderView::ShowSelectedRecord() { ShowRecordDetails(SelectedRow()); }
