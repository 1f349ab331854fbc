#include "app/QLXReaderDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <exception>

#include "app/LogLoadJob.h"
#include "decode/RecordDecoder.h"
#include "gateway/RecordReceive.h"
#include "gateway/WXN.h"

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

CWXN& CQLXReaderDoc::Gateway() {
  if (!gateway_) {
    gateway_ = std::make_unique<CWXN>();
    // The full database is the gateway's own; another is selected on top.
    if (!database_.isEmpty()) gateway_->SelectDatabase(database_.toStdString(), 0);
  }
  return *gateway_;
}

bool CQLXReaderDoc::SelectDatabase(const QString& word, QString& error) {
  // The builder is only ever asked for the selections it has.
  if (!word.isEmpty() && word != QStringLiteral("Std") && word != QStringLiteral("AIS")) {
    error = QStringLiteral("Database \"%1\" Not Found").arg(word);
    return false;
  }
  if (gateway_) {
    try {
      gateway_->SelectDatabase(word.toStdString(), 0);
    } catch (const std::exception& e) {
      // The gateway is left on the full database it fell back to.
      gateway_->SelectDatabase("", 0);
      database_.clear();
      error = QString::fromLocal8Bit(e.what());
      emit DatabaseSelected(database_);
      return false;
    }
  }
  database_ = word;
  emit DatabaseSelected(database_);
  return true;
}

void CQLXReaderDoc::DecodeForGateway(size_t index, DecodeContext& context) {
  CWXN& gateway = Gateway();
  int side = 0;
  try {
    const LeadIn lead = ReceiveLeadIn(gateway, Records(), index);
    side = lead.side;
    context.previousTime = lead.clock;
    const Record record = At(index);
    DecodeRecord(DM_Gateway, context, record, &gateway);
    if (const int selected = RepositorySideOf(record)) side = selected;
  } catch (const std::exception& e) {
    // The gateway is a model: its failure is shown, never the program's end.
    context.tree.AddNode().SetText("Gateway conversion stopped: %s", e.what());
    context.text.clear();
    RenderText(context.tree, context.text, 9, 2, 0);
  }
  emit GatewayConverted(side);
}

QString CQLXReaderDoc::Title() const {
  return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}
