// Finding things in the window: the filter bar, the shown / total count,
// Find Next and Previous wrapping round the list, Go to Line and Go to Time.
// Every expectation is worked out from the record list and its summaries,
// independently of the filter code.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "AppTestSupport.h"
#include "app/FilterBar.h"
#include "app/FindCommands.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderView.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"

namespace {

std::string Summary(const Record& record) {
  DecodeContext context;
  DecodeRecord(DM_Summary, context, record, nullptr);
  return context.text;
}

int SelectedRow(const CQLXReaderView& list) {
  const QModelIndexList rows = list.selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ClickRow(CQLXReaderView& list, int row) {
  const QModelIndex index = list.model()->index(row, 2);
  list.scrollTo(index);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualRect(index).center());
}

QString LineCell(const CQLXReaderView& list, int row) { return list.model()->index(row, 0).data().toString(); }

}  // namespace

class FilterFindTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    UseTemporarySettings();
    sample_ = ParseFile(SamplePath());
    reader_ = std::make_unique<CQLXReaderApp>();
    reader_->InitInstance({QStringLiteral("qlxreader"), SamplePath()});
    QVERIFY(QTest::qWaitForWindowExposed(&reader_->MainFrame()));
    QVERIFY(OpenEnded(reader_->MainFrame()));
    bar_ = reader_->MainFrame().findChild<FilterBar*>();
    find_ = reader_->MainFrame().findChild<FindCommands*>();
    count_ = reader_->MainFrame().statusBar()->findChild<QLabel*>(QStringLiteral("shownCount"));
    QVERIFY(bar_ != nullptr && find_ != nullptr && count_ != nullptr);
  }
  void cleanupTestCase() { reader_.reset(); }
  void init() { QVERIFY(bar_->Apply(QString())); }

  // Typed and applied with Enter: the rows are the records from source 20
  // under their own line numbers, the chosen record stays chosen, and
  // clearing the bar brings back the whole list around it.
  void typingAFilterShowsOnlyTheMatchingRecords() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    const size_t total = sample_->parser.Count();
    std::vector<size_t> expected;
    for (size_t i = 0; i < total; ++i) {
      const Record r = sample_->parser.At(i);
      if (r.type == MT_N2K && Summary(r).find(", SRC = 20,") != std::string::npos) expected.push_back(i);
    }
    QVERIFY(expected.size() > 10);
    const int chosen = static_cast<int>(expected[expected.size() / 2]);
    ClickRow(list, chosen);
    QCOMPARE(count_->text(), QStringLiteral("%1 / %1").arg(total));

    QLineEdit* editor = bar_->Editor()->lineEdit();
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("n2k && src == 20"));
    QTest::keyClick(editor, Qt::Key_Return);

    QCOMPARE(static_cast<size_t>(list.model()->rowCount()), expected.size());
    QCOMPARE(LineCell(list, 0), QString::number(expected.front() + 1));
    QCOMPARE(LineCell(list, list.model()->rowCount() - 1), QString::number(expected.back() + 1));
    QCOMPARE(count_->text(), QStringLiteral("%1 / %2").arg(expected.size()).arg(total));
    QCOMPARE(LineCell(list, SelectedRow(list)), QString::number(chosen + 1));
    QCOMPARE(bar_->Recent().value(0), QStringLiteral("n2k && src == 20"));
    QVERIFY(!bar_->ShowsError());

    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(static_cast<size_t>(list.model()->rowCount()), total);
    QCOMPARE(SelectedRow(list), chosen);
    QCOMPARE(count_->text(), QStringLiteral("%1 / %1").arg(total));
  }

  // A bad expression leaves the list as it was and says what is wrong.
  void aBadExpressionTurnsTheBarRed() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    QVERIFY(bar_->Apply(QStringLiteral("n183")));
    const int shown = list.model()->rowCount();
    QLineEdit* editor = bar_->Editor()->lineEdit();
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("src == "));
    QVERIFY(bar_->ShowsError());  // already while typing
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(bar_->ShowsError());
    QCOMPARE(bar_->ErrorText(),
             QStringLiteral("column 8: expected a number from 0 to 255 after '==', found the end of the expression"));
    QVERIFY(!editor->styleSheet().isEmpty());
    QCOMPARE(list.model()->rowCount(), shown);
    QTest::keyClicks(editor, QStringLiteral("20"));
    QVERIFY(!bar_->ShowsError());
    QVERIFY(editor->styleSheet().isEmpty());
  }

  // F3 from the last match wraps to the first, Shift+F3 back again; both
  // show the record as a click does.
  void findNextWrapsRoundTheList() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    std::vector<int> matches;
    for (size_t i = 0; i < sample_->parser.Count(); ++i) {
      std::string s = Summary(sample_->parser.At(i));
      for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (s.find("gga") != std::string::npos) matches.push_back(static_cast<int>(i));
    }
    QVERIFY(matches.size() > 2);
    find_->SetFindText(QStringLiteral("GgA"));
    ClickRow(list, matches[0]);
    QTest::keyClick(&reader_->MainFrame(), Qt::Key_F3);
    QCOMPARE(SelectedRow(list), matches[1]);

    ClickRow(list, matches.back());
    QTest::keyClick(&reader_->MainFrame(), Qt::Key_F3);
    QCOMPARE(SelectedRow(list), matches.front());
    QVERIFY(reader_->MainFrame().statusBar()->currentMessage().contains(QStringLiteral("continued from the top")));
    const Record first = sample_->parser.At(static_cast<size_t>(matches.front()));
    const std::string selection = SelectionText(first);
    QCOMPARE(QGuiApplication::clipboard()->text().toLatin1(),
             QByteArray(selection.data(), static_cast<qsizetype>(selection.size())));

    QTest::keyClick(&reader_->MainFrame(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(SelectedRow(list), matches.back());

    find_->SetFindText(QStringLiteral("no summary holds this"));
    QVERIFY(!find_->FindNext());
    QCOMPARE(SelectedRow(list), matches.back());
  }

  // Under a filter, a hidden line leads to the next line shown.
  void goToLineAndTime() {
    CQLXReaderView& list = *reader_->MainFrame().ListView();
    QVERIFY(find_->GoToLine(5000));
    QCOMPARE(SelectedRow(list), 4999);

    QVERIFY(bar_->Apply(QStringLiteral("n183")));
    size_t hidden = 0;
    while (sample_->parser.At(hidden).group == MG_N183) ++hidden;
    size_t next = hidden;
    while (sample_->parser.At(next).group != MG_N183) ++next;
    QVERIFY(find_->GoToLine(hidden + 1));
    QCOMPARE(LineCell(list, SelectedRow(list)), QString::number(next + 1));
    QVERIFY(!find_->GoToLine(sample_->parser.Count() + 1));

    QVERIFY(bar_->Apply(QString()));
    size_t at = 0;
    while (FormatLogTime(sample_->parser.At(at).time) < "09:31:10.000") ++at;
    QVERIFY(find_->GoToTime(QStringLiteral("09:31:10")));
    QCOMPARE(SelectedRow(list), static_cast<int>(at));
    QVERIFY(!find_->GoToTime(QStringLiteral("9.31")));
  }

 private:
  std::unique_ptr<ParsedLog> sample_;
  std::unique_ptr<CQLXReaderApp> reader_;
  FilterBar* bar_ = nullptr;
  FindCommands* find_ = nullptr;
  QLabel* count_ = nullptr;
};

QTEST_MAIN(FilterFindTest)
#include "FilterFindTest.moc"
