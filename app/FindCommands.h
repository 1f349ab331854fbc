// Edit > Find, Find Next, Find Previous, Go to Line and Go to Time. Find
// looks through the summaries of the rows shown, from the selection on, and
// wraps at either end; Go to Line takes the line numbers of the whole list,
// so that a line hidden by a filter leads to the next one shown.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

#include "decode/RecordDecoder.h"

class CQLXReaderView;
class QAction;
class QMenu;
class QStatusBar;
class QWidget;

class FindCommands : public QObject {
  Q_OBJECT

 public:
  FindCommands(QWidget& window, QMenu& editMenu, CQLXReaderView& list, QStatusBar& status);

  // The text Find Next and Find Previous look for.
  void SetFindText(const QString& text) { text_ = text; }
  // Select the next (or previous) row whose summary holds the text, case
  // ignored. False, with a message, when no row holds it.
  bool FindNext();
  bool FindPrevious();
  // Lines count from 1 over the whole record list.
  bool GoToLine(size_t line);
  // "hh:mm", "hh:mm:ss" or "hh:mm:ss.mmm": the first row shown at or after it.
  bool GoToTime(const QString& time);

 private:
  QAction* AddCommand(QMenu& menu, const char* name, const char* text, const QKeySequence& key,
                      const char* statusTip);
  void PromptFind();
  void PromptLine();
  void PromptTime();
  bool Search(bool forward);

  QWidget& window_;
  CQLXReaderView& list_;
  QStatusBar& status_;
  QString text_;
  // Scratch space of the summary decodes, reused for every row.
  DecodeContext context_;
};
