// Start-up: the settings key, the one document and its main window, and the
// file named on the command line.
#pragma once

#include <QStringList>
#include <memory>

#include "app/QLXReaderDoc.h"

class CMainFrame;

class CQLXReaderApp {
 public:
  CQLXReaderApp();
  ~CQLXReaderApp();
  CQLXReaderApp(const CQLXReaderApp&) = delete;
  CQLXReaderApp& operator=(const CQLXReaderApp&) = delete;

  // Settings are per user under "Torvanode" / "QLXReader"; call before any
  // setting is read.
  static void SetSettingsKey();

  // The arguments as the program got them, its own name first; the first
  // one after it is a log file to open. Shows the main window.
  void InitInstance(const QStringList& arguments);

  CQLXReaderDoc& Document() { return doc_; }
  CMainFrame& MainFrame() { return *frame_; }

 private:
  CQLXReaderDoc doc_;
  std::unique_ptr<CMainFrame> frame_;
};
