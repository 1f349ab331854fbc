// The upper pane: one row per record of the open log, each drawn in its
// record's colour. Choosing a row shows its full decode in the info view and
// puts its description on the clipboard.
#pragma once

#include <QTableView>

#include "app/RecordTableModel.h"
#include "log/RecordDecoder.h"

class CQLXReaderDoc;

class CQLXReaderView : public QTableView {
  Q_OBJECT

 public:
  CQLXReaderView(CQLXReaderDoc& doc, QWidget* parent = nullptr);

  // Does nothing for a row outside the list.
  void ShowRecordDetails(int row);

  RecordTableModel& Model() { return model_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void MakeColumns();
  int SelectedRow() const;

  CQLXReaderDoc& doc_;
  RecordTableModel model_;
  DecodeContext context_;
  bool columnsMade_ = false;
};
