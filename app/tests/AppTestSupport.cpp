#include "AppTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTreeWidgetItem>

#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "base/OutputTree.h"

void UseTemporarySettings() {
  static QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  CQLXReaderApp::SetSettingsKey();
  QSettings().clear();
}

QString SamplePath() { return QStringLiteral(QLX_SOURCE_DIR "/samples/sample.qlx"); }

std::unique_ptr<ParsedLog> ParseFile(const QString& path) {
  auto log = std::make_unique<ParsedLog>();
  log->parser.Reset();
  if (log->image.Load(QFile::encodeName(path).constData()) == 0)
    log->parser.Parse(log->image.Data(), log->image.Length());
  return log;
}

Bytes SentenceLog(const std::vector<std::string_view>& sentences) {
  Bytes out;
  for (std::string_view sentence : sentences) AppendSentence(out, WithChecksum(sentence));
  return out;
}

Bytes TimedSentenceLog(const std::vector<TimedSentence>& sentences) {
  Bytes out;
  for (const TimedSentence& timed : sentences) {
    AppendTimeTag(out, timed.time);
    AppendSentence(out, WithChecksum(timed.sentence));
  }
  return out;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const Bytes& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return path;
}

QString TreeDifference(const CTreeNode& node, const QTreeWidgetItem& item) {
  const QString expected = QString::fromLatin1(node.Text().data(), static_cast<qsizetype>(node.Text().size()));
  if (item.text(0) != expected) return QStringLiteral("text '%1' instead of '%2'").arg(item.text(0), expected);
  if (item.childCount() != static_cast<int>(node.Children().size()))
    return QStringLiteral("%1 children under '%2' instead of %3")
        .arg(item.childCount())
        .arg(expected)
        .arg(node.Children().size());
  if (item.isExpanded() != node.Expand())
    return QStringLiteral("'%1' %2").arg(expected, item.isExpanded() ? "expanded" : "collapsed");
  for (int i = 0; i < item.childCount(); ++i) {
    const QString difference = TreeDifference(node.Children()[static_cast<size_t>(i)], *item.child(i));
    if (!difference.isEmpty()) return difference;
  }
  return {};
}

bool OpenEnded(const CMainFrame& frame) {
  return QTest::qWaitFor([&] { return !frame.Opening(); }, 10000);
}

bool OpenAndWait(CMainFrame& frame, const QString& path) {
  frame.OpenFile(path);
  return OpenEnded(frame);
}

MessageBoxCloser::MessageBoxCloser() {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts.append(box->text());
      box->close();
    }
  });
  timer_.start(10);
}
