// The main window as a user meets it: start-up with a file, drops, recent
// files, commands, panes and placement.
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSplitterHandle>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/AboutDlg.h"
#include "app/InfoView.h"
#include "app/ListSplitter.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderView.h"

namespace {

QStringList ActionTexts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) {
    if (!action->isVisible()) continue;
    QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
    const QString keys = action->shortcut().toString();
    if (!keys.isEmpty()) text += u'\t' + keys;
    texts.append(text);
  }
  return texts;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
  for (QAction* action : frame.menuBar()->actions())
    if (action->text() == title) return action->menu();
  return nullptr;
}

void Drop(CMainFrame& frame, const QString& path) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &drop);
  QVERIFY(drop.isAccepted());
}

// Drags the splitter bar the way a mouse does, to the given list height.
void DragSplitterTo(CListSplitter& splitter, int listHeight) {
  QSplitterHandle* handle = splitter.handle(1);
  const QPoint grip(handle->width() / 2, handle->height() / 2);
  const int by = listHeight - splitter.sizes()[0];
  QMouseEvent press(QEvent::MouseButtonPress, grip, handle->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(handle, &press);
  const QPoint to = grip + QPoint(0, by);
  QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(handle, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(handle, &release);
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { UseTemporarySettings(); }

  void commandLineFileIsListed() {
    const auto expected = ParseFile(SamplePath());
    QVERIFY(expected->parser.Count() > 1000);
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.windowTitle(), QStringLiteral("sample.qlx - QLX Reader"));
    QCOMPARE(static_cast<size_t>(frame.ListView()->model()->rowCount()), expected->parser.Count());
    const QString status = frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text();
    QVERIFY2(status.startsWith(QStringLiteral("sample.qlx: %1 records, loaded in ").arg(expected->parser.Count())),
             qPrintable(status));
  }

  void emptyStartShowsHeadersAndColumnWidths() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - QLX Reader"));
    CQLXReaderView& list = *frame.ListView();
    QCOMPARE(list.model()->rowCount(), 0);
    const QStringList headers{"Line", "Time", "Type", "Data"};
    QCOMPARE(list.model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c)
      QCOMPARE(list.model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    QCOMPARE(list.columnWidth(0), 40);
    QCOMPARE(list.columnWidth(1), 80);
    QCOMPARE(list.columnWidth(2), 60);
    QCOMPARE(list.columnWidth(3), list.viewport()->width() - 201);
    QVERIFY(list.showGrid());
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
  }

  void droppedFileReplacesTheList() {
    QTemporaryDir dir;
    const QString small = WriteFile(dir, "small.qlx", SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00", "$GPVTG,54.7,T,,M,5.5,N,10.2,K"}));
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(frame.acceptDrops());
    Drop(frame, small);
    QCOMPARE(frame.ListView()->model()->rowCount(), 2);
    QCOMPARE(frame.windowTitle(), QStringLiteral("small.qlx - QLX Reader"));
  }

  void unreadableEmptyAndOversizedFilesListNothingSilently() {
    QTemporaryDir dir;
    const QString empty = WriteFile(dir, "empty.qlx", {});
    const QString oversized = dir.filePath("oversized.qlx");
    {
      QFile file(oversized);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.resize(500000000));  // sparse: costs no disk
    }
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    for (const QString& path : {dir.filePath("missing.qlx"), empty, oversized, dir.path()}) {
      frame.OpenFile(SamplePath());
      QVERIFY(frame.ListView()->model()->rowCount() > 0);
      frame.OpenFile(path);
      QCOMPARE(frame.ListView()->model()->rowCount(), 0);
      QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
  }

  void recentFilesKeepTheSixNewestAcrossRuns() {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 1; i <= 7; ++i) paths.append(WriteFile(dir, QStringLiteral("log%1.qlx").arg(i), SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00"})));
    {
      CQLXReaderApp reader;
      reader.InitInstance({QStringLiteral("qlxreader")});
      QMenu* file = TopMenu(reader.MainFrame(), "&File");
      QVERIFY(ActionTexts(file->actions()).contains("Recent File"));
      for (const QString& path : paths) reader.MainFrame().OpenFile(path);
      reader.MainFrame().OpenFile(paths[2]);  // again: moves to the front
    }
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    const QStringList newestFirst{paths[2], paths[6], paths[5], paths[4], paths[3], paths[1]};
    QStringList shown;
    for (int i = 1; i <= 6; ++i) {
      auto* action = frame.findChild<QAction*>(QStringLiteral("recentFile%1").arg(i));
      QVERIFY(action != nullptr);
      shown.append(action->text());
    }
    QStringList expected;
    for (int i = 0; i < 6; ++i) expected.append(QStringLiteral("&%1 %2").arg(i + 1).arg(newestFirst[i]));
    QCOMPARE(shown, expected);
    QVERIFY(frame.findChild<QAction*>(QStringLiteral("recentFile7")) == nullptr);
    QVERIFY(!ActionTexts(TopMenu(frame, "&File")->actions()).contains("Recent File"));

    frame.findChild<QAction*>(QStringLiteral("recentFile4"))->trigger();
    QCOMPARE(frame.windowTitle(), QStringLiteral("log5.qlx - QLX Reader"));
    QCOMPARE(frame.ListView()->model()->rowCount(), 1);
  }

  void menusToolBarAndDisabledCommands() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QStringList menus;
    for (QAction* action : frame.menuBar()->actions()) menus.append(action->text());
    QCOMPARE(menus, QStringList({"&File", "&Edit", "&View", "&Help"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&File")->actions()),
             QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "Save &As...", "-", "&Save\tCtrl+S",
                          QStringLiteral("&1 ") + SamplePath(), "-", "E&xit"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&Edit")->actions()),
             QStringList({"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-",
                          "&Find...\tCtrl+F", "Find &Next\tF3", "Find Pre&vious\tShift+F3", "-",
                          "&Go to Line...\tCtrl+G", "Go to T&ime...\tCtrl+Shift+G"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&View")->actions()), QStringList({"&Toolbar", "&Status Bar"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&Help")->actions()), QStringList({"&About QLX Reader..."}));

    auto* bar = frame.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QStringList buttons;
    for (QAction* action : bar->actions()) buttons.append(action->isSeparator() ? "-" : action->toolTip());
    QCOMPARE(buttons, QStringList({"New", "Open", "Save", "-", "Cut", "Copy", "Paste", "-", "Print", "About"}));

    for (FrameCommand disabled : {FrameCommand::Save, FrameCommand::SaveAs, FrameCommand::Undo, FrameCommand::Cut,
                                  FrameCommand::Copy, FrameCommand::Paste, FrameCommand::Print})
      QVERIFY2(!frame.Command(disabled)->isEnabled(), qPrintable(frame.Command(disabled)->text()));
    for (FrameCommand enabled : {FrameCommand::New, FrameCommand::Open, FrameCommand::Exit, FrameCommand::About})
      QVERIFY(frame.Command(enabled)->isEnabled());
    QCOMPARE(frame.Command(FrameCommand::Undo)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    QCOMPARE(frame.Command(FrameCommand::Paste)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}));
    QCOMPARE(frame.Command(FrameCommand::NextPane)->shortcut(), QKeySequence("F6"));

    frame.Command(FrameCommand::ToggleStatusBar)->trigger();
    QVERIFY(!frame.statusBar()->isVisible());
    frame.Command(FrameCommand::ToggleToolbar)->trigger();
    QVERIFY(!bar->isVisible());
  }

  void theLogIsNeverWritten() {
    QTemporaryDir dir;
    const Bytes bytes = SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00"});
    const QString path = WriteFile(dir, "kept.qlx", bytes);
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), path});
    CMainFrame& frame = reader.MainFrame();
    frame.Command(FrameCommand::Save)->trigger();
    frame.Command(FrameCommand::SaveAs)->trigger();
    frame.Command(FrameCommand::New)->trigger();
    frame.close();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  }

  void newDocumentListsNothing() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    frame.Command(FrameCommand::New)->trigger();
    QCOMPARE(frame.ListView()->model()->rowCount(), 0);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - QLX Reader"));
  }

  void splitterGivesTwoThirdsThenKeepsTheShare() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CListSplitter& splitter = *frame.Splitter();
    QCOMPARE(splitter.sizes()[0], splitter.height() * 2 / 3);

    DragSplitterTo(splitter, splitter.height() / 4);
    const int share = splitter.sizes()[0];
    QVERIFY(std::abs(share - splitter.height() / 4) <= 1);
    const int before = splitter.height();
    frame.resize(frame.width(), frame.height() + 300);
    QTRY_COMPARE(splitter.height(), before + 300);
    QCOMPARE(splitter.sizes()[0], splitter.height() * share / before);

    frame.resize(frame.width(), frame.height() - 400);
    QTRY_COMPARE(splitter.height(), before - 100);
    QCOMPARE(splitter.sizes()[0], splitter.height() * share / before);
  }

  void splitterKeepsTheListAtFiftyPixels() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CListSplitter& splitter = *frame.Splitter();
    DragSplitterTo(splitter, 60);
    QCOMPARE(splitter.sizes()[0], 60);
    // Half the height would give the list 30 pixels.
    const int before = splitter.height();
    frame.resize(frame.width(), frame.height() - before / 2);
    QTRY_VERIFY(splitter.height() < before);
    QVERIFY(splitter.height() * 60 / before < CListSplitter::kMinimumListHeight);
    QCOMPARE(splitter.sizes()[0], CListSplitter::kMinimumListHeight);
  }

  void placementIsRestoredOnTheNextStart() {
    QRect placed;
    {
      CQLXReaderApp reader;
      reader.InitInstance({QStringLiteral("qlxreader")});
      CMainFrame& frame = reader.MainFrame();
      QVERIFY(QTest::qWaitForWindowExposed(&frame));
      frame.setGeometry(130, 110, 720, 510);
      QTRY_COMPARE(frame.geometry(), QRect(130, 110, 720, 510));
      placed = frame.geometry();
      frame.close();
    }
    QVERIFY(!QSettings().value("MainFrame/WINDOWP").toByteArray().isEmpty());
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    QVERIFY(QTest::qWaitForWindowExposed(&reader.MainFrame()));
    QCOMPARE(reader.MainFrame().geometry(), placed);
  }

  void nextPaneMovesTheFocus() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.ListView()->setFocus();
    QTest::keyClick(&frame, Qt::Key_F6);
    QVERIFY(frame.InfoView()->hasFocus());
    QTest::keyClick(&frame, Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(frame.ListView()->hasFocus());
  }

  void aboutBoxShowsTheVersionAndClosesOnAClick() {
    CAboutDlg about;
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionText"))->text(), QStringLiteral("Version " QLX_VERSION));
    QVERIFY(about.windowTitle().isEmpty());
    about.show();
    QTest::mouseClick(&about, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
