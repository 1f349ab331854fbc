#include "app/MainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "app/AboutDlg.h"
#include "app/FilterBar.h"
#include "app/FindCommands.h"
#include "app/InfoView.h"
#include "app/LibraryDlg.h"
#include "app/ListSplitter.h"
#include "app/LockKeyPanes.h"
#include "app/OpenProgress.h"
#include "app/PlotWindow.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "log/RecordParser.h"

namespace {

const char* const kAppTitle = "QLX Reader";
const char* const kOpenFilter = "Torvanode QLX Files (*.qlx *.txt);;All Files (*)";

QString PlacementKey() {
  return QString::fromLatin1(CMainFrame::kPlacementSection) + u'/' + QString::fromLatin1(CMainFrame::kPlacementEntry);
}

// The View > Database choices: menu text and the word the builder knows.
struct DatabaseChoiceDefinition {
  const char* text;
  const char* word;
  const char* objectName;
};
constexpr DatabaseChoiceDefinition kDatabaseChoices[] = {
    {"Std", "Std", "databaseStd"},
    {"AIS", "AIS", "databaseAis"},
    {"Full", "", "databaseFull"},
};

QString DatabaseText(const QString& word) { return word.isEmpty() ? QStringLiteral("Full") : word; }

// The first local file of a drag, or empty.
QString DraggedFile(const QMimeData* mime) {
  if (mime == nullptr) return {};
  for (const QUrl& url : mime->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

CMainFrame::CMainFrame(CQLXReaderDoc& doc, QWidget* parent)
    : QMainWindow(parent), doc_(doc), commands_(MakeFrameCommands(*this)) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/qlxreader.png")));
  // Until a placement is saved the window takes most of the screen, as a
  // new top-level window does on the desktop this layout was drawn for.
  resize(screen()->availableSize() * 3 / 4);
  splitter_ = new CListSplitter(this);
  list_ = new CQLXReaderView(doc_, splitter_);
  info_ = new CInfoView(doc_, splitter_);
  splitter_->addWidget(list_);
  splitter_->addWidget(info_);
  list_->setMinimumHeight(CListSplitter::kMinimumListHeight);
  setCentralWidget(splitter_);
  list_->setFocus();

  MakeMenus();
  MakeToolBar();
  MakeStatusBar();
  ConnectCommands();
  // Finding things in a big log: the filter bar above the list, Find and Go to.
  addToolBarBreak();
  addToolBar(Qt::TopToolBarArea, new FilterBar(doc_, *list_, *statusBar(), this));
  new FindCommands(*this, *editMenu_, *list_, *statusBar());
  ShowRecentFiles();
  UpdateTitle();
  setAcceptDrops(true);
}

void CMainFrame::MakeMenus() {
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu_->addAction(Command(FrameCommand::New));
  fileMenu_->addAction(Command(FrameCommand::Open));
  fileMenu_->addAction(Command(FrameCommand::SaveAs));
  fileMenu_->addSeparator();
  fileMenu_->addAction(Command(FrameCommand::Save));
  recentPlaceholder_ = fileMenu_->addAction(QStringLiteral("Recent File"));
  recentPlaceholder_->setEnabled(false);
  fileMenu_->addSeparator();
  fileMenu_->addAction(Command(FrameCommand::Exit));

  editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
  editMenu_->addAction(Command(FrameCommand::Undo));
  editMenu_->addSeparator();
  editMenu_->addAction(Command(FrameCommand::Cut));
  editMenu_->addAction(Command(FrameCommand::Copy));
  editMenu_->addAction(Command(FrameCommand::Paste));

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(Command(FrameCommand::ToggleToolbar));
  view->addAction(Command(FrameCommand::ToggleStatusBar));
  MakeGatewayMenu(*view);

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->addAction(QStringLiteral("Database View..."), this, &CMainFrame::ShowDatabaseView);

  menuBar()->addMenu(QStringLiteral("&Help"))->addAction(Command(FrameCommand::About));
}

void CMainFrame::MakeGatewayMenu(QMenu& view) {
  view.addSeparator();
  gatewayConversion_ = view.addAction(QStringLiteral("Gateway Conversion"));
  gatewayConversion_->setObjectName(QStringLiteral("gatewayConversion"));
  gatewayConversion_->setCheckable(true);
  gatewayConversion_->setStatusTip(QStringLiteral("Decode the selected record through the simulated gateway"));

  QMenu* database = view.addMenu(QStringLiteral("Database"));
  database->setObjectName(QStringLiteral("databaseMenu"));
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  for (const DatabaseChoiceDefinition& choice : kDatabaseChoices) {
    QAction* action = database->addAction(QString::fromLatin1(choice.text));
    action->setObjectName(QString::fromLatin1(choice.objectName));
    action->setCheckable(true);
    action->setStatusTip(QStringLiteral("Run the gateway on the %1 database").arg(QString::fromLatin1(choice.text)));
    group->addAction(action);
    databaseChoices_.append(action);
    const QString word = QString::fromLatin1(choice.word);
    connect(action, &QAction::triggered, this, [this, word] {
      QString error;
      if (!doc_.SelectDatabase(word, error)) QMessageBox::warning(this, QString::fromLatin1(kAppTitle), error);
    });
  }
}

QAction* CMainFrame::DatabaseChoice(const QString& text) const {
  for (QAction* action : databaseChoices_)
    if (action->text() == text) return action;
  return nullptr;
}

void CMainFrame::SetGatewayMode(bool on) {
  doc_.SetGatewayMode(on);
  QSettings().setValue(QString::fromLatin1(kGatewayModeKey), on);
  list_->ShowSelectedRecord();
}

void CMainFrame::ShowDatabaseSelection(const QString& word) {
  const QString text = DatabaseText(word);
  if (QAction* choice = DatabaseChoice(text)) choice->setChecked(true);
  databasePane_->setText(QStringLiteral("Database: %1").arg(text));
  QSettings().setValue(QString::fromLatin1(kDatabaseKey), text);
  // The gateway has started afresh on the new database.
  if (doc_.GatewayMode()) list_->ShowSelectedRecord();
}

void CMainFrame::MakeToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Standard"), this);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(16, 15));
  toolBar_->addAction(Command(FrameCommand::New));
  toolBar_->addAction(Command(FrameCommand::Open));
  toolBar_->addAction(Command(FrameCommand::Save));
  toolBar_->addSeparator();
  toolBar_->addAction(Command(FrameCommand::Cut));
  toolBar_->addAction(Command(FrameCommand::Copy));
  toolBar_->addAction(Command(FrameCommand::Paste));
  toolBar_->addSeparator();
  toolBar_->addAction(Command(FrameCommand::Print));
  toolBar_->addAction(Command(FrameCommand::About));
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::MakeStatusBar() {
  message_ = new QLabel(QStringLiteral("Ready"), statusBar());
  message_->setObjectName(QStringLiteral("messagePane"));
  statusBar()->addWidget(message_, 1);
  progress_ = new OpenProgress(statusBar());
  statusBar()->addPermanentWidget(progress_);
  databasePane_ = new QLabel(statusBar());
  databasePane_->setObjectName(QStringLiteral("databasePane"));
  databasePane_->setToolTip(QStringLiteral("The database the simulated gateway runs on"));
  statusBar()->addPermanentWidget(databasePane_);
  new LockKeyPanes(*statusBar());
}

void CMainFrame::ConnectCommands() {
  connect(Command(FrameCommand::New), &QAction::triggered, this, &CMainFrame::NewDocument);
  connect(Command(FrameCommand::Open), &QAction::triggered, this, &CMainFrame::PromptOpen);
  connect(Command(FrameCommand::Exit), &QAction::triggered, this, &QWidget::close);
  connect(Command(FrameCommand::About), &QAction::triggered, this, &CMainFrame::ShowAbout);
  connect(Command(FrameCommand::NextPane), &QAction::triggered, this, &CMainFrame::SwitchPane);
  connect(Command(FrameCommand::PreviousPane), &QAction::triggered, this, &CMainFrame::SwitchPane);
  connect(Command(FrameCommand::Copy), &QAction::triggered, list_, &CQLXReaderView::CopySelection);
  list_->addAction(Command(FrameCommand::Copy));
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(&doc_, &CQLXReaderDoc::Opened, this, &CMainFrame::ShowOpened);
  connect(&doc_, &CQLXReaderDoc::OpenFailed, this, &CMainFrame::ShowOpenFailure);
  connect(progress_, &OpenProgress::Cancelled, this, &CMainFrame::CancelOpen);

  QAction* toolbar = Command(FrameCommand::ToggleToolbar);
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  connect(toolbar, &QAction::toggled, toolBar_, &QWidget::setVisible);
  // The bar can also be closed from its own context menu.
  connect(toolBar_, &QToolBar::visibilityChanged, toolbar, &QAction::setChecked);
  QAction* status = Command(FrameCommand::ToggleStatusBar);
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);

  // The last run's gateway settings; the gateway itself is built only when
  // first used.
  QSettings settings;
  const bool gatewayMode = settings.value(QString::fromLatin1(kGatewayModeKey), false).toBool();
  doc_.SetGatewayMode(gatewayMode);
  gatewayConversion_->setChecked(gatewayMode);
  connect(gatewayConversion_, &QAction::toggled, this, &CMainFrame::SetGatewayMode);
  connect(&doc_, &CQLXReaderDoc::DatabaseSelected, this, &CMainFrame::ShowDatabaseSelection);
  const QString saved = settings.value(QString::fromLatin1(kDatabaseKey)).toString();
  QString word;
  for (const DatabaseChoiceDefinition& choice : kDatabaseChoices)
    if (saved == QString::fromLatin1(choice.text)) word = QString::fromLatin1(choice.word);
  QString error;
  doc_.SelectDatabase(word, error);
  connect(info_, &CInfoView::PlotRequested, this, &CMainFrame::ShowPlot);
  // A plot's records belong to the log it was made from.
  connect(&doc_, &CQLXReaderDoc::ContentsAboutToChange, this, [this] {
    if (plot_ != nullptr) {
      plot_->Clear();
      plot_->hide();
    }
  });
}

void CMainFrame::OpenFile(const QString& path) {
  if (!doc_.Opening()) shownMessage_ = message_->text();
  openTimer_.start();
  doc_.Open(path);
  progress_->Start();
  message_->setText(QStringLiteral("Opening %1...").arg(QFileInfo(path).fileName()));
}

bool CMainFrame::Opening() const { return doc_.Opening(); }

void CMainFrame::ShowOpened(const QString& path, bool looksLikeLog) {
  progress_->Stop();
  recent_.Add(path);
  ShowRecentFiles();
  UpdateTitle();
  list_->scrollToTop();
  QString text = QStringLiteral("%1: %2 records, loaded in %3 ms")
                     .arg(QFileInfo(path).fileName())
                     .arg(doc_.Count())
                     .arg(openTimer_.elapsed());
  if (!looksLikeLog) text += QStringLiteral("; ") + QString::fromLatin1(kNotQlxLogMessage);
  message_->setText(text);
}

void CMainFrame::ShowOpenFailure(const QString& path, const QString& reason) {
  progress_->Stop();
  message_->setText(shownMessage_);
  QMessageBox::warning(this, QString::fromLatin1(kAppTitle),
                       QStringLiteral("%1\ncannot be shown: %2.").arg(QDir::toNativeSeparators(path), reason));
}

void CMainFrame::CancelOpen() {
  doc_.CancelOpen();
  progress_->Stop();
  message_->setText(shownMessage_);
}

void CMainFrame::NewDocument() {
  progress_->Stop();
  doc_.New();
  UpdateTitle();
  message_->setText(QStringLiteral("Ready"));
}

void CMainFrame::PromptOpen() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(),
                                                    QString::fromLatin1(kOpenFilter));
  if (!path.isEmpty()) OpenFile(path);
}

void CMainFrame::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CMainFrame::SwitchPane() {
  // With two panes the next and the previous pane are the same one.
  if (list_->hasFocus())
    info_->setFocus(Qt::OtherFocusReason);
  else
    list_->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::ShowRecentFiles() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    delete action;
  }
  recentActions_.clear();
  const QStringList& files = recent_.Files();
  recentPlaceholder_->setVisible(files.isEmpty());
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
    action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
    action->setStatusTip(QStringLiteral("Open this document"));
    connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    fileMenu_->insertAction(recentPlaceholder_, action);
    recentActions_.append(action);
  }
}

// Built on first use: the database builds in a few tens of milliseconds,
// which start-up need not pay for a window most sessions never open.
void CMainFrame::ShowDatabaseView() {
  if (databaseView_ == nullptr) databaseView_ = new CLibraryDlg(doc_, this);
  databaseView_->show();
  databaseView_->raise();
  databaseView_->activateWindow();
}

void CMainFrame::ShowPlot(const PlotRequest& request, bool add) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<std::vector<SeriesPoint>> points = GatherSeries(request.field, doc_.Records());
  QApplication::restoreOverrideCursor();
  if (!points) return;
  if (plot_ == nullptr) {
    plot_ = new CPlotWindow(this);
    plot_->setWindowFlag(Qt::Window);
    connect(plot_, &CPlotWindow::RecordChosen, this, &CMainFrame::ChooseRecord);
  }
  plot_->Plot(request, std::move(*points), add && plot_->isVisible());
  plot_->show();
  plot_->raise();
  plot_->activateWindow();
}

void CMainFrame::ChooseRecord(size_t index) {
  const int row = list_->Model().RowOfRecord(index);
  if (row < 0) {
    statusBar()->showMessage(QStringLiteral("Line %1 is hidden by the filter").arg(index + 1), 5000);
    return;
  }
  list_->Choose(row);
}

void CMainFrame::UpdateTitle() {
  setWindowTitle(doc_.Title() + QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
}

void CMainFrame::setVisible(bool visible) {
  // The last run's placement is applied once, before the window first shows.
  if (visible && !placementRestored_ && !isVisible()) {
    placementRestored_ = true;
    const QByteArray placement = QSettings().value(PlacementKey()).toByteArray();
    if (!placement.isEmpty()) restoreGeometry(placement);
  }
  QMainWindow::setVisible(visible);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  QSettings().setValue(PlacementKey(), saveGeometry());
  QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  OpenFile(path);
}
