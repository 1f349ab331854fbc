// The upper pane: one row per record of the open log, each drawn in its
// record's colour. Choosing a row, by mouse or keyboard, shows its full
// decode (or its gateway decode, in gateway mode) in the info view and puts
// its description on the clipboard.
#pragma once

#include <QTableView>

#include "app/RecordTableModel.h"
#include "decode/RecordDecoder.h"

class CQLXReaderDoc;
class QLabel;

class CQLXReaderView : public QTableView {
  Q_OBJECT

 public:
  static constexpr const char* kColumnWidthsKey = "RecordList/ColumnWidths";
  static constexpr const char* kEmptyListHint = "Open a log (Ctrl+O) or drop one here";

  CQLXReaderView(CQLXReaderDoc& doc, QWidget* parent = nullptr);

  // Does nothing for a row outside the list. In gateway mode the record is
  // decoded through the document's gateway.
  void ShowRecordDetails(int row);
  // Again, after the way of decoding changed; nothing without a selection.
  void ShowSelectedRecord();
  // Selects the row and brings it into view; the info view and the clipboard
  // follow, as on a click. Does nothing for a row outside the list.
  void Choose(int row);
  // The selected record's description to the clipboard, as choosing it does;
  // nothing without a selection.
  void CopySelection();
  // The width the column needs for the widest text it can show.
  int FittingWidth(int column) const;

  RecordTableModel& Model() { return model_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  void MakeColumns();
  void SaveColumnWidths() const;
  void ShowHintWhenEmpty();
  // Never narrower than the last line number: a number cut short reads as
  // another number.
  void FitLineNumbers();
  int SelectedRow() const;
  // The full or the gateway decode of record `index`, by the document's mode.
  void Decode(size_t index, DecodeContext& context);
  EarlierRecordData EarlierRecords(size_t index) const;

  CQLXReaderDoc& doc_;
  RecordTableModel model_;
  DecodeContext context_;
  QLabel* emptyHint_;
  // Set while the program itself sizes the columns, so that only the
  // user's changes are remembered.
  bool sizingColumns_ = false;
};
