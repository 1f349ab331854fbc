#include "app/FilterBar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSettings>
#include <QStatusBar>
#include <atomic>
#include <optional>
#include <string>

#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "app/WorkProgress.h"
#include "query/FilterRun.h"

namespace {

constexpr const char* kInvalidStyle = "QLineEdit { background: #ffb0b0; }";

std::string Latin1(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The record of the selected row, if any.
std::optional<size_t> SelectedRecord(CQLXReaderView& list) {
  const QModelIndexList rows = list.selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return list.Model().RecordIndex(rows.front().row());
}

// The run of a text filter decodes every summary: it shows its progress and
// can be cancelled.
std::optional<std::vector<uint32_t>> RunWithProgress(const Filter& filter, const RecordList& records,
                                                     QWidget* parent) {
  if (!filter.NeedsSummary()) return RunFilter(filter, records);
  WorkProgress progress(QStringLiteral("Filtering the records..."), parent);
  std::atomic<bool> cancel{false};
  FilterRunControl control;
  control.cancel = &cancel;
  control.progress = [&](size_t done, size_t total) {
    if (!progress.Update(done, total)) cancel = true;
  };
  return RunFilter(filter, records, control);
}

}  // namespace

FilterBar::FilterBar(const CQLXReaderDoc& doc, CQLXReaderView& list, QStatusBar& status, QWidget* parent)
    : QToolBar(QStringLiteral("Filter"), parent), doc_(doc), list_(list) {
  setObjectName(QStringLiteral("filterBar"));
  setMovable(false);
  addWidget(new QLabel(QStringLiteral(" Filter: "), this));
  editor_ = new QComboBox(this);
  editor_->setObjectName(QStringLiteral("filterEditor"));
  editor_->setEditable(true);
  editor_->setInsertPolicy(QComboBox::NoInsert);
  editor_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  editor_->lineEdit()->setPlaceholderText(
      QStringLiteral("e.g. n2k && src == 20 && time >= 09:31 && time < 09:32, then Enter"));
  editor_->lineEdit()->setClearButtonEnabled(true);
  addWidget(editor_);
  error_ = new QLabel(this);
  error_->setObjectName(QStringLiteral("filterError"));
  addWidget(error_);

  count_ = new QLabel(&status);
  count_->setObjectName(QStringLiteral("shownCount"));
  status.addPermanentWidget(count_);

  ShowRecentInEditor();
  editor_->setCurrentText(QString());
  connect(editor_->lineEdit(), &QLineEdit::returnPressed, this, [this] { ApplyIfChanged(editor_->currentText()); });
  connect(editor_->lineEdit(), &QLineEdit::textEdited, this, &FilterBar::CheckAsTyped);
  // Choosing a recent filter from the list applies it at once. Enter on a
  // text that is also a recent entry reports both, hence the check.
  connect(editor_, &QComboBox::activated, this, [this](int i) { ApplyIfChanged(editor_->itemText(i)); });
  connect(&doc_, &CQLXReaderDoc::ContentsChanged, this, &FilterBar::Reapply);
  ShowCount();
}

void FilterBar::ApplyIfChanged(const QString& expression) {
  if (invalid_ || expression.trimmed() != active_) Apply(expression);
}

bool FilterBar::Apply(const QString& expression) {
  // A run lets events through while it lasts; one run at a time.
  if (running_) return false;
  const QScopedValueRollback<bool> running(running_, true);
  const std::optional<size_t> selected = SelectedRecord(list_);
  RecordTableModel& model = list_.Model();
  if (expression.trimmed().isEmpty()) {
    model.ShowOnly(std::nullopt);
  } else {
    FilterError error;
    const std::optional<Filter> filter = Filter::Parse(Latin1(expression), error);
    if (!filter) {
      ShowError(QString::fromStdString(error.Message()));
      return false;
    }
    std::optional<std::vector<uint32_t>> rows = RunWithProgress(*filter, doc_.Records(), window());
    if (!rows) return false;
    model.ShowOnly(std::move(rows));
    Remember(expression);
  }
  ShowError(QString());
  active_ = expression.trimmed();
  // The record chosen before stays chosen while it is shown.
  const int row = selected ? model.RowOfRecord(*selected) : -1;
  if (row >= 0) {
    list_.selectRow(row);
    list_.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtCenter);
  }
  ShowCount();
  return true;
}

QString FilterBar::ErrorText() const { return invalid_ ? error_->text() : QString(); }

void FilterBar::CheckAsTyped(const QString& text) {
  // Emptying the bar, by keys or its clear button, brings back every record.
  if (text.trimmed().isEmpty() && !active_.isEmpty()) {
    Apply(QString());
    return;
  }
  FilterError error;
  if (text.trimmed().isEmpty() || Filter::Parse(Latin1(text), error))
    ShowError(QString());
  else
    ShowError(QString::fromStdString(error.Message()));
}

void FilterBar::ShowError(const QString& message) {
  invalid_ = !message.isEmpty();
  editor_->lineEdit()->setStyleSheet(invalid_ ? QString::fromLatin1(kInvalidStyle) : QString());
  error_->setText(message);
  editor_->lineEdit()->setToolTip(message);
}

QStringList FilterBar::Recent() const { return QSettings().value(QString::fromLatin1(kRecentKey)).toStringList(); }

void FilterBar::Remember(const QString& expression) {
  QStringList recent = Recent();
  recent.removeAll(expression);
  recent.prepend(expression);
  while (recent.size() > kRecentCount) recent.removeLast();
  QSettings().setValue(QString::fromLatin1(kRecentKey), recent);
  ShowRecentInEditor();
}

void FilterBar::ShowRecentInEditor() {
  const QString typed = editor_->currentText();
  editor_->blockSignals(true);
  editor_->clear();
  editor_->addItems(Recent());
  editor_->setCurrentText(typed);
  editor_->blockSignals(false);
}

void FilterBar::ShowCount() {
  count_->setText(QStringLiteral("%1 / %2").arg(list_.Model().ShownCount()).arg(list_.Model().TotalCount()));
}

void FilterBar::Reapply() {
  // A newly opened log is shown through the filter that was in force.
  if (!active_.isEmpty() && Apply(active_)) return;
  active_.clear();
  ShowCount();
}
