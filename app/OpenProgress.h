// The status bar's sign that a file is being opened: a busy bar and a
// Cancel button, shown only while an open runs. The parse is one pass with
// no measure of how far it has got, so the bar shows activity, not a share.
#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

class OpenProgress : public QWidget {
  Q_OBJECT

 public:
  explicit OpenProgress(QWidget* parent = nullptr);

  void Start();
  void Stop();

 signals:
  void Cancelled();

 private:
  QProgressBar* bar_;
  QPushButton* cancel_;
};
