#include "app/PlotChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <cmath>

namespace {

// Below this many pixels of movement a press and release are a click.
constexpr int kClickSlop = 4;
constexpr double kWheelZoom = 1.25;
constexpr qreal kKeyScroll = 40;

}  // namespace

CPlotChartView::CPlotChartView(QChart* chart, QWidget* parent)
    : QChartView(chart, parent), band_(new QRubberBand(QRubberBand::Rectangle, viewport())) {
  setObjectName(QStringLiteral("plotChart"));
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::NoRubberBand);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

QPointF CPlotChartView::ChartPosition(const QPoint& viewportPosition) const {
  return chart()->mapFromScene(mapToScene(viewportPosition));
}

void CPlotChartView::ZoomAbout(const QPointF& centre, double factor) {
  const QRectF area = chart()->plotArea();
  const QRectF wanted(centre.x() - (centre.x() - area.left()) / factor, centre.y() - (centre.y() - area.top()) / factor,
                      area.width() / factor, area.height() / factor);
  chart()->zoomIn(wanted);
}

void CPlotChartView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    pressAt_ = at;
    zooming_ = true;
    band_->setGeometry(QRect(at, QSize()));
    event->accept();
    return;
  }
  if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
    panFrom_ = at;
    panning_ = true;
    setCursor(Qt::ClosedHandCursor);
    event->accept();
    return;
  }
  QChartView::mousePressEvent(event);
}

void CPlotChartView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (zooming_) {
    band_->setGeometry(QRect(pressAt_, at).normalized());
    band_->setVisible((at - pressAt_).manhattanLength() > kClickSlop);
  } else if (panning_) {
    const QPoint moved = at - panFrom_;
    chart()->scroll(-moved.x(), moved.y());
    panFrom_ = at;
  }
  QChartView::mouseMoveEvent(event);
}

void CPlotChartView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (zooming_ && event->button() == Qt::LeftButton) {
    zooming_ = false;
    band_->hide();
    if ((at - pressAt_).manhattanLength() <= kClickSlop) {
      emit Clicked(ChartPosition(at));
    } else {
      const QRectF rect = QRectF(ChartPosition(pressAt_), ChartPosition(at)).normalized();
      const QRectF inside = rect.intersected(chart()->plotArea());
      if (inside.width() > 0 && inside.height() > 0) chart()->zoomIn(inside);
    }
    event->accept();
    return;
  }
  if (panning_ && (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)) {
    panning_ = false;
    unsetCursor();
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void CPlotChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QChartView::mouseDoubleClickEvent(event);
  chart()->zoomReset();
  event->accept();
}

void CPlotChartView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps == 0) return QChartView::wheelEvent(event);
  const QPointF centre = ChartPosition(event->position().toPoint());
  ZoomAbout(centre, std::pow(kWheelZoom, steps));
  event->accept();
}

void CPlotChartView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      ZoomAbout(chart()->plotArea().center(), kWheelZoom);
      break;
    case Qt::Key_Minus:
      ZoomAbout(chart()->plotArea().center(), 1 / kWheelZoom);
      break;
    case Qt::Key_Left:
      chart()->scroll(-kKeyScroll, 0);
      break;
    case Qt::Key_Right:
      chart()->scroll(kKeyScroll, 0);
      break;
    case Qt::Key_Up:
      chart()->scroll(0, kKeyScroll);
      break;
    case Qt::Key_Down:
      chart()->scroll(0, -kKeyScroll);
      break;
    case Qt::Key_Home:
      chart()->zoomReset();
      break;
    default:
      return QChartView::keyPressEvent(event);
  }
  event->accept();
}
