#include "app/InfoView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

#include "app/QLXReaderDoc.h"
#include "app/TreeCtrlBinding.h"

namespace {

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString StreamText(const SeriesStream& stream) {
  if (!stream.n2k) return FromLatin1(stream.sentence);
  return QStringLiteral("%1 from %2").arg(stream.pgn).arg(stream.source);
}

}  // namespace

CInfoView::CInfoView(CQLXReaderDoc& doc, QWidget* parent)
    : QTreeWidget(parent),
      doc_(doc),
      plot_(new QAction(QString::fromLatin1(kPlotText), this)),
      addToPlot_(new QAction(QString::fromLatin1(kAddToPlotText), this)) {
  setObjectName(QStringLiteral("infoView"));
  setColumnCount(1);
  setHeaderHidden(true);
  // Every line is one line of text; with uniform heights the view lays out a
  // 256-row byte dump without measuring each row.
  setUniformRowHeights(true);
  // Long decode lines scroll sideways instead of being cut off.
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  doc.SetInfoView(this);

  connect(plot_, &QAction::triggered, this, [this] { Request(false); });
  connect(addToPlot_, &QAction::triggered, this, [this] { Request(true); });
  connect(this, &QTreeWidget::currentItemChanged, this, &CInfoView::UpdatePlotActions);
  // A record index means nothing once another log is on show.
  connect(&doc, &CQLXReaderDoc::ContentsAboutToChange, this, &CInfoView::Forget);
  UpdatePlotActions();
}

void CInfoView::ShowDecode(size_t index, const CTreeNode& root, std::vector<ReportedField> fields) {
  record_ = index;
  tree_ = root;
  fields_ = std::move(fields);
  ShowInTreeCtrl(*this, tree_);
  UpdatePlotActions();
}

void CInfoView::Forget() {
  record_.reset();
  fields_.clear();
  UpdatePlotActions();
}

std::optional<PlotRequest> CInfoView::RequestForItem(QTreeWidgetItem* item) const {
  if (item == nullptr || !record_ || *record_ >= doc_.Count()) return std::nullopt;
  // The path from the root line, the one top-level item.
  std::vector<uint32_t> path;
  for (; item->parent() != nullptr; item = item->parent())
    path.insert(path.begin(), static_cast<uint32_t>(item->parent()->indexOfChild(item)));
  if (indexOfTopLevelItem(item) != 0) return std::nullopt;
  const std::optional<size_t> index = FieldOfLine(tree_, fields_, path);
  if (!index || !fields_[*index].numeric) return std::nullopt;

  PlotRequest request;
  if (!StreamOfRecord(doc_.At(*record_), request.field.stream)) return std::nullopt;
  const ReportedField& field = fields_[*index];
  request.field.section = field.section;
  request.field.number = field.number;
  request.name = FromLatin1(field.name);
  request.unit = FromLatin1(field.unit);
  request.label = request.name;
  if (field.section != 0) request.label += QStringLiteral(" #%1").arg(field.section);
  request.label += QStringLiteral(" (%1)").arg(StreamText(request.field.stream));
  return request;
}

void CInfoView::UpdatePlotActions() {
  const bool numeric = RequestForItem(currentItem()).has_value();
  plot_->setEnabled(numeric);
  addToPlot_->setEnabled(numeric);
}

void CInfoView::Request(bool add) {
  if (const std::optional<PlotRequest> request = RequestForItem(currentItem())) emit PlotRequested(*request, add);
}

void CInfoView::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(event->pos());
  if (item == nullptr) return;
  setCurrentItem(item);
  if (!plot_->isEnabled()) return;
  QMenu menu(this);
  menu.addAction(plot_);
  menu.addAction(addToPlot_);
  menu.exec(event->globalPos());
}
