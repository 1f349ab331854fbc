#include "app/ListSplitter.h"

#include <QResizeEvent>
#include <algorithm>

CListSplitter::CListSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent) {
  setObjectName(QStringLiteral("listSplitter"));
  setChildrenCollapsible(false);
  connect(this, &QSplitter::splitterMoved, this, &CListSplitter::RecordShare);
}

void CListSplitter::RecordShare() {
  recordedListHeight_ = sizes().value(0);
  recordedHeight_ = height();
}

void CListSplitter::resizeEvent(QResizeEvent* event) {
  QSplitter::resizeEvent(event);
  const int h = height();
  if (h <= 0 || count() < 2) return;
  if (!laidOut_) {
    laidOut_ = true;
    SetListHeight(h * 2 / 3);
    RecordShare();
  } else if (recordedHeight_ > 0) {
    SetListHeight(static_cast<int>(int64_t{h} * recordedListHeight_ / recordedHeight_));
  }
}

void CListSplitter::SetListHeight(int height) {
  const int list = std::max(height, kMinimumListHeight);
  setSizes({list, std::max(0, this->height() - list - handleWidth())});
}
