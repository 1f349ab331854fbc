#include "app/InfoView.h"

#include <QHeaderView>

#include "app/QLXReaderDoc.h"

CInfoView::CInfoView(CQLXReaderDoc& doc, QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("infoView"));
  setColumnCount(1);
  setHeaderHidden(true);
  // Long decode lines scroll sideways instead of being cut off.
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  doc.SetInfoView(this);
}
