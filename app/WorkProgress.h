// The progress of a long piece of work on the window's own thread (a text
// filter, a Find through millions of summaries): a dialog that shows only
// when the work lasts, with Cancel, while the window keeps painting.
#pragma once

#include <QProgressDialog>
#include <cstddef>

class WorkProgress {
 public:
  WorkProgress(const QString& label, QWidget* parent);

  // Shows done of total and lets events through; false once the user has
  // cancelled.
  bool Update(size_t done, size_t total);

 private:
  QProgressDialog dialog_;
};
