// The open log: the record list the views show. Files are read and parsed in
// a worker thread; the records on show change only when a new file has been
// parsed whole. The log file is only ever read.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <cstddef>
#include <memory>

#include "log/RecordParser.h"

class CInfoView;
class QThread;
struct LogLoadJob;

class CQLXReaderDoc : public QObject {
  Q_OBJECT

 public:
  CQLXReaderDoc();
  // Waits for any worker still reading: a thread must not outlive its job.
  ~CQLXReaderDoc() override;

  // Starts reading the file; ends in Opened or OpenFailed. An open still
  // running is cancelled first.
  void Open(const QString& path);
  // The records on show stay; nothing is signalled for the dropped open.
  void CancelOpen();
  bool Opening() const { return job_ != nullptr; }
  // Workers not yet ended, cancelled ones included.
  qsizetype Workers() const { return workers_.size(); }
  // An untitled document with no records; cancels an open.
  void New();

  size_t Count() const { return parser_->Count(); }
  Record At(size_t index) const { return parser_->At(index); }
  const RecordList& Records() const { return parser_->Records(); }

  // Empty while untitled.
  const QString& PathName() const { return path_; }
  // The file name, or "Untitled".
  QString Title() const;

  // The info view registers itself so that the list view can reach its tree.
  CInfoView* InfoView() const { return infoView_; }
  void SetInfoView(CInfoView* view) { infoView_ = view; }

 signals:
  void ContentsAboutToChange();
  void ContentsChanged();
  // After the new records are on show. looksLikeLog is false for a file
  // with no QLX tag and no unit in its first megabyte.
  void Opened(const QString& path, bool looksLikeLog);
  // The records on show are unchanged; reason completes "cannot be shown:".
  void OpenFailed(const QString& path, const QString& reason);

 private:
  void Finish(const QString& path, LogLoadJob& job);

  std::unique_ptr<RecordParser> parser_;
  QString path_;
  CInfoView* infoView_ = nullptr;
  // The open whose result will be shown; workers of cancelled opens run on
  // to their end and their results are dropped.
  std::shared_ptr<LogLoadJob> job_;
  QList<QThread*> workers_;
};
