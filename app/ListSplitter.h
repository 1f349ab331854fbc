// The frame's two panes, list above and decode below. The list first gets
// two thirds of the height; after that it keeps the share it has when the
// user last moved the bar, whatever the window's size.
#pragma once

#include <QSplitter>

class CListSplitter : public QSplitter {
  Q_OBJECT

 public:
  static constexpr int kMinimumListHeight = 50;

  explicit CListSplitter(QWidget* parent = nullptr);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RecordShare();
  void SetListHeight(int height);

  bool laidOut_ = false;
  int recordedListHeight_ = 0;
  int recordedHeight_ = 0;
};
