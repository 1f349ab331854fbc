// The CAP and NUM panes of the status bar. Qt reports lock-key states only
// as the X11 modifier bits of key events, so the panes follow the keyboard
// there and stay blank on other platforms.
#pragma once

#include <QObject>
#include <cstdint>

class QLabel;
class QStatusBar;

class LockKeyPanes : public QObject {
  Q_OBJECT

 public:
  static constexpr uint32_t kX11CapsLock = 0x02;  // LockMask
  static constexpr uint32_t kX11NumLock = 0x10;   // Mod2Mask, where X servers put Num Lock

  explicit LockKeyPanes(QStatusBar& bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the states carried by a key event's X11 modifier bits.
  void ShowModifierState(uint32_t x11Modifiers);

  QLabel* caps_;
  QLabel* num_;
};
