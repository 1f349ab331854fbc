#include "app/QLXReaderDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "app/LogLoadJob.h"

CQLXReaderDoc::CQLXReaderDoc() : parser_(std::make_unique<RecordParser>()) {}

CQLXReaderDoc::~CQLXReaderDoc() {
  CancelOpen();
  for (QThread* worker : workers_) {
    worker->wait();
    delete worker;
  }
}

void CQLXReaderDoc::Open(const QString& path) {
  CancelOpen();
  auto job = std::make_shared<LogLoadJob>(QFile::encodeName(path).toStdString());
  job_ = job;
  QThread* worker = QThread::create([job] { job->Run(); });
  workers_.append(worker);
  // Queued to this thread: the records are swapped where the views read them.
  connect(worker, &QThread::finished, this, [this, worker, job, path] {
    workers_.removeOne(worker);
    worker->deleteLater();
    if (job != job_) return;
    job_.reset();
    Finish(path, *job);
  });
  worker->start();
}

void CQLXReaderDoc::Finish(const QString& path, LogLoadJob& job) {
  if (!job.parser) {
    emit OpenFailed(path, QString::fromLocal8Bit(job.failure.data(), static_cast<qsizetype>(job.failure.size())));
    return;
  }
  emit ContentsAboutToChange();
  parser_ = std::move(job.parser);
  path_ = path;
  emit ContentsChanged();
  emit Opened(path, job.looksLikeLog);
}

void CQLXReaderDoc::CancelOpen() {
  if (!job_) return;
  job_->cancelled = true;
  job_.reset();
}

void CQLXReaderDoc::New() {
  CancelOpen();
  // A new document must not go on listing the records of the previous file.
  emit ContentsAboutToChange();
  parser_ = std::make_unique<RecordParser>();
  path_.clear();
  emit ContentsChanged();
}

QString CQLXReaderDoc::Title() const {
  return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}
