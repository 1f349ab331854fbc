// Pictures the main window on a log with one record chosen:
//   qlxreader-screenshot LOG PNG --row N        (N from 1, as the Line column)
//   qlxreader-screenshot LOG PNG --matching TEXT (first row whose Data has TEXT)
// The window draws itself into the picture, so no screen grabber is needed.
#include <QApplication>
#include <QTextStream>

#include "app/MainFrame.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "app/RecordTableModel.h"

namespace {

int Usage() {
  QTextStream(stderr) << "usage: qlxreader-screenshot LOG PNG (--row N | --matching TEXT)\n";
  return 2;
}

int FindRow(const QAbstractItemModel& model, const QString& option, const QString& value) {
  if (option == QLatin1String("--row")) {
    bool ok = false;
    const int line = value.toInt(&ok);
    return ok && line >= 1 && line <= model.rowCount() ? line - 1 : -1;
  }
  if (option != QLatin1String("--matching")) return -1;
  for (int row = 0; row < model.rowCount(); ++row)
    if (model.index(row, RecordTableModel::kData).data().toString().contains(value)) return row;
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 5) return Usage();

  // The picture's size is set before the window first lays out, as a user's
  // saved placement would be.
  CQLXReaderApp::SetSettingsKey();
  CQLXReaderDoc doc;
  CMainFrame frame(doc);
  frame.resize(1280, 860);
  frame.show();
  frame.OpenFile(args[1]);
  while (frame.Opening()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();

  CQLXReaderView& list = *frame.ListView();
  const int row = FindRow(*list.model(), args[3], args[4]);
  if (row < 0) {
    QTextStream(stderr) << "no row for " << args[3] << ' ' << args[4] << '\n';
    return 1;
  }
  // The same path as a click: select the row and show its record.
  list.selectRow(row);
  list.scrollTo(list.model()->index(row, 0), QAbstractItemView::PositionAtCenter);
  list.ShowRecordDetails(row);
  QApplication::processEvents();

  if (!frame.grab().save(args[2])) {
    QTextStream(stderr) << "cannot write " << args[2] << '\n';
    return 1;
  }
  QTextStream(stdout) << "row " << row + 1 << " -> " << args[2] << '\n';
  return 0;
}
