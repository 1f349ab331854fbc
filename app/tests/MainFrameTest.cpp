// The main window as a user meets it: start-up with a file, drops, files
// that cannot be shown, opening in the background, recent files, commands,
// columns, panes and placement.
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
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
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"

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
    QVERIFY(OpenEnded(frame));
    QCOMPARE(frame.windowTitle(), QStringLiteral("sample.qlx - QLX Reader"));
    QCOMPARE(static_cast<size_t>(frame.ListView()->model()->rowCount()), expected->parser.Count());
    const QString status = frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text();
    QVERIFY2(status.startsWith(QStringLiteral("sample.qlx: %1 records, loaded in ").arg(expected->parser.Count())),
             qPrintable(status));
  }

  void emptyStartShowsHeadersTheHintAndTheIcon() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - QLX Reader"));
    QVERIFY(frame.windowIcon().availableSizes().contains(QSize(256, 256)));
    CQLXReaderView& list = *frame.ListView();
    QCOMPARE(list.model()->rowCount(), 0);
    const QStringList headers{"Line", "Time", "Type", "Data"};
    QCOMPARE(list.model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c)
      QCOMPARE(list.model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    QVERIFY(list.showGrid());
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);

    auto* hint = list.viewport()->findChild<QLabel*>(QStringLiteral("emptyListHint"));
    QVERIFY(hint != nullptr);
    QCOMPARE(hint->text(), QStringLiteral("Open a log (Ctrl+O) or drop one here"));
    QVERIFY(hint->isVisible());
    QVERIFY(OpenAndWait(frame, SamplePath()));
    QVERIFY(!hint->isVisible());
    frame.Command(FrameCommand::New)->trigger();
    QVERIFY(hint->isVisible());
  }

  // The widest text of each column fits without being cut, and the data
  // column takes what the others leave, however wide the window.
  void columnsFitTheirContentsAndDataStretches() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CQLXReaderView& list = *frame.ListView();
    const QFontMetrics cells = list.fontMetrics();
    const std::vector<std::pair<int, QString>> widest{
        {0, "9999999"}, {0, "8888888"}, {1, "23:59:59.999"}, {2, "UNKNOWN"}, {2, "HOXBOOT"}, {2, "KVTCTRL"}};
    for (const auto& [column, text] : widest)
      QVERIFY2(list.columnWidth(column) > cells.horizontalAdvance(text), qPrintable(text));
    for (int c = 0; c < 3; ++c) {
      QCOMPARE(list.columnWidth(c), list.FittingWidth(c));
      QCOMPARE(list.horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);
    }
    const auto othersWidth = [&] { return list.columnWidth(0) + list.columnWidth(1) + list.columnWidth(2); };
    QCOMPARE(list.columnWidth(3), list.viewport()->width() - othersWidth());
    const int before = list.viewport()->width();
    frame.resize(frame.width() + 200, frame.height());
    QTRY_COMPARE(list.viewport()->width(), before + 200);
    QCOMPARE(list.columnWidth(3), list.viewport()->width() - othersWidth());
  }

  void columnWidthsSetByTheUserAreRemembered() {
    {
      CQLXReaderApp reader;
      reader.InitInstance({QStringLiteral("qlxreader")});
      QVERIFY(QTest::qWaitForWindowExposed(&reader.MainFrame()));
      CQLXReaderView& list = *reader.MainFrame().ListView();
      // What dragging the border of the Line header ends in.
      list.horizontalHeader()->resizeSection(0, 123);
      reader.MainFrame().close();
    }
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    QVERIFY(QTest::qWaitForWindowExposed(&reader.MainFrame()));
    CQLXReaderView& list = *reader.MainFrame().ListView();
    QCOMPARE(list.columnWidth(0), 123);
    QCOMPARE(list.columnWidth(1), list.FittingWidth(1));
    QCOMPARE(list.columnWidth(2), list.FittingWidth(2));

    // Too narrow for the last line number: widened for the log, but the
    // user's own width stays the remembered one.
    list.horizontalHeader()->setMinimumSectionSize(1);
    list.horizontalHeader()->resizeSection(0, 12);
    const int narrow = list.columnWidth(0);
    QVERIFY(OpenAndWait(reader.MainFrame(), SamplePath()));
    const int needed = list.fontMetrics().horizontalAdvance(QString::number(list.model()->rowCount()));
    QVERIFY(narrow < needed);
    QVERIFY(list.columnWidth(0) > needed);
    QCOMPARE(QSettings().value(CQLXReaderView::kColumnWidthsKey).toList().value(0).toInt(), narrow);
  }

  void droppedFileReplacesTheList() {
    QTemporaryDir dir;
    const QString small = WriteFile(dir, "small.qlx", SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00", "$GPVTG,54.7,T,,M,5.5,N,10.2,K"}));
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenEnded(frame));
    QVERIFY(frame.acceptDrops());
    Drop(frame, small);
    QVERIFY(OpenEnded(frame));
    QCOMPARE(frame.ListView()->model()->rowCount(), 2);
    QCOMPARE(frame.windowTitle(), QStringLiteral("small.qlx - QLX Reader"));
  }

  void filesThatCannotBeShownSayWhyAndKeepThePreviousFile() {
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
    QVERIFY(OpenAndWait(frame, SamplePath()));
    const int sampleRows = frame.ListView()->model()->rowCount();
    QVERIFY(sampleRows > 0);
    auto* status = frame.findChild<QLabel*>(QStringLiteral("messagePane"));
    const QString sampleStatus = status->text();
    const std::vector<std::pair<QString, QString>> cases{
        {dir.filePath("missing.qlx"), "cannot be shown: cannot open: No such file or directory."},
        {empty, "cannot be shown: the file is empty."},
        {oversized, "cannot be shown: the file has 500000000 bytes or more."},
        {dir.path(), "cannot be shown: cannot open: it is a directory."},
    };
    for (const auto& [path, reason] : cases) {
      MessageBoxCloser closer;
      frame.OpenFile(path);
      QTRY_COMPARE(closer.texts.size(), 1);
      QCOMPARE(closer.texts[0], QDir::toNativeSeparators(path) + u'\n' + reason);
      QVERIFY(!frame.Opening());
      QCOMPARE(frame.ListView()->model()->rowCount(), sampleRows);
      QCOMPARE(frame.windowTitle(), QStringLiteral("sample.qlx - QLX Reader"));
      QCOMPARE(status->text(), sampleStatus);
    }
    QVERIFY(frame.findChild<QAction*>(QStringLiteral("recentFile2")) == nullptr);
  }

  void firstRecordTimeDoesNotComeFromThePreviousFile() {
    QTemporaryDir dir;
    // Sentences only: no time tag of its own.
    const QString untimed = WriteFile(dir, "untimed.qlx", SentenceLog({"$GPVTG,54.7,T,,M,5.5,N,10.2,K"}));
    const auto alone = ParseFile(untimed);
    QCOMPARE(alone->parser.Count(), size_t{1});
    const QString ownTime = QString::fromLatin1(FormatLogTime(alone->parser.At(0).time));
    const auto sample = ParseFile(SamplePath());
    const QString sampleEnd = QString::fromLatin1(FormatLogTime(sample->parser.CurrentLogTime()));
    QVERIFY(sampleEnd != ownTime);

    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenAndWait(frame, SamplePath()));
    QVERIFY(OpenAndWait(frame, untimed));
    const QAbstractItemModel& model = *frame.ListView()->model();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 1)).toString(), ownTime);
  }

  void aCancelledOpenKeepsThePreviousFile() {
    QTemporaryDir dir;
    const QString small = WriteFile(dir, "small.qlx", SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00"}));
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), small});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenEnded(frame));
    auto* status = frame.findChild<QLabel*>(QStringLiteral("messagePane"));
    const QString smallStatus = status->text();
    auto* progress = frame.findChild<QWidget*>(QStringLiteral("openProgress"));
    auto* cancel = frame.findChild<QPushButton*>(QStringLiteral("cancelOpen"));
    QVERIFY(!progress->isVisible());

    frame.OpenFile(SamplePath());
    QVERIFY(frame.Opening());
    QVERIFY(progress->isVisible());
    QCOMPARE(status->text(), QStringLiteral("Opening sample.qlx..."));
    cancel->click();
    QVERIFY(!frame.Opening());
    QVERIFY(!progress->isVisible());
    QCOMPARE(status->text(), smallStatus);
    // The worker runs on to its end; what it made must not replace the list.
    QTRY_COMPARE(reader.Document().Workers(), 0);
    QCOMPARE(frame.ListView()->model()->rowCount(), 1);
    QCOMPARE(frame.windowTitle(), QStringLiteral("small.qlx - QLX Reader"));
    QVERIFY(frame.findChild<QAction*>(QStringLiteral("recentFile2")) == nullptr);

    // A later open of the same file is not confused with the dropped one.
    QVERIFY(OpenAndWait(frame, SamplePath()));
    QCOMPARE(frame.windowTitle(), QStringLiteral("sample.qlx - QLX Reader"));
    QVERIFY(frame.ListView()->model()->rowCount() > 1000);
  }

  void aFileThatIsNotALogOpensAndTheStatusBarSaysSo() {
    QTemporaryDir dir;
    const std::string text = "plain text, not a log\n";
    const QString notLog = WriteFile(dir, "notes.txt", Bytes(text.begin(), text.end()));
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    auto* status = frame.findChild<QLabel*>(QStringLiteral("messagePane"));
    QVERIFY(OpenAndWait(frame, notLog));
    QCOMPARE(frame.ListView()->model()->rowCount(), 1);
    QCOMPARE(status->text().count(QString::fromLatin1(kNotQlxLogMessage)), 1);
    QVERIFY(OpenAndWait(frame, SamplePath()));
    QVERIFY(!status->text().contains(QString::fromLatin1(kNotQlxLogMessage)));
  }

  // Edit > Copy, Ctrl+C and the list's context menu give what choosing the
  // row gives.
  void copyPutsTheSelectedRecordOnTheClipboard() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenEnded(frame));
    const auto sample = ParseFile(SamplePath());
    CQLXReaderView& list = *frame.ListView();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    QAction* copy = frame.Command(FrameCommand::Copy);

    clipboard.setText(QStringLiteral("untouched"));
    copy->trigger();
    QCOMPARE(clipboard.text(), QStringLiteral("untouched"));  // nothing selected

    list.selectRow(7);
    const std::string expected = SelectionText(sample->parser.At(7));
    const QString expectedText = QString::fromLatin1(expected.data(), static_cast<qsizetype>(expected.size()));
    copy->trigger();
    QCOMPARE(clipboard.text(), expectedText);

    clipboard.clear();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.text(), expectedText);

    QCOMPARE(list.contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(list.actions().contains(copy));
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
      for (const QString& path : paths) QVERIFY(OpenAndWait(reader.MainFrame(), path));
      QVERIFY(OpenAndWait(reader.MainFrame(), paths[2]));  // again: moves to the front
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
    QVERIFY(OpenEnded(frame));
    QCOMPARE(frame.windowTitle(), QStringLiteral("log5.qlx - QLX Reader"));
    QCOMPARE(frame.ListView()->model()->rowCount(), 1);
  }

  void menusToolBarAndDisabledCommands() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenEnded(frame));
    QStringList menus;
    for (QAction* action : frame.menuBar()->actions()) menus.append(action->text());
    QCOMPARE(menus, QStringList({"&File", "&Edit", "&View", "&Tools", "&Help"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&File")->actions()),
             QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "Save &As...", "-", "&Save\tCtrl+S",
                          QStringLiteral("&1 ") + SamplePath(), "-", "E&xit"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&Edit")->actions()),
             QStringList({"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-",
                          "&Find...\tCtrl+F", "Find &Next\tF3", "Find Pre&vious\tShift+F3", "-",
                          "&Go to Line...\tCtrl+G", "Go to T&ime...\tCtrl+Shift+G"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&View")->actions()),
             QStringList({"&Toolbar", "&Status Bar", "-", "Gateway Conversion", "Database"}));
    QCOMPARE(ActionTexts(TopMenu(frame, "&Help")->actions()), QStringList({"&About QLX Reader..."}));

    auto* bar = frame.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QStringList buttons;
    for (QAction* action : bar->actions()) buttons.append(action->isSeparator() ? "-" : action->toolTip());
    QCOMPARE(buttons, QStringList({"New", "Open", "Save", "-", "Cut", "Copy", "Paste", "-", "Print", "About"}));

    for (FrameCommand disabled : {FrameCommand::Save, FrameCommand::SaveAs, FrameCommand::Undo, FrameCommand::Cut,
                                  FrameCommand::Paste, FrameCommand::Print})
      QVERIFY2(!frame.Command(disabled)->isEnabled(), qPrintable(frame.Command(disabled)->text()));
    for (FrameCommand enabled :
         {FrameCommand::New, FrameCommand::Open, FrameCommand::Exit, FrameCommand::About, FrameCommand::Copy})
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
    QVERIFY(OpenEnded(frame));
    QCOMPARE(frame.ListView()->model()->rowCount(), 1);
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
    QVERIFY(OpenEnded(frame));
    QVERIFY(frame.ListView()->model()->rowCount() > 0);
    frame.Command(FrameCommand::New)->trigger();
    QCOMPARE(frame.ListView()->model()->rowCount(), 0);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - QLX Reader"));
  }

  void splitterGivesTwoThirdsThenKeepsTheShare() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    CMainFrame& frame = reader.MainFrame();
    QVERIFY(OpenEnded(frame));
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
    QVERIFY(OpenEnded(frame));
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
