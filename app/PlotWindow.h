// A window that plots decoded fields against log time: one field from the
// info view, then more added onto the same chart. A value that is not a
// number breaks the line. Hovering shows a point's time and value, a click
// on a point chooses its record in the list, and the chart can be saved as
// a picture and its data as CSV.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/InfoView.h"
#include "query/FieldSeries.h"

class CPlotChartView;
class QAbstractSeries;
class QChart;
class QValueAxis;
class QXYSeries;

class CPlotWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr const char* kSavePictureText = "Save Chart as PNG...";
  static constexpr const char* kSaveDataText = "Save Data as CSV...";
  static constexpr const char* kResetZoomText = "Reset Zoom";

  explicit CPlotWindow(QWidget* parent = nullptr);

  // Shows the field's series: alone on a fresh chart, or added to the chart.
  void Plot(const PlotRequest& request, std::vector<SeriesPoint> points, bool add);
  // No fields.
  void Clear();

  int FieldCount() const { return static_cast<int>(fields_.size()); }
  const PlotRequest& Request(int field) const { return fields_[static_cast<size_t>(field)].request; }
  const std::vector<SeriesPoint>& Points(int field) const { return fields_[static_cast<size_t>(field)].points; }
  // The points the chart draws for the field: every value that is a number.
  qsizetype DrawnPointCount(int field) const;
  // Where the chart draws a point, in the chart view's viewport.
  QPoint ViewportPosition(int field, size_t point) const;
  CPlotChartView* ChartView() const { return view_; }

  // Written whole or not at all; false with the reason.
  bool SavePicture(const QString& path, QString& error) const;
  bool SaveData(const QString& path, QString& error) const;

 signals:
  // A point was clicked: its record, by index from 0.
  void RecordChosen(size_t record);

 private:
  struct PlottedField {
    PlotRequest request;
    std::vector<SeriesPoint> points;
    QList<QXYSeries*> series;  // the first carries the legend
  };
  struct NearPoint {
    int field;
    size_t point;
  };

  void AddSeries(PlottedField& field, const QColor& colour);
  QValueAxis* AxisForUnit(const QString& unit);
  double Seconds(uint64_t time) const;
  // The point drawn nearest a chart position, within `pixels`.
  std::optional<NearPoint> NearestPoint(const QPointF& chartPosition, double pixels) const;
  void ShowValueAt(const QPointF& chartPosition);
  void ChooseAt(const QPointF& chartPosition);
  void PromptSavePicture();
  void PromptSaveData();

  QChart* chart_;
  CPlotChartView* view_;
  QValueAxis* timeAxis_;
  std::vector<PlottedField> fields_;
  QList<QPair<QString, QValueAxis*>> unitAxes_;
  uint64_t origin_ = 0;  // log time of the chart's zero seconds
};
