// The about box: a picture filling the whole box with the program's version
// written over it. A click anywhere closes it.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  // "Version " and the version this program was built as.
  static QString VersionText();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Dialog units, which follow the font as the box's layout was drawn in.
  QPoint FromDialogUnits(int x, int y) const;

  QLabel* version_;
};
