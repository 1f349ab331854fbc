// The repository dialog, opened as the user opens it: Database View, then
// "Debug Dlg". Its simulations, side radios and the refresh after the
// gateway converted a record.
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/LibraryDlg.h"
#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "app/RepositoryDlg.h"
#include "gateway/WXN.h"

namespace {

constexpr uint64_t kStart = 133'000'000'000'000'000;
constexpr uint64_t kSecond = 10'000'000;

template <typename Widget>
Widget* Labelled(const QWidget& parent, const QString& text) {
  for (Widget* widget : parent.findChildren<Widget*>())
    if (widget->text() == text) return widget;
  return nullptr;
}

void Click(const QWidget& parent, const char* text) {
  QAbstractButton* button = Labelled<QAbstractButton>(parent, QString::fromLatin1(text));
  QVERIFY2(button != nullptr, text);
  QTest::mouseClick(button, Qt::LeftButton);
}

QString Cell(const CRepositoryDlg& dlg, int row, RepositoryColumn column) {
  const QAbstractItemModel& model = *dlg.List()->model();
  return model.data(model.index(row, column)).toString();
}

// The rows of one datatype, by their "Name" cells.
QList<int> RowsNamed(const CRepositoryDlg& dlg, const QString& name) {
  QList<int> rows;
  for (int row = 0; row < dlg.List()->model()->rowCount(); ++row)
    if (Cell(dlg, row, kNameColumn) == name) rows.append(row);
  return rows;
}

QString DateValue(const CRepositoryDlg& dlg) {
  const QList<int> rows = RowsNamed(dlg, QStringLiteral("RD_Date (55)"));
  return rows.size() == 1 ? Cell(dlg, rows[0], kValueColumn) : QString();
}

QStringList ChildTexts(const QTreeWidgetItem& item) {
  QStringList texts;
  for (int i = 0; i < item.childCount(); ++i) texts.append(item.child(i)->text(0));
  return texts;
}

}  // namespace

class RepositoryDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseTemporarySettings(); }

  void init() {
    view_ = std::make_unique<CLibraryDlg>(doc_);
    view_->show();
    Click(*view_, "Debug Dlg");
    dlg_ = view_->RepositoryDlg();
  }
  void cleanup() { view_.reset(); }

  void debugDlgShowsTheDocumentsGatewayOnItsNmea2000Repository() {
    QVERIFY(dlg_->isVisible());
    QCOMPARE(dlg_->windowTitle(), QStringLiteral("Repository Dialog"));
    QCOMPARE(dlg_->Gateway(), &doc_.Gateway());
    QVERIFY(dlg_->ShowsN2kRepository());
    QVERIFY(Labelled<QRadioButton>(*dlg_, QStringLiteral("N2K Repos"))->isChecked());
    QStringList headers;
    for (int c = 0; c < dlg_->List()->model()->columnCount(); ++c)
      headers.append(dlg_->List()->model()->headerData(c, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"Cache", "Name", "Index", "Value", "Units", "Age(ms)", "Status"}));
    QCOMPARE(dlg_->List()->columnWidth(kNameColumn), 150);
    // A fresh gateway holds nothing worth listing.
    doc_.Gateway().RebuildEngine(0);
    dlg_->Refresh();
    QCOMPARE(dlg_->List()->model()->rowCount(), 0);
  }

  void satellitesListNineValidPrnsAndTheirPgns() {
    doc_.Gateway().RebuildEngine(0);
    Click(*dlg_, "Satellites");
    const QList<int> prns = RowsNamed(*dlg_, QStringLiteral("RD_GNSS_SatPRN (84)"));
    QCOMPARE(prns.size(), 9);
    for (int i = 0; i < prns.size(); ++i) {
      QCOMPARE(Cell(*dlg_, prns[i], kIndexColumn), QString::number(i));
      QCOMPARE(Cell(*dlg_, prns[i], kValueColumn), QString::number(i + 1));
      QCOMPARE(Cell(*dlg_, prns[i], kAgeColumn), QStringLiteral("0"));
      QCOMPARE(Cell(*dlg_, prns[i], kStatusColumn), QStringLiteral("Valid"));
    }
    QCOMPARE(dlg_->Targets()->topLevelItemCount(), 1);
    const QTreeWidgetItem& targets = *dlg_->Targets()->topLevelItem(0);
    QCOMPARE(targets.text(0), QStringLiteral("Library PGNs"));
    QVERIFY(targets.isExpanded());
    QVERIFY(ChildTexts(targets).contains(QStringLiteral("129540 : GNSS Sats in View")));
  }

  void timeAlternatesTheDateOverFourPresses() {
    doc_.Gateway().RebuildEngine(0);
    QStringList dates;
    for (int press = 0; press < 5; ++press) {
      QCOMPARE(dlg_->Simulator().TimePressCounter(), press % 4);
      Click(*dlg_, "Time");
      dates.append(DateValue(*dlg_));
    }
    QVERIFY(!dates[0].isEmpty());
    QVERIFY(dates[1] != dates[0]);
    QCOMPARE(dates[2], dates[1]);
    QCOMPARE(dates[3], dates[1]);
    QCOMPARE(dates[4], dates[0]);
  }

  void sideRadiosSwitchTheRepositoryListed() {
    doc_.Gateway().RebuildEngine(0);
    Click(*dlg_, "Satellites");
    const int n2kRows = dlg_->List()->model()->rowCount();
    QVERIFY(n2kRows > 9);
    Click(*dlg_, "N183 Repos");
    QVERIFY(!dlg_->ShowsN2kRepository());
    QCOMPARE(dlg_->List()->model()->rowCount(), 0);
    // The simulation writes into the repository shown, and its targets are
    // then sentences.
    Click(*dlg_, "Satellites");
    QVERIFY(!RowsNamed(*dlg_, QStringLiteral("RD_GNSS_SatPRN (84)")).isEmpty());
    QCOMPARE(dlg_->Targets()->topLevelItem(0)->text(0), QStringLiteral("NMEA 0183 Sentences Targetted "));
    Click(*dlg_, "N2K Repos");
    QVERIFY(dlg_->ShowsN2kRepository());
    QCOMPARE(dlg_->List()->model()->rowCount(), n2kRows);
  }

  // The window decodes in gateway mode: each selection converts records,
  // and the dialog lists what they left, while it shows and only then.
  void listFollowsTheRecordsTheGatewayConverts() {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("depth.qlx"),
                                   TimedSentenceLog({{kStart, "$SDDPT,9.14,0.5"},
                                                     {kStart + 1 * kSecond, "$SDDBT,30.0,f,9.1,M,5.0,F"}}));
    CQLXReaderApp reader;
    reader.InitInstance({QStringLiteral("qlxreader"), path});
    QVERIFY(OpenEnded(reader.MainFrame()));
    CMainFrame& frame = reader.MainFrame();
    CLibraryDlg view(reader.Document());
    view.show();
    Click(view, "Debug Dlg");
    CRepositoryDlg& dlg = *view.RepositoryDlg();
    QVERIFY(dlg.ShowsN2kRepository());
    frame.GatewayConversion()->setChecked(true);

    CQLXReaderView& list = *frame.ListView();
    list.selectRow(list.model()->rowCount() - 1);
    list.ShowSelectedRecord();
    QVERIFY(!dlg.ShowsN2kRepository());
    QVERIFY(Labelled<QRadioButton>(dlg, QStringLiteral("N183 Repos"))->isChecked());
    QCOMPARE(RowsNamed(dlg, QStringLiteral("RD_WaterDepthOffset (122)")).size(), 1);

    // Hidden, it is left alone.
    dlg.hide();
    dlg.SelectSide(true);
    list.ShowSelectedRecord();
    QVERIFY(dlg.ShowsN2kRepository());
    frame.GatewayConversion()->setChecked(false);
  }

 private:
  CQLXReaderDoc doc_;
  std::unique_ptr<CLibraryDlg> view_;
  CRepositoryDlg* dlg_ = nullptr;
};

QTEST_MAIN(RepositoryDlgTest)
#include "RepositoryDlgTest.moc"
