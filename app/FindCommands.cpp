#include "app/FindCommands.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "app/WorkProgress.h"
#include "query/RecordFacts.h"

namespace {

constexpr int kMessageMs = 5000;
// Summaries decoded between two looks at the progress dialog.
constexpr long long kStepsBetweenUpdates = 16384;

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
  const auto lower = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), lower) != text.end();
}

int SelectedRow(const CQLXReaderView& list) {
  const QModelIndexList rows = list.selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace

FindCommands::FindCommands(QWidget& window, QMenu& editMenu, CQLXReaderView& list, QStatusBar& status)
    : QObject(&window), window_(window), list_(list), status_(status) {
  editMenu.addSeparator();
  connect(AddCommand(editMenu, "editFind", "&Find...", QKeySequence::Find, "Find a text in the summaries"),
          &QAction::triggered, this, &FindCommands::PromptFind);
  connect(AddCommand(editMenu, "editFindNext", "Find &Next", QKeySequence(Qt::Key_F3), "Find the next match"),
          &QAction::triggered, this, &FindCommands::FindNext);
  connect(AddCommand(editMenu, "editFindPrevious", "Find Pre&vious", QKeySequence(Qt::SHIFT | Qt::Key_F3),
                     "Find the previous match"),
          &QAction::triggered, this, &FindCommands::FindPrevious);
  editMenu.addSeparator();
  connect(AddCommand(editMenu, "editGoToLine", "&Go to Line...", QKeySequence(Qt::CTRL | Qt::Key_G),
                     "Select the record of a line number"),
          &QAction::triggered, this, &FindCommands::PromptLine);
  connect(AddCommand(editMenu, "editGoToTime", "Go to T&ime...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
                     "Select the first record at or after a time of day"),
          &QAction::triggered, this, &FindCommands::PromptTime);
}

QAction* FindCommands::AddCommand(QMenu& menu, const char* name, const char* text, const QKeySequence& key,
                                  const char* statusTip) {
  auto* action = new QAction(QString::fromLatin1(text), &window_);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setStatusTip(QString::fromLatin1(statusTip));
  action->setShortcutContext(Qt::WindowShortcut);
  window_.addAction(action);
  menu.addAction(action);
  return action;
}

void FindCommands::PromptFind() {
  bool ok = false;
  const QString text =
      QInputDialog::getText(&window_, QStringLiteral("Find"), QStringLiteral("Find what:"), QLineEdit::Normal, text_, &ok);
  if (!ok || text.isEmpty()) return;
  text_ = text;
  FindNext();
}

bool FindCommands::FindNext() { return Search(true); }

bool FindCommands::FindPrevious() { return Search(false); }

bool FindCommands::Search(bool forward) {
  if (text_.isEmpty()) {
    PromptFind();
    return false;
  }
  const RecordTableModel& model = list_.Model();
  const QByteArray latin = text_.toLatin1();
  const std::string part(latin.constData(), static_cast<size_t>(latin.size()));
  const long long rows = model.rowCount();
  const int selected = SelectedRow(list_);
  // Without a selection the search starts just outside the end it runs from.
  const long long start = selected >= 0 ? selected : (forward ? -1 : rows);
  WorkProgress progress(QStringLiteral("Finding \"%1\"...").arg(text_), &window_);
  long long found = -1;
  bool wrapped = false;
  for (long long step = 1; step <= rows && found < 0; ++step) {
    if (step % kStepsBetweenUpdates == 0 && !progress.Update(static_cast<size_t>(step), static_cast<size_t>(rows))) {
      status_.showMessage(QStringLiteral("Find cancelled"), kMessageMs);
      return false;
    }
    long long row = forward ? start + step : start - step;
    if (row >= rows || row < 0) {
      wrapped = true;
      row = (row % rows + rows) % rows;
    }
    DecodeRecord(DM_Summary, context_, model.Doc().At(model.RecordIndex(static_cast<int>(row))), nullptr);
    if (ContainsIgnoringCase(context_.text, part)) found = row;
  }
  if (found < 0) {
    status_.showMessage(QStringLiteral("\"%1\" was not found").arg(text_), kMessageMs);
    return false;
  }
  list_.Choose(static_cast<int>(found));
  if (wrapped)
    status_.showMessage(forward ? QStringLiteral("Passed the end of the list; continued from the top")
                                : QStringLiteral("Passed the top of the list; continued from the end"),
                        kMessageMs);
  else
    status_.clearMessage();
  return true;
}

void FindCommands::PromptLine() {
  const int total = static_cast<int>(std::min<size_t>(list_.Model().TotalCount(), std::numeric_limits<int>::max()));
  if (total == 0) return;
  const int selected = SelectedRow(list_);
  const int current = selected >= 0 ? static_cast<int>(list_.Model().RecordIndex(selected)) + 1 : 1;
  bool ok = false;
  const int line = QInputDialog::getInt(&window_, QStringLiteral("Go to Line"),
                                        QStringLiteral("Line number (1 - %1):").arg(total), current, 1, total, 1, &ok);
  if (ok) GoToLine(static_cast<size_t>(line));
}

bool FindCommands::GoToLine(size_t line) {
  const RecordTableModel& model = list_.Model();
  const int row = line >= 1 && line <= model.TotalCount() ? model.RowAtOrAfterRecord(line - 1) : -1;
  if (row < 0) {
    status_.showMessage(QStringLiteral("No line %1 is shown").arg(line), kMessageMs);
    return false;
  }
  list_.Choose(row);
  const size_t shown = model.RecordIndex(row) + 1;
  if (shown != line)
    status_.showMessage(QStringLiteral("Line %1 is hidden by the filter; went to line %2").arg(line).arg(shown),
                        kMessageMs);
  else
    status_.clearMessage();
  return true;
}

void FindCommands::PromptTime() {
  bool ok = false;
  const QString time = QInputDialog::getText(&window_, QStringLiteral("Go to Time"),
                                             QStringLiteral("Time of day (hh:mm, hh:mm:ss or hh:mm:ss.mmm):"),
                                             QLineEdit::Normal, QString(), &ok);
  if (ok && !time.isEmpty()) GoToTime(time);
}

bool FindCommands::GoToTime(const QString& time) {
  const QByteArray latin = time.trimmed().toLatin1();
  uint64_t wanted = 0, span = 0;
  if (!ParseTimeOfDay(std::string_view(latin.constData(), static_cast<size_t>(latin.size())), wanted, span)) {
    status_.showMessage(QStringLiteral("Not a time of day: \"%1\" (hh:mm, hh:mm:ss or hh:mm:ss.mmm)").arg(time),
                        kMessageMs);
    return false;
  }
  const RecordTableModel& model = list_.Model();
  for (int row = 0; row < model.rowCount(); ++row) {
    uint32_t ms = 0;
    if (TimeOfDay(model.Doc().At(model.RecordIndex(row)), ms) && ms >= wanted) {
      list_.Choose(row);
      status_.clearMessage();
      return true;
    }
  }
  status_.showMessage(QStringLiteral("No record shown at or after %1").arg(time), kMessageMs);
  return false;
}

