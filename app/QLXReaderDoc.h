// The open log: the record list the views show. Files are read and parsed in
// a worker thread; the records on show change only when a new file has been
// parsed whole. The log file is only ever read.
//
// The document also owns the simulated gateway that gateway mode decodes the
// selected record through.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "log/RecordParser.h"

class CInfoView;
class CWXN;
struct DecodeContext;
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

  // The gateway, built with the selected database on first use: building a
  // database takes a moment that sessions without gateway mode never pay.
  CWXN& Gateway();
  bool GatewayMode() const { return gatewayMode_; }
  void SetGatewayMode(bool on) { gatewayMode_ = on; }
  // "Std", "AIS" or "" (full). Signals DatabaseSelected, or returns false
  // with the reason for any other name.
  bool SelectDatabase(const QString& word, QString& error);
  const QString& DatabaseSelection() const { return database_; }
  // Decodes record `index` at the gateway level into the context, after a
  // fresh engine has received (receive only) the records of the last
  // kLeadInTicks of log time before it, at most kLeadInRecords of
  // them: the repositories then hold what a live gateway would have held.
  void DecodeForGateway(size_t index, DecodeContext& context);

 signals:
  void ContentsAboutToChange();
  void ContentsChanged();
  // After the new records are on show. looksLikeLog is false for a file
  // with no QLX tag and no unit in its first megabyte.
  void Opened(const QString& path, bool looksLikeLog);
  // The records on show are unchanged; reason completes "cannot be shown:".
  void OpenFailed(const QString& path, const QString& reason);
  // After a database selection; the gateway has started afresh.
  void DatabaseSelected(const QString& word);
  // After the gateway has converted records; side is the repository that
  // received the record decoded (RepositorySide), or 0 when that record was
  // not one the gateway converts.
  void GatewayConverted(int side);

 private:
  void Finish(const QString& path, LogLoadJob& job);

  std::unique_ptr<RecordParser> parser_;
  QString path_;
  CInfoView* infoView_ = nullptr;
  // The open whose result will be shown; workers of cancelled opens run on
  // to their end and their results are dropped.
  std::shared_ptr<LogLoadJob> job_;
  QList<QThread*> workers_;
  std::unique_ptr<CWXN> gateway_;
  bool gatewayMode_ = false;
  QString database_;
};

