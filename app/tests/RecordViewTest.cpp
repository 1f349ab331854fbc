// Choosing records by mouse and keyboard: the clipboard text, the decode
// tree, the keys that move through the list, and the row colours.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <map>
#include <utility>

#include "AppTestSupport.h"
#include "app/InfoView.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderView.h"
#include "app/TreeCtrlBinding.h"
#include "base/OutputTree.h"
#include "decode/RecordDecoder.h"

namespace {

QByteArray ClipboardBytes() { return QGuiApplication::clipboard()->text().toLatin1(); }

QByteArray Latin1(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

void ClickRow(CQLXReaderView& list, int row) {
  const QModelIndex index = list.model()->index(row, 2);
  list.scrollTo(index);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualRect(index).center());
}

int CurrentRow(const CQLXReaderView& list) { return list.selectionModel()->selectedRows().value(0).row(); }

}  // namespace

class RecordViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    UseTemporarySettings();
    sample_ = ParseFile(SamplePath());
    reader_ = std::make_unique<CQLXReaderApp>();
    reader_->InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    QVERIFY(OpenEnded(reader_->MainFrame()));
    QVERIFY(QTest::qWaitForWindowExposed(&reader_->MainFrame()));
  }
  void cleanupTestCase() { reader_.reset(); }

  // One row of every (group, type) the sample holds: the clipboard carries
  // exactly the record's description and the tree shows its full decode.
  void everyKindOfRecordFillsClipboardAndTree() {
    std::map<std::pair<uint32_t, uint32_t>, int> firstRow;
    for (size_t i = 0; i < sample_->parser.Count(); ++i) {
      const Record r = sample_->parser.At(i);
      firstRow.emplace(std::make_pair(r.group, r.type), static_cast<int>(i));
    }
    // QLX tags, sentences and their faults, KVT frames of several kinds,
    // device messages and stray bytes.
    QVERIFY2(firstRow.size() >= 8, qPrintable(QString::number(firstRow.size())));

    CQLXReaderView& list = *reader_->MainFrame().ListView();
    CInfoView& info = *reader_->MainFrame().InfoView();
    for (const auto& [kind, row] : firstRow) {
      const Record record = sample_->parser.At(static_cast<size_t>(row));
      QGuiApplication::clipboard()->clear();
      ClickRow(list, row);
      QCOMPARE(CurrentRow(list), row);
      QCOMPARE(ClipboardBytes(), Latin1(SelectionText(record)));

      DecodeContext context;
      DecodeRecord(DM_Full, context, record, nullptr);
      QCOMPARE(info.topLevelItemCount(), 1);
      const QString difference = TreeDifference(context.tree, *info.topLevelItem(0));
      QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("row %1: %2").arg(row + 1).arg(difference)));
    }
  }

  void clipboardStartsWithTheRawBytes() {
    QTemporaryDir dir;
    // Three bytes no unit claims: unrecognised data at the end of the file.
    const QString path = WriteFile(dir, "stray.qlx", {0x24, 0x41, 0x42});
    QVERIFY(OpenAndWait(reader_->MainFrame(), path));
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    QCOMPARE(list.model()->rowCount(), 1);
    ClickRow(list, 0);
    QVERIFY2(ClipboardBytes().startsWith("Raw KVT Data:\r\n0x24,0x41,0x42,\r\nBasic Message\r\n"),
             ClipboardBytes().constData());
    QVERIFY(OpenAndWait(reader_->MainFrame(), SamplePath()));
  }

  void upAndDownStopAtBothEnds() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    const int last = list.model()->rowCount() - 1;
    const auto textOf = [&](int row) { return Latin1(SelectionText(sample_->parser.At(static_cast<size_t>(row)))); };

    ClickRow(list, 0);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(CurrentRow(list), 0);
    QCOMPARE(ClipboardBytes(), textOf(0));
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(CurrentRow(list), 1);
    QCOMPARE(ClipboardBytes(), textOf(1));

    ClickRow(list, last - 1);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(CurrentRow(list), last);
    QCOMPARE(ClipboardBytes(), textOf(last));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(CurrentRow(list), last);
    QCOMPARE(ClipboardBytes(), textOf(last));
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(CurrentRow(list), last - 1);
    QCOMPARE(ClipboardBytes(), textOf(last - 1));
  }

  // Home, End and the page keys go where a list's do, and the record they
  // land on is shown and copied as a click shows it.
  void pageAndEndKeysShowTheRecordTheyReach() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    CInfoView& info = *reader_->MainFrame().InfoView();
    const int last = list.model()->rowCount() - 1;
    const auto shows = [&](int row) {
      const Record record = sample_->parser.At(static_cast<size_t>(row));
      if (CurrentRow(list) != row) return QStringLiteral("row %1 selected instead of %2").arg(CurrentRow(list)).arg(row);
      if (ClipboardBytes() != Latin1(SelectionText(record))) return QStringLiteral("clipboard is not row %1").arg(row);
      DecodeContext context;
      DecodeRecord(DM_Full, context, record, nullptr);
      return TreeDifference(context.tree, *info.topLevelItem(0));
    };

    ClickRow(list, 10);
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(shows(last), QString());
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(shows(0), QString());
    QTest::keyClick(&list, Qt::Key_PageDown);
    const int page = CurrentRow(list);
    QVERIFY(page > 1);
    QCOMPARE(shows(page), QString());
    QTest::keyClick(&list, Qt::Key_PageDown);
    QVERIFY(CurrentRow(list) > page);
    QCOMPARE(shows(CurrentRow(list)), QString());
    QTest::keyClick(&list, Qt::Key_PageUp);
    QCOMPARE(shows(page), QString());
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(shows(page + 1), QString());
  }

  void firstKeyWithoutASelectionShowsWhatItSelects() {
    QVERIFY(OpenAndWait(reader_->MainFrame(), SamplePath()));
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    QVERIFY(list.selectionModel()->selectedRows().isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    QTest::keyClick(&list, Qt::Key_Down);
    const int row = CurrentRow(list);
    QVERIFY(row >= 0);
    QCOMPARE(ClipboardBytes(), Latin1(SelectionText(sample_->parser.At(static_cast<size_t>(row)))));
  }

  void cellsAndColoursFollowTheRecords() {
    const QAbstractItemModel& model = *reader_->MainFrame().ListView()->model();
    const std::map<uint32_t, QColor> colours{
        {MT_N183, QColor(0, 0, 0)}, {MT_QLX, QColor(139, 69, 19)}, {MT_N183XC, QColor(255, 0, 0)}, {MT_N2K, QColor(0, 0, 0)}};
    std::map<uint32_t, int> seen;
    for (int row = 0; row < model.rowCount(); ++row) {
      const Record record = sample_->parser.At(static_cast<size_t>(row));
      const auto colour = colours.find(record.type);
      if (colour == colours.end() || seen[record.type]++ > 0) continue;
      for (int column = 0; column < model.columnCount(); ++column)
        QCOMPARE(model.data(model.index(row, column), Qt::ForegroundRole).value<QBrush>().color(), colour->second);
      QCOMPARE(model.data(model.index(row, 0)).toString(), QString::number(row + 1));
      QCOMPARE(model.data(model.index(row, 1)).toString().size(), 12);  // hh:mm:ss.mmm
      QCOMPARE(model.data(model.index(row, 2)).toString(), QString::fromLatin1(MessageTypeName(record.type)));
      DecodeContext context;
      DecodeRecord(DM_Summary, context, record, nullptr);
      QCOMPARE(model.data(model.index(row, 3)).toString().toLatin1(), Latin1(context.text));
    }
    QCOMPARE(seen.size(), colours.size());
  }

  void anotherFileKeepsTheLastDecode() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    CInfoView& info = *reader_->MainFrame().InfoView();
    ClickRow(list, 5);
    const QString shown = info.topLevelItem(0)->text(0);
    QTemporaryDir dir;
    QVERIFY(OpenAndWait(reader_->MainFrame(), WriteFile(dir, "other.qlx", SentenceLog({"$GPZDA,093000.00,14,06,2026,00,00"}))));
    QCOMPARE(info.topLevelItem(0)->text(0), shown);
    QVERIFY(OpenAndWait(reader_->MainFrame(), SamplePath()));
  }

  void treeBindingKeepsOrderTextsAndExpansion() {
    CTreeNodeMFC root;
    root.SetText("Heading 12\xB0");
    root.SetExpand(true);
    root.AddLine("first");
    CTreeNode& section = root.AddNode();
    section.SetText("---- Repeat Section #%d", 1);
    section.AddLine("inner %d", 1);
    section.AddNode().AddLine("deep");
    root.AddLine("last");
    QTreeWidget control;
    control.addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
    ShowInTreeCtrl(control, root);
    QCOMPARE(control.topLevelItemCount(), 1);
    QCOMPARE(control.topLevelItem(0)->text(0), QStringLiteral("Heading 12\u00B0"));
    QCOMPARE(TreeDifference(root, *control.topLevelItem(0)), QString());
    QVERIFY(control.topLevelItem(0)->isExpanded());
    QVERIFY(!control.topLevelItem(0)->child(1)->isExpanded());
    QCOMPARE(control.topLevelItem(0)->child(1)->child(1)->text(0), QStringLiteral("<Empty Node!>"));
  }

 private:
  std::unique_ptr<ParsedLog> sample_;
  std::unique_ptr<CQLXReaderApp> reader_;
};

QTEST_MAIN(RecordViewTest)
#include "RecordViewTest.moc"
