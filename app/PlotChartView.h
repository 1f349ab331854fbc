// The chart of a plot window with the mouse and keys a plot needs: drag a
// rectangle to zoom into it, turn the wheel to zoom about the pointer, drag
// with the right or middle button to pan, double-click to see everything
// again. A click that does not drag is handed on, to choose a point.
#pragma once

#include <QChartView>
#include <QPoint>

class QRubberBand;

class CPlotChartView : public QChartView {
  Q_OBJECT

 public:
  explicit CPlotChartView(QChart* chart, QWidget* parent = nullptr);

 signals:
  // A left click without a drag, in chart coordinates.
  void Clicked(const QPointF& chartPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPointF ChartPosition(const QPoint& viewportPosition) const;
  // Zooms by `factor` (above 1: closer) keeping the chart point under
  // `centre` in place.
  void ZoomAbout(const QPointF& centre, double factor);

  QRubberBand* band_;
  QPoint pressAt_;
  QPoint panFrom_;
  bool zooming_ = false;
  bool panning_ = false;
};
