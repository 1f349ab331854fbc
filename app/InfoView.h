// The lower pane: the full decode of the record last chosen in the list. The
// list view fills it; the view itself never changes the tree.
#pragma once

#include <QTreeWidget>

class CQLXReaderDoc;

class CInfoView : public QTreeWidget {
  Q_OBJECT

 public:
  CInfoView(CQLXReaderDoc& doc, QWidget* parent = nullptr);
};
