#include "app/PlotWindow.h"

#include <QBuffer>
#include <QChart>
#include <QLegendMarker>
#include <QFileDialog>
#include <QLineSeries>
#include <QMessageBox>
#include <QSaveFile>
#include <QScatterSeries>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>
#include <limits>

#include "app/PlotChartView.h"
#include "log/LogTime.h"
#include "query/SeriesCsv.h"

namespace {

// Beyond this many unbroken stretches a field is drawn as dots alone: a
// chart of many thousands of line series draws too slowly to use.
constexpr qsizetype kMaxLineSegments = 1000;
constexpr qreal kDotSize = 5;
// How near the pointer a point must be to be hovered or clicked.
constexpr double kPickPixels = 8;
constexpr double kTicksPerSecond = 1e7;

const QColor kColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                           QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b)};

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool WriteWhole(const QString& path, const QByteArray& bytes, QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

CPlotWindow::CPlotWindow(QWidget* parent)
    : QMainWindow(parent), chart_(new QChart), timeAxis_(new QValueAxis(chart_)) {
  setObjectName(QStringLiteral("plotWindow"));
  setWindowTitle(QStringLiteral("Plot"));
  resize(900, 560);
  view_ = new CPlotChartView(chart_, this);
  setCentralWidget(view_);
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  chart_->legend()->setAlignment(Qt::AlignBottom);

  QToolBar* tools = addToolBar(QStringLiteral("Plot"));
  tools->setObjectName(QStringLiteral("plotToolBar"));
  tools->addAction(QString::fromLatin1(kSavePictureText), this, &CPlotWindow::PromptSavePicture);
  tools->addAction(QString::fromLatin1(kSaveDataText), this, &CPlotWindow::PromptSaveData);
  tools->addAction(QString::fromLatin1(kResetZoomText), this, [this] { chart_->zoomReset(); });
  statusBar()->showMessage(QStringLiteral(
      "Drag to zoom in, wheel to zoom, right-drag to pan, double-click for all; click a point to choose its record"));

  connect(view_, &CPlotChartView::Clicked, this, &CPlotWindow::ChooseAt);
}

double CPlotWindow::Seconds(uint64_t time) const {
  // The difference first: a log time has more digits than a double keeps.
  return static_cast<double>(static_cast<int64_t>(time - origin_)) / kTicksPerSecond;
}

void CPlotWindow::Clear() {
  chart_->removeAllSeries();
  for (const auto& [unit, axis] : unitAxes_) {
    chart_->removeAxis(axis);
    delete axis;
  }
  unitAxes_.clear();
  fields_.clear();
  chart_->zoomReset();
  chart_->setTitle(QString());
}

void CPlotWindow::Plot(const PlotRequest& request, std::vector<SeriesPoint> points, bool add) {
  if (!add || fields_.empty()) {
    Clear();
    origin_ = points.empty() ? 0 : points.front().time;
    timeAxis_->setTitleText(QStringLiteral("Seconds from %1").arg(FromLatin1(FormatLogTime(origin_))));
  }
  PlottedField& field = fields_.emplace_back();
  field.request = request;
  field.points = std::move(points);
  AddSeries(field, kColours[(fields_.size() - 1) % std::size(kColours)]);
  chart_->setTitle(fields_.size() == 1 ? request.label : QStringLiteral("%1 fields").arg(fields_.size()));
  chart_->zoomReset();
  // The axes fit every field now on the chart.
  double low = std::numeric_limits<double>::infinity(), high = -low;
  for (const PlottedField& f : fields_)
    for (const SeriesPoint& p : f.points) {
      low = std::min(low, Seconds(p.time));
      high = std::max(high, Seconds(p.time));
    }
  if (low <= high) timeAxis_->setRange(low, high > low ? high : low + 1);
  for (const auto& [unit, axis] : unitAxes_) {
    double bottom = std::numeric_limits<double>::infinity(), top = -bottom;
    for (const PlottedField& f : fields_) {
      if (f.request.unit != unit) continue;
      for (const SeriesPoint& p : f.points)
        if (!std::isnan(p.value)) {
          bottom = std::min(bottom, p.value);
          top = std::max(top, p.value);
        }
    }
    if (bottom > top) continue;
    const double margin = top > bottom ? (top - bottom) / 20 : std::max(1.0, std::abs(top) / 20);
    axis->setRange(bottom - margin, top + margin);
  }
}

QValueAxis* CPlotWindow::AxisForUnit(const QString& unit) {
  for (const auto& [known, axis] : unitAxes_)
    if (known == unit) return axis;
  auto* axis = new QValueAxis;
  axis->setTitleText(unit.isEmpty() ? QStringLiteral("(no unit)") : unit);
  chart_->addAxis(axis, unitAxes_.size() % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
  unitAxes_.append({unit, axis});
  return axis;
}

void CPlotWindow::AddSeries(PlottedField& field, const QColor& colour) {
  // Unbroken stretches of numbers; a gap ends one.
  QList<QList<QPointF>> runs(1);
  for (const SeriesPoint& p : field.points) {
    if (std::isnan(p.value)) {
      if (!runs.back().isEmpty()) runs.append(QList<QPointF>());
      continue;
    }
    runs.back().append(QPointF(Seconds(p.time), p.value));
  }
  if (runs.back().isEmpty()) runs.removeLast();

  QList<QPointF> dots;
  QList<QXYSeries*> made;
  if (runs.size() > kMaxLineSegments) {
    for (const QList<QPointF>& run : runs) dots.append(run);
  } else {
    for (const QList<QPointF>& run : runs) {
      if (run.size() == 1) {
        dots.append(run.front());
        continue;
      }
      auto* line = new QLineSeries;
      line->replace(run);
      line->setColor(colour);
      made.append(line);
    }
  }
  if (!dots.isEmpty() || made.isEmpty()) {
    auto* scatter = new QScatterSeries;
    scatter->replace(dots);
    scatter->setMarkerSize(kDotSize);
    scatter->setColor(colour);
    scatter->setBorderColor(colour);
    made.prepend(scatter);
  }

  QValueAxis* valueAxis = AxisForUnit(field.request.unit);
  for (QXYSeries* series : made) {
    chart_->addSeries(series);
    series->attachAxis(timeAxis_);
    series->attachAxis(valueAxis);
    connect(series, &QXYSeries::hovered, this, [this, series](const QPointF& value, bool entered) {
      if (entered)
        ShowValueAt(chart_->mapToPosition(value, series));
      else
        QToolTip::hideText();
    });
  }
  made.front()->setName(field.request.unit.isEmpty()
                            ? field.request.label
                            : QStringLiteral("%1 [%2]").arg(field.request.label, field.request.unit));
  const QList<QLegendMarker*> markers = chart_->legend()->markers();
  for (QLegendMarker* marker : markers)
    for (qsizetype i = 1; i < made.size(); ++i)
      if (marker->series() == made[i]) marker->setVisible(false);
  field.series = made;
}

qsizetype CPlotWindow::DrawnPointCount(int field) const {
  qsizetype count = 0;
  for (const QXYSeries* series : fields_[static_cast<size_t>(field)].series) count += series->count();
  return count;
}

QPoint CPlotWindow::ViewportPosition(int field, size_t point) const {
  const PlottedField& f = fields_[static_cast<size_t>(field)];
  const SeriesPoint& p = f.points[point];
  const QPointF inChart = chart_->mapToPosition(QPointF(Seconds(p.time), p.value), f.series.front());
  return view_->mapFromScene(chart_->mapToScene(inChart));
}

std::optional<CPlotWindow::NearPoint> CPlotWindow::NearestPoint(const QPointF& chartPosition, double pixels) const {
  std::optional<NearPoint> best;
  double bestDistance = pixels * pixels;
  for (size_t f = 0; f < fields_.size(); ++f) {
    const PlottedField& field = fields_[f];
    // Value to chart position is linear on these axes: find its scale once.
    const QPointF zero = chart_->mapToPosition(QPointF(0, 0), field.series.front());
    const QPointF one = chart_->mapToPosition(QPointF(1, 1), field.series.front());
    const double sx = one.x() - zero.x(), sy = one.y() - zero.y();
    for (size_t i = 0; i < field.points.size(); ++i) {
      const SeriesPoint& p = field.points[i];
      if (std::isnan(p.value)) continue;
      const double dx = zero.x() + Seconds(p.time) * sx - chartPosition.x();
      const double dy = zero.y() + p.value * sy - chartPosition.y();
      const double distance = dx * dx + dy * dy;
      if (distance <= bestDistance) {
        bestDistance = distance;
        best = NearPoint{static_cast<int>(f), i};
      }
    }
  }
  return best;
}

void CPlotWindow::ShowValueAt(const QPointF& chartPosition) {
  const std::optional<NearPoint> near = NearestPoint(chartPosition, kPickPixels);
  if (!near) return;
  const PlottedField& field = fields_[static_cast<size_t>(near->field)];
  const SeriesPoint& p = field.points[near->point];
  QString text = QStringLiteral("%1\n%2 %3\nline %4")
                     .arg(field.request.label, QString::number(p.value, 'g', 15), field.request.unit)
                     .arg(p.record + 1);
  text.prepend(FromLatin1(FormatLogTime(p.time)) + u'\n');
  QToolTip::showText(view_->mapToGlobal(view_->mapFromScene(chart_->mapToScene(chartPosition))), text, view_);
}

void CPlotWindow::ChooseAt(const QPointF& chartPosition) {
  if (const std::optional<NearPoint> near = NearestPoint(chartPosition, kPickPixels))
    emit RecordChosen(fields_[static_cast<size_t>(near->field)].points[near->point].record);
}

bool CPlotWindow::SavePicture(const QString& path, QString& error) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !view_->grab().save(&buffer, "PNG")) {
    error = QStringLiteral("the picture could not be made");
    return false;
  }
  return WriteWhole(path, bytes, error);
}

bool CPlotWindow::SaveData(const QString& path, QString& error) const {
  std::string csv = SeriesCsvHeader();
  for (const PlottedField& field : fields_) {
    const QByteArray name = field.request.name.toLatin1(), unit = field.request.unit.toLatin1();
    AppendSeriesCsv(csv, field.request.field, std::string_view(name.constData(), static_cast<size_t>(name.size())),
                    std::string_view(unit.constData(), static_cast<size_t>(unit.size())), field.points);
  }
  return WriteWhole(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), error);
}

void CPlotWindow::PromptSavePicture() {
  const QString path = QFileDialog::getSaveFileName(this, QString::fromLatin1(kSavePictureText).chopped(3),
                                                    QStringLiteral("plot.png"), QStringLiteral("PNG (*.png)"));
  QString error;
  if (!path.isEmpty() && !SavePicture(path, error))
    QMessageBox::warning(this, windowTitle(), QStringLiteral("%1 cannot be written: %2").arg(path, error));
}

void CPlotWindow::PromptSaveData() {
  const QString path = QFileDialog::getSaveFileName(this, QString::fromLatin1(kSaveDataText).chopped(3),
                                                    QStringLiteral("plot.csv"), QStringLiteral("CSV (*.csv)"));
  QString error;
  if (!path.isEmpty() && !SaveData(path, error))
    QMessageBox::warning(this, windowTitle(), QStringLiteral("%1 cannot be written: %2").arg(path, error));
}
