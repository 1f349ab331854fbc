// What the shell's tests share: settings kept away from the user's, the
// bundled sample, small logs written on the spot, and the record list read
// independently of the windows.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string_view>
#include <vector>

#include "log/Framing.h"
#include "log/RecordParser.h"

class CMainFrame;
class CTreeNode;
class QTreeWidgetItem;

// Points the user settings at a fresh temporary folder (kept for the run)
// and sets the program's settings key.
void UseTemporarySettings();

QString SamplePath();

// The records of a file, parsed without the shell.
struct ParsedLog {
  LogFileImage image;
  RecordParser parser;
};
std::unique_ptr<ParsedLog> ParseFile(const QString& path);

// A log of the given sentences, each with its checksum and CR LF.
Bytes SentenceLog(const std::vector<std::string_view>& sentences);
// The same with a time tag (log time, 100 ns units) before each sentence.
struct TimedSentence {
  uint64_t time;
  std::string_view sentence;
};
Bytes TimedSentenceLog(const std::vector<TimedSentence>& sentences);
QString WriteFile(const QTemporaryDir& dir, const QString& name, const Bytes& bytes);

// Empty when the item shows the node exactly (same texts, order, children
// and expansion); otherwise where they first differ.
QString TreeDifference(const CTreeNode& node, const QTreeWidgetItem& item);

// Waits for the window's background open to end; false after ten seconds.
[[nodiscard]] bool OpenEnded(const CMainFrame& frame);
[[nodiscard]] bool OpenAndWait(CMainFrame& frame, const QString& path);

// Closes each message box that shows while it exists, keeping its text: a
// box is modal and would otherwise hold the test forever.
class MessageBoxCloser : public QObject {
 public:
  MessageBoxCloser();
  QStringList texts;

 private:
  QTimer timer_;
};
