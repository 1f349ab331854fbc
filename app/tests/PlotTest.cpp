// Plotting a field from the info view on the real window: the series holds
// every record of the field's PGN and source, draws only the real values,
// takes more fields, saves its picture and data, and a click on a point
// chooses that point's record in the list.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTreeWidget>
#include <cmath>

#include "AppTestSupport.h"
#include "app/InfoView.h"
#include "app/MainFrame.h"
#include "app/PlotChartView.h"
#include "app/PlotWindow.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderView.h"
#include "decode/RecordDecoder.h"
#include "query/RecordFacts.h"

namespace {

QTreeWidgetItem* LineStartingWith(QTreeWidget& tree, const QString& prefix) {
  for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it)
    if ((*it)->text(0).startsWith(prefix)) return *it;
  return nullptr;
}

int CurrentRow(const CQLXReaderView& list) { return list.selectionModel()->selectedRows().value(0).row(); }

}  // namespace

class PlotTest : public QObject {
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

  // The records of 127250 from source 20 and, read from their decode text,
  // those whose heading is a number.
  void plotOverTimeShowsEveryRecordOfThePgnAndSource() {
    size_t first = SIZE_MAX, records = 0, numbers = 0;
    DecodeContext context;
    for (size_t i = 0; i < sample_->parser.Count(); ++i) {
      N2kHeader header;
      if (!ReadN2kHeader(sample_->parser.At(i), header) || header.pgn != 127250 || header.source != 20) continue;
      if (first == SIZE_MAX) first = i;
      ++records;
      DecodeRecord(DM_Full, context, sample_->parser.At(i), nullptr);
      for (const CTreeNode& line : context.tree.Children()) {
        const std::string& text = line.Text();
        const std::string prefix = "Field 2: Heading Sensor Reading = ";
        if (text.starts_with(prefix) && text.size() > prefix.size() && std::isdigit(static_cast<uint8_t>(text[prefix.size()])))
          ++numbers;
      }
    }
    QVERIFY(first != SIZE_MAX);
    QVERIFY(numbers > 1000);

    CMainFrame& frame = reader_->MainFrame();
    frame.ListView()->Choose(static_cast<int>(first));
    CInfoView& info = *frame.InfoView();
    info.setCurrentItem(info.topLevelItem(0));
    QVERIFY2(!info.PlotAction()->isEnabled(), "the summary line is no field");
    info.setCurrentItem(LineStartingWith(info, QStringLiteral("Field 2: Heading Sensor Reading")));
    QVERIFY(info.PlotAction()->isEnabled());
    info.PlotAction()->trigger();

    CPlotWindow* plot = frame.PlotWindow();
    QVERIFY(plot != nullptr);
    QVERIFY(plot->isVisible());
    QCOMPARE(plot->FieldCount(), 1);
    QCOMPARE(plot->Points(0).size(), records);
    QCOMPARE(static_cast<size_t>(plot->DrawnPointCount(0)), numbers);
    QCOMPARE(plot->Points(0).front().record, first);
  }

  // A temperature the log never has is all gaps: nothing is drawn for it,
  // not a line of zeros. Added to the chart, the heading stays.
  void notAvailableValuesAreGapsAndFieldsAddUp() {
    CMainFrame& frame = reader_->MainFrame();
    size_t row = SIZE_MAX;
    for (size_t i = 0; i < sample_->parser.Count() && row == SIZE_MAX; ++i) {
      N2kHeader header;
      if (ReadN2kHeader(sample_->parser.At(i), header) && header.pgn == 130312) row = i;
    }
    QVERIFY(row != SIZE_MAX);
    frame.ListView()->Choose(static_cast<int>(row));
    CInfoView& info = *frame.InfoView();
    info.setCurrentItem(LineStartingWith(info, QStringLiteral("Field 5: Set Temperature")));
    QVERIFY(info.AddToPlotAction()->isEnabled());
    info.AddToPlotAction()->trigger();
    CPlotWindow& plot = *frame.PlotWindow();
    QCOMPARE(plot.FieldCount(), 2);
    QVERIFY(plot.Points(1).size() > 100);
    QCOMPARE(plot.DrawnPointCount(1), 0);
    for (const SeriesPoint& point : plot.Points(1)) QVERIFY(std::isnan(point.value));
    QCOMPARE(plot.Request(0).field.stream.pgn, 127250u);
  }

  void clickingAPointChoosesItsRecord() {
    CMainFrame& frame = reader_->MainFrame();
    CPlotWindow& plot = *frame.PlotWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    const size_t chosen = plot.Points(0).size() / 2;
    const size_t record = plot.Points(0)[chosen].record;
    QVERIFY(CurrentRow(*frame.ListView()) != static_cast<int>(record));
    // Zoomed in about the point so that it stands apart from its neighbours.
    const QPoint at = plot.ViewportPosition(0, chosen);
    for (int i = 0; i < 12; ++i) {
      QWheelEvent wheel(at, plot.ChartView()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(plot.ChartView()->viewport(), &wheel);
    }
    const QPoint zoomed = plot.ViewportPosition(0, chosen);
    QVERIFY(plot.ChartView()->viewport()->rect().contains(zoomed));
    QTest::mouseClick(plot.ChartView()->viewport(), Qt::LeftButton, Qt::NoModifier, zoomed);
    QCOMPARE(CurrentRow(*frame.ListView()), static_cast<int>(record));
    // The info view follows, as on a click in the list.
    QVERIFY(LineStartingWith(*frame.InfoView(), QStringLiteral("Field 2: Heading Sensor Reading")) != nullptr);
  }

  void savesThePictureAndTheData() {
    CPlotWindow& plot = *reader_->MainFrame().PlotWindow();
    QTemporaryDir dir;
    QString error;
    const QString png = dir.filePath(QStringLiteral("plot.png")), csv = dir.filePath(QStringLiteral("plot.csv"));
    QVERIFY2(plot.SavePicture(png, error), qPrintable(error));
    const QImage image(png);
    QCOMPARE(image.size(), plot.ChartView()->size() * plot.ChartView()->devicePixelRatio());
    QVERIFY2(plot.SaveData(csv, error), qPrintable(error));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // Header, one row per point of both fields, and the empty rest after the
    // last line end.
    QCOMPARE(static_cast<size_t>(lines.size()), 2 + plot.Points(0).size() + plot.Points(1).size());
    QVERIFY(lines[1].contains(",127250,20,0,2,Heading Sensor Reading,"));

    // A folder that does not exist: a reason, and no file.
    const QString missing = dir.filePath(QStringLiteral("none/plot.csv"));
    QVERIFY(!plot.SaveData(missing, error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(missing));
  }

 private:
  std::unique_ptr<ParsedLog> sample_;
  std::unique_ptr<CQLXReaderApp> reader_;
};

QTEST_MAIN(PlotTest)
#include "PlotTest.moc"
