#include "app/InfoView.h"

#include <QHeaderView>

#include "app/QLXReaderDoc.h"

CInfoView::CInfoView(CQLXReaderDoc& doc, QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("infoView"));
  setColumnCount(1);
  setHeaderHidden(true);
  // Every line is one line of text; with uniform heights the view lays out a
  // 256-row byte dump without measuring each row.
  setUniformRowHeights(true);
  // Long decode lines scroll sideways instead of being cut off.
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  doc.SetInfoView(this);
}
