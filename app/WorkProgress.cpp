#include "app/WorkProgress.h"

#include <QApplication>

namespace {

// Work done within this is over before a dialog could be read.
constexpr int kShowAfterMs = 400;
constexpr int kSteps = 1000;

}  // namespace

WorkProgress::WorkProgress(const QString& label, QWidget* parent)
    : dialog_(label, QStringLiteral("Cancel"), 0, kSteps, parent) {
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setMinimumDuration(kShowAfterMs);
}

bool WorkProgress::Update(size_t done, size_t total) {
  dialog_.setValue(total == 0 ? kSteps : static_cast<int>(done * kSteps / total));
  // The work reads the record list: until the modal dialog shows and blocks
  // the window, no click or key may open another file meanwhile.
  QApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
  return !dialog_.wasCanceled();
}
