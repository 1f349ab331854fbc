#include "app/AboutDlg.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kWidthDu = 229;
constexpr int kHeightDu = 151;
constexpr QPoint kVersionAtDu{16, 45};
constexpr QSize kVersionSizeDu{68, 9};

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutBox"));
  setWindowTitle(QString());
  const QPoint size = FromDialogUnits(kWidthDu, kHeightDu);
  setFixedSize(size.x(), size.y());

  version_ = new QLabel(QStringLiteral("[version]"), this);
  version_->setObjectName(QStringLiteral("versionText"));
  version_->move(FromDialogUnits(kVersionAtDu.x(), kVersionAtDu.y()));
  const QPoint labelSize = FromDialogUnits(kVersionSizeDu.width(), kVersionSizeDu.height());
  version_->resize(labelSize.x(), labelSize.y());
  version_->setText(VersionText());
  version_->setStyleSheet(QStringLiteral("color: white"));
  // Clicks on the text close the box as clicks on the picture do.
  version_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString CAboutDlg::VersionText() { return QStringLiteral("Version ") + QStringLiteral(QLX_VERSION); }

QPoint CAboutDlg::FromDialogUnits(int x, int y) const {
  const QFontMetrics metrics = fontMetrics();
  return {x * metrics.averageCharWidth() / 4, y * metrics.height() / 8};
}

void CAboutDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient sea(0, 0, 0, height());
  sea.setColorAt(0, QColor(0x0B, 0x3D, 0x6E));
  sea.setColorAt(1, QColor(0x1F, 0x7A, 0x9C));
  painter.fillRect(rect(), sea);

  QFont title = font();
  title.setPointSizeF(title.pointSizeF() * 2.2);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(Qt::white);
  const QPoint titleAt = FromDialogUnits(16, 12);
  painter.drawText(QRect(titleAt, QSize(width() - titleAt.x(), QFontMetrics(title).height())), Qt::AlignLeft,
                   QStringLiteral("QLX Reader"));

  painter.setFont(font());
  const QPoint makerAt = FromDialogUnits(16, kHeightDu - 20);
  painter.drawText(QRect(makerAt, QSize(width() - makerAt.x(), fontMetrics().height())), Qt::AlignLeft,
                   QStringLiteral("Torvanode"));
}

void CAboutDlg::mousePressEvent(QMouseEvent*) { accept(); }
