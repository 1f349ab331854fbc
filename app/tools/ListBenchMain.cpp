// Timing of the record list on a log: how long the open takes, how long
// until the first rows are painted after it, and how long one screenful of
// cells takes to produce at the top, middle and end of the list.
//   qlxreader-bench LOG
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTextStream>
#include <algorithm>

#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"

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

  QElapsedTimer open;
  open.start();
  reader.Document().Open(args[1]);
  const double openMs = Milliseconds(open);
  QElapsedTimer shown;
  shown.start();
  while (!watch.painted) QApplication::processEvents();
  const double shownMs = Milliseconds(shown);
  out << "records: " << reader.Document().Count() << "\n";
  out << "open (load and parse): " << openMs << " ms\n";
  out << "from open to first rows painted: " << shownMs << " ms\n";

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
