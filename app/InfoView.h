// The lower pane: the full decode of the record last chosen in the list. The
// list view fills it; the view itself never changes the tree. A numeric
// field's line offers a plot of that field over the whole log.
#pragma once

#include <QString>
#include <QTreeWidget>
#include <cstddef>
#include <optional>
#include <vector>

#include "base/OutputTree.h"
#include "query/FieldLines.h"
#include "query/FieldSeries.h"

class CQLXReaderDoc;
class QAction;

// One field of the decode, asked for in a plot.
struct PlotRequest {
  SeriesField field;
  QString name;
  QString unit;
  // The field with its message, for the legend: "Heading (127250 from 20)".
  QString label;
};

class CInfoView : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr const char* kPlotText = "Plot over time";
  static constexpr const char* kAddToPlotText = "Add to plot";

  CInfoView(CQLXReaderDoc& doc, QWidget* parent = nullptr);

  // Shows the decode of record `index` (from 0), with the fields its decode
  // reported.
  void ShowDecode(size_t index, const CTreeNode& root, std::vector<ReportedField> fields);

  // Act on the current line; enabled while it shows a numeric field.
  QAction* PlotAction() const { return plot_; }
  QAction* AddToPlotAction() const { return addToPlot_; }

  // The request for the line, when it shows a numeric field.
  std::optional<PlotRequest> RequestForItem(QTreeWidgetItem* item) const;

 signals:
  // add: onto the chart already open, rather than a new chart.
  void PlotRequested(const PlotRequest& request, bool add);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Forget();
  void UpdatePlotActions();
  void Request(bool add);

  CQLXReaderDoc& doc_;
  std::optional<size_t> record_;
  CTreeNode tree_;
  std::vector<ReportedField> fields_;
  QAction* plot_;
  QAction* addToPlot_;
};
