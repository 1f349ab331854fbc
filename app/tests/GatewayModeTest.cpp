// Gateway mode on the real window: the View menu's "Gateway Conversion" and
// "Database" choices, what a selected record shows with them, and what is
// remembered for the next run.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/InfoView.h"
#include "app/LibraryDlg.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "base/OutputTree.h"
#include "decode/RecordDecoder.h"
#include "gateway/RecordReceive.h"
#include "gateway/WXN.h"
#include "library/DBImageView.h"
#include "log/LogTime.h"

namespace {

// 2022-02-11, well past any clock wrap question.
constexpr uint64_t kStart = 133'000'000'000'000'000;
constexpr uint64_t kSecond = 10'000'000;

constexpr const char* kGll = "$GPGLL,5057.970,N,00146.110,W,142451,A";
constexpr const char* kDpt = "$SDDPT,9.14,0.5";
constexpr const char* kDbt = "$SDDBT,30.0,f,9.1,M,5.0,F";

uint32_t ClockOf(uint64_t time) { return static_cast<uint32_t>(time / kFileTimeTicksPerMillisecond); }

void ClickRow(CQLXReaderView& list, int row) {
  const QModelIndex index = list.model()->index(row, 2);
  list.scrollTo(index);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualRect(index).center());
}

int RowStarting(const ParsedLog& log, std::string_view text) {
  for (size_t i = 0; i < log.parser.Count(); ++i) {
    const Record record = log.parser.At(i);
    const std::string_view data(reinterpret_cast<const char*>(record.data.data()), record.data.size());
    if (data.starts_with(text)) return static_cast<int>(i);
  }
  return -1;
}

bool Holds(Repository& repository, uint32_t datatype) {
  RepositoryValue value;
  return GetValue(&repository, datatype, 0, false, value) == 0 && value.status < VS_UseAsValidDisplayValue;
}

uint32_t ReceivePgnCount(const QString& word) {
  CWXN gateway;
  gateway.SelectDatabase(word.toStdString(), 0);
  return CountN2KRxPGNs(gateway.Engine().database);
}

QPushButton* Button(const QWidget& parent, const QString& text) {
  for (QPushButton* button : parent.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

}  // namespace

class GatewayModeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseTemporarySettings(); }

  void conversionIsOffByDefaultAndRemembered() {
    {
      CQLXReaderApp reader;
      reader.InitInstance({QStringLiteral("qlxreader")});
      QAction* conversion = reader.MainFrame().GatewayConversion();
      QCOMPARE(conversion->text(), QStringLiteral("Gateway Conversion"));
      QVERIFY(conversion->isCheckable());
      QVERIFY(!conversion->isChecked());
      QVERIFY(!reader.Document().GatewayMode());
      conversion->trigger();
      QVERIFY(reader.Document().GatewayMode());
    }
    CQLXReaderApp again;
    again.InitInstance({QStringLiteral("qlxreader")});
    QVERIFY(again.MainFrame().GatewayConversion()->isChecked());
    QVERIFY(again.Document().GatewayMode());
    again.MainFrame().GatewayConversion()->trigger();
    QVERIFY(!again.Document().GatewayMode());
    QCOMPARE(QSettings().value(QString::fromLatin1(CMainFrame::kGatewayModeKey)).toBool(), false);
  }

  // The gateway has received the records of the last ten seconds before the
  // selected one, and no earlier ones; the info view and the clipboard show
  // the selected record decoded through it.
  void selectedRecordIsDecodedAfterTheLeadIn() {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("leadin.qlx"),
                                   TimedSentenceLog({{kStart, kGll}, {kStart + 12 * kSecond, kDpt},
                                                     {kStart + 20 * kSecond, kDbt}}));
    const std::unique_ptr<ParsedLog> log = ParseFile(path);
    const int dbt = RowStarting(*log, "$SDDBT");
    const int dpt = RowStarting(*log, "$SDDPT");
    QVERIFY(dbt > dpt && dpt > 0);
    const Record record = log->parser.At(static_cast<size_t>(dbt));

    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), path});
    QVERIFY(OpenEnded(reader.MainFrame()));
    CMainFrame& frame = reader.MainFrame();
    frame.GatewayConversion()->trigger();
    ClickRow(*frame.ListView(), dbt);

    Repository& received = reader.Document().Gateway().Engine().n183Repository;
    QVERIFY(Holds(received, RD_WaterDepthOffset));   // DPT, 8 s before
    QVERIFY(!Holds(received, RD_LatitudeWGS84));     // GLL, 20 s before

    // The same decode on a gateway given the one record of the lead-in.
    CWXN expected;
    const uint32_t leadInClock = ClockOf(kStart + 12 * kSecond);
    expected.RebuildEngine(leadInClock);
    expected.ConvertN183(kDpt, static_cast<uint32_t>(std::strlen(kDpt)), leadInClock);
    DecodeContext context;
    context.previousTime = leadInClock;
    DecodeRecord(DM_Gateway, context, record, &expected);
    CInfoView& info = *frame.InfoView();
    QCOMPARE(info.topLevelItemCount(), 1);
    QCOMPARE(TreeDifference(context.tree, *info.topLevelItem(0)), QString());
    const std::string clipboard = SelectionText(record, {}, context.text);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(clipboard.data(), qsizetype(clipboard.size())));

    // Switched off, the same record shows its full decode again at once.
    DecodeContext full;
    DecodeRecord(DM_Full, full, record, nullptr);
    QVERIFY(!TreeDifference(full.tree, *info.topLevelItem(0)).isEmpty());
    frame.GatewayConversion()->trigger();
    QCOMPARE(TreeDifference(full.tree, *info.topLevelItem(0)), QString());
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), SelectionText(record));
  }

  // However busy the bus, at most kLeadInRecords records are run
  // through the gateway before the selected one.
  void leadInStopsAtItsRecordLimit() {
    // All in one instant: the time tag, GLL, the DPTs, then DBT.
    Bytes bytes;
    AppendTimeTag(bytes, kStart);
    AppendSentence(bytes, WithChecksum(kGll));
    const std::string dpt = WithChecksum(kDpt);
    for (size_t i = 0; i < kLeadInRecords; ++i) AppendSentence(bytes, dpt);
    AppendSentence(bytes, WithChecksum(kDbt));
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("busy.qlx"), bytes);

    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), path});
    QVERIFY(OpenEnded(reader.MainFrame()));
    QCOMPARE(reader.Document().Count(), kLeadInRecords + 2);  // time tags are not records
    reader.MainFrame().GatewayConversion()->trigger();
    CQLXReaderView& list = *reader.MainFrame().ListView();
    list.selectRow(static_cast<int>(kLeadInRecords + 1));
    list.ShowSelectedRecord();
    Repository& received = reader.Document().Gateway().Engine().n183Repository;
    QVERIFY(Holds(received, RD_WaterDepthOffset));
    QVERIFY(!Holds(received, RD_LatitudeWGS84));
    reader.MainFrame().GatewayConversion()->trigger();
  }

  void databaseMenuSelectsForTheGatewayAndIsRemembered() {
    QSettings().remove(QString::fromLatin1(CMainFrame::kDatabaseKey));
    const uint32_t full = ReceivePgnCount(QString());
    const uint32_t ais = ReceivePgnCount(QStringLiteral("AIS"));
    QVERIFY(full != ais);
    {
      CQLXReaderApp reader;
      reader.InitInstance({QStringLiteral("qlxreader")});
      CMainFrame& frame = reader.MainFrame();
      for (const char* text : {"Std", "AIS", "Full"}) QVERIFY2(frame.DatabaseChoice(QString::fromLatin1(text)), text);
      QVERIFY(frame.DatabaseChoice(QStringLiteral("Full"))->isChecked());
      QCOMPARE(frame.DatabasePane()->text(), QStringLiteral("Database: Full"));
      QCOMPARE(CountN2KRxPGNs(reader.Document().Gateway().Engine().database), full);

      frame.DatabaseChoice(QStringLiteral("AIS"))->trigger();
      QVERIFY(frame.DatabaseChoice(QStringLiteral("AIS"))->isChecked());
      QVERIFY(!frame.DatabaseChoice(QStringLiteral("Full"))->isChecked());
      QVERIFY(!frame.DatabaseChoice(QStringLiteral("Std"))->isChecked());
      QCOMPARE(frame.DatabasePane()->text(), QStringLiteral("Database: AIS"));
      QCOMPARE(reader.Document().DatabaseSelection(), QStringLiteral("AIS"));
      QCOMPARE(CountN2KRxPGNs(reader.Document().Gateway().Engine().database), ais);
    }
    // The next run starts on it, with the gateway built on it when first used.
    CQLXReaderApp again;
    again.InitInstance({QStringLiteral("qlxreader")});
    QVERIFY(again.MainFrame().DatabaseChoice(QStringLiteral("AIS"))->isChecked());
    QCOMPARE(again.MainFrame().DatabasePane()->text(), QStringLiteral("Database: AIS"));
    QCOMPARE(CountN2KRxPGNs(again.Document().Gateway().Engine().database), ais);
    again.MainFrame().DatabaseChoice(QStringLiteral("Full"))->trigger();
    QCOMPARE(CountN2KRxPGNs(again.Document().Gateway().Engine().database), full);
  }

  void databaseViewSelectsForTheGatewayToo() {
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader")});
    CMainFrame& frame = reader.MainFrame();
    CLibraryDlg view(reader.Document());
    QTest::mouseClick(Button(view, QStringLiteral("Set STD DB")), Qt::LeftButton);
    QVERIFY(frame.DatabaseChoice(QStringLiteral("Std"))->isChecked());
    QCOMPARE(frame.DatabasePane()->text(), QStringLiteral("Database: Std"));
    QCOMPARE(CountN2KRxPGNs(reader.Document().Gateway().Engine().database), ReceivePgnCount(QStringLiteral("Std")));
    // And the other way round: the menu's choice is the view's.
    frame.DatabaseChoice(QStringLiteral("AIS"))->trigger();
    QCOMPARE(view.Wizard().Selection(), std::string("AIS"));
    frame.DatabaseChoice(QStringLiteral("Full"))->trigger();
  }
};

QTEST_MAIN(GatewayModeTest)
#include "GatewayModeTest.moc"
