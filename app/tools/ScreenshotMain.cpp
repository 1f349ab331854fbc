// Pictures the main window on a log with one record chosen:
//   qlxreader-screenshot LOG PNG --row N        (N from 1, as the Line column)
//   qlxreader-screenshot LOG PNG --matching TEXT (first row whose Data has TEXT)
// or, with --plot, the plot window of fields of that record, each named by
// the start of its line in the decode tree:
//   qlxreader-screenshot LOG PNG --matching TEXT --plot LINE [--add LINE]...
// The window draws itself into the picture, so no screen grabber is needed.
#include <QAction>
#include <QApplication>
#include <QTextStream>
#include <QTreeWidgetItemIterator>

#include "app/InfoView.h"
#include "app/MainFrame.h"
#include "app/PlotWindow.h"
#include "app/QLXReaderApp.h"
#include "app/QLXReaderDoc.h"
#include "app/QLXReaderView.h"
#include "app/RecordTableModel.h"

namespace {

int Usage() {
  QTextStream(stderr) << "usage: qlxreader-screenshot LOG PNG (--row N | --matching TEXT) [--plot LINE [--add LINE]...]\n";
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

// Plots (or adds) the field whose decode line starts with the text.
bool PlotLine(CInfoView& info, const QString& line, bool add) {
  for (QTreeWidgetItemIterator it(&info); *it != nullptr; ++it) {
    if (!(*it)->text(0).startsWith(line)) continue;
    info.setCurrentItem(*it);
    QAction* action = add ? info.AddToPlotAction() : info.PlotAction();
    if (!action->isEnabled()) return false;
    action->trigger();
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 5 || args.size() % 2 == 0) return Usage();

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

  QWidget* pictured = &frame;
  for (qsizetype i = 5; i + 1 < args.size(); i += 2) {
    const bool add = args[i] == QLatin1String("--add");
    if ((!add && args[i] != QLatin1String("--plot")) || (add != (i > 5))) return Usage();
    if (!PlotLine(*frame.InfoView(), args[i + 1], add)) {
      QTextStream(stderr) << "no numeric field line " << args[i + 1] << '\n';
      return 1;
    }
    pictured = frame.PlotWindow();
    pictured->resize(1100, 620);
  }
  QApplication::processEvents();

  if (!pictured->grab().save(args[2])) {
    QTextStream(stderr) << "cannot write " << args[2] << '\n';
    return 1;
  }
  QTextStream(stdout) << "row " << row + 1 << " -> " << args[2] << '\n';
  return 0;
}
