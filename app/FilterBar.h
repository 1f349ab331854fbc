// The filter bar above the record list: the user types an expression and
// presses Enter, and the list shows only the matching records under their
// own line numbers; emptying the bar shows every record again, around the
// same chosen record. An expression that does not parse turns the bar red
// and says where and what was expected. Recent filters are offered again.
#pragma once

#include <QString>
#include <QStringList>
#include <QToolBar>
#include <cstddef>

class CQLXReaderDoc;
class CQLXReaderView;
class QComboBox;
class QLabel;
class QStatusBar;

class FilterBar : public QToolBar {
  Q_OBJECT

 public:
  static constexpr const char* kRecentKey = "Filter/Recent";
  static constexpr int kRecentCount = 10;

  FilterBar(const CQLXReaderDoc& doc, CQLXReaderView& list, QStatusBar& status, QWidget* parent = nullptr);

  // Applies the expression; an empty one shows every record. False when it
  // does not parse (the bar turns red) or the user cancelled the run (the
  // list stays as it was).
  bool Apply(const QString& expression);

  QComboBox* Editor() const { return editor_; }
  // Where the expression went wrong, or empty.
  QString ErrorText() const;
  bool ShowsError() const { return invalid_; }
  QStringList Recent() const;

 private:
  void ApplyIfChanged(const QString& expression);
  void CheckAsTyped(const QString& text);
  void ShowError(const QString& message);
  void Remember(const QString& expression);
  void ShowRecentInEditor();
  void ShowCount();
  void Reapply();

  const CQLXReaderDoc& doc_;
  CQLXReaderView& list_;
  QComboBox* editor_;
  QLabel* error_;
  QLabel* count_;
  QString active_;  // the expression the list shows, empty for all
  bool invalid_ = false;
  bool running_ = false;
};
