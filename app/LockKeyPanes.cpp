#include "app/LockKeyPanes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

QLabel* MakePane(QStatusBar& bar, const QString& name, const QString& widest) {
  auto* pane = new QLabel(&bar);
  pane->setObjectName(name);
  pane->setAlignment(Qt::AlignCenter);
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 8);
  bar.addPermanentWidget(pane);
  return pane;
}

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& bar)
    : QObject(&bar),
      caps_(MakePane(bar, QStringLiteral("capsPane"), QStringLiteral("CAP"))),
      num_(MakePane(bar, QStringLiteral("numPane"), QStringLiteral("NUM"))) {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) qApp->installEventFilter(this);
}

void LockKeyPanes::ShowModifierState(uint32_t x11Modifiers) {
  caps_->setText((x11Modifiers & kX11CapsLock) != 0 ? QStringLiteral("CAP") : QString());
  num_->setText((x11Modifiers & kX11NumLock) != 0 ? QStringLiteral("NUM") : QString());
}

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
    ShowModifierState(static_cast<QKeyEvent*>(event)->nativeModifiers());
  return QObject::eventFilter(watched, event);
}
