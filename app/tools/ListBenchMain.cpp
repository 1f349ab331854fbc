// Timing of the record list on a log: what the window adds to the core's
// load and parse before the first rows are painted, and how long one
// screenful of cells takes to produce at the top, middle and end of the
// list.
//   qlxreader-bench LOG
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTextStream>
#include <algorithm>

#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "log/RecordParser.h"

namespace {

// Notes the moment the list's rows are first painted.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

double Milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 2) {
    QTextStream(stderr) << "usage: qlxreader-bench LOG\n";
    return 2;
  }
  QTextStream out(stdout);

  CQLXReaderApp reader;
  reader.InitInstance({args[0]});
  CMainFrame& frame = reader.MainFrame();
  frame.resize(1280, 860);
  QApplication::processEvents();

  CQLXReaderView& list = *frame.ListView();
  PaintWatch watch;
  list.viewport()->installEventFilter(&watch);

  double coreMs = 0;
  {
    QElapsedTimer core;
    core.start();
    auto image = std::make_shared<LogFileImage>();
    RecordParser parser;
    if (image->Load(QFile::encodeName(args[1]).constData()) == 0) parser.Parse(std::move(image));
    coreMs = Milliseconds(core);
  }
  QElapsedTimer shown;
  shown.start();
  reader.Document().Open(args[1]);
  while (reader.Document().Opening()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const double openMs = Milliseconds(shown);
  while (!watch.painted) QApplication::processEvents();
  const double shownMs = Milliseconds(shown);
  out << "records: " << reader.Document().Count() << "\n";
  out << "core load and parse alone: " << coreMs << " ms\n";
  out << "document open in the background, to the list reset: " << openMs << " ms\n";
  out << "open to first rows painted: " << shownMs << " ms (" << shownMs - coreMs << " ms over the core)\n";

  // The list's own share, apart from the parse: reset it over the loaded
  // records and wait for the paint.
  watch.painted = false;
  QElapsedTimer reset;
  reset.start();
  emit reader.Document().ContentsAboutToChange();
  emit reader.Document().ContentsChanged();
  while (!watch.painted) QApplication::processEvents();
  out << "list reset over the records to first rows painted: " << Milliseconds(reset) << " ms\n";

  const QAbstractItemModel& model = *list.model();
  const int rows = model.rowCount();
  const int screenful = list.viewport()->height() / std::max(1, list.rowHeight(0)) + 1;
  for (const int top : {0, rows / 2, std::max(0, rows - screenful)}) {
    QElapsedTimer cells;
    cells.start();
    int produced = 0;
    for (int row = top; row < std::min(rows, top + screenful); ++row)
      for (int column = 0; column < model.columnCount(); ++column) {
        const QModelIndex index = model.index(row, column);
        produced += model.data(index, Qt::DisplayRole).toString().size() > 0;
        produced += model.data(index, Qt::ForegroundRole).isValid();
      }
    out << "screenful of " << screenful << " rows from row " << top + 1 << ": " << Milliseconds(cells) << " ms ("
        << produced << " cell values)\n";
  }
  return 0;
}
