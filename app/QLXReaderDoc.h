// The open log: its loaded bytes and the record list the views show. The log
// file is only ever read.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

#include "log/RecordParser.h"

class CInfoView;

class CQLXReaderDoc : public QObject {
  Q_OBJECT

 public:
  // Never fails: a file that cannot be opened, is empty or is too large
  // leaves an empty list and no message.
  void Open(const QString& path);
  // An untitled document with no records.
  void New();

  size_t Count() const { return parser_.Count(); }
  Record At(size_t index) const { return parser_.At(index); }
  const RecordList& Records() const { return parser_.Records(); }

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

 private:
  LogFileImage image_;
  RecordParser parser_;
  QString path_;
  CInfoView* infoView_ = nullptr;
};
