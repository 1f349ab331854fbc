// The main window: menus, tool bar, status bar and the two panes, the record
// list above the decode tree. It opens files for the document and remembers
// its placement and the recent files across runs.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>

#include "app/FrameCommands.h"
#include "app/InfoView.h"
#include "app/RecentFileList.h"

class CLibraryDlg;
class CListSplitter;
class CPlotWindow;
class CQLXReaderDoc;
class CQLXReaderView;
class OpenProgress;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr const char* kPlacementSection = "MainFrame";
  static constexpr const char* kPlacementEntry = "WINDOWP";
  static constexpr const char* kGatewayModeKey = "Gateway/Conversion";
  static constexpr const char* kDatabaseKey = "Gateway/Database";

  explicit CMainFrame(CQLXReaderDoc& doc, QWidget* parent = nullptr);

  // File Open, a recent file, a dropped file and the command line all come
  // here. The file opens in the background with a busy bar and Cancel; then
  // the status bar shows its name, record count and load time, or a message
  // box says why it cannot be shown and the previous file stays.
  void OpenFile(const QString& path);
  bool Opening() const;

  QAction* Command(FrameCommand command) const { return commands_[static_cast<size_t>(command)]; }
  CQLXReaderView* ListView() const { return list_; }
  CInfoView* InfoView() const { return info_; }
  CListSplitter* Splitter() const { return splitter_; }
  // View > Gateway Conversion, and the View > Database choices by their
  // menu texts "Std", "AIS" and "Full".
  QAction* GatewayConversion() const { return gatewayConversion_; }
  QAction* DatabaseChoice(const QString& text) const;
  QLabel* DatabasePane() const { return databasePane_; }
  // Null until a field is first plotted.
  CPlotWindow* PlotWindow() const { return plot_; }

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
  void ShowOpened(const QString& path, bool looksLikeLog);
  void ShowOpenFailure(const QString& path, const QString& reason);
  void CancelOpen();
  void NewDocument();
  void PromptOpen();
  void ShowAbout();
  void SwitchPane();
  void ShowDatabaseView();
  void MakeGatewayMenu(QMenu& view);
  void SetGatewayMode(bool on);
  void ShowDatabaseSelection(const QString& word);
  // Gathers the field's series from the whole log and shows it.
  void ShowPlot(const PlotRequest& request, bool add);
  // A record chosen outside the list (a plotted point): its row, if shown.
  void ChooseRecord(size_t index);

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
  OpenProgress* progress_ = nullptr;
  // What the status bar said before an open, for when the open comes to nothing.
  QString shownMessage_;
  QElapsedTimer openTimer_;
  bool placementRestored_ = false;
  CLibraryDlg* databaseView_ = nullptr;
  QAction* gatewayConversion_ = nullptr;
  QList<QAction*> databaseChoices_;
  QLabel* databasePane_ = nullptr;
  CPlotWindow* plot_ = nullptr;
};
