// The main window: menus, tool bar, status bar and the two panes, the record
// list above the decode tree. It opens files for the document and remembers
// its placement and the recent files across runs.
#pragma once

#include <QMainWindow>
#include <array>

#include "app/FrameCommands.h"
#include "app/RecentFileList.h"

class CInfoView;
class CListSplitter;
class CQLXReaderDoc;
class CQLXReaderView;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr const char* kPlacementSection = "MainFrame";
  static constexpr const char* kPlacementEntry = "WINDOWP";

  explicit CMainFrame(CQLXReaderDoc& doc, QWidget* parent = nullptr);

  // File Open, a recent file, a dropped file and the command line all come
  // here. Shows the file name, record count and load time on the status bar.
  void OpenFile(const QString& path);

  QAction* Command(FrameCommand command) const { return commands_[static_cast<size_t>(command)]; }
  CQLXReaderView* ListView() const { return list_; }
  CInfoView* InfoView() const { return info_; }
  CListSplitter* Splitter() const { return splitter_; }

  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void MakeMenus();
  void MakeToolBar();
  void MakeStatusBar();
  void ConnectCommands();
  void ShowRecentFiles();
  void UpdateTitle();
  void NewDocument();
  void PromptOpen();
  void ShowAbout();
  void SwitchPane();

  CQLXReaderDoc& doc_;
  std::array<QAction*, kFrameCommandCount> commands_;
  RecentFileList recent_;
  CListSplitter* splitter_;
  CQLXReaderView* list_;
  CInfoView* info_;
  QToolBar* toolBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* recentPlaceholder_ = nullptr;
  QList<QAction*> recentActions_;
  QLabel* message_ = nullptr;
  bool placementRestored_ = false;
};
