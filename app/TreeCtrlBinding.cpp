#include "app/TreeCtrlBinding.h"

#include <QTreeWidget>
#include <memory>

#include "base/OutputTree.h"

namespace {

// An item whose lines are ByteRows: until it is first expanded it holds one
// placeholder child, so the view offers to expand it without a row formatted.
class ByteRowsItem : public QTreeWidgetItem {
 public:
  static constexpr int kType = QTreeWidgetItem::UserType + 1;

  ByteRowsItem(QTreeWidgetItem* parent, QTreeWidgetItem* previous, std::shared_ptr<const ByteRows> rows)
      : QTreeWidgetItem(parent, previous, kType), rows_(std::move(rows)) {}
  ByteRowsItem(QTreeWidget* control, QTreeWidgetItem* previous, std::shared_ptr<const ByteRows> rows)
      : QTreeWidgetItem(control, previous, kType), rows_(std::move(rows)) {}

  void AddPlaceholder() {
    placeholder_ = new QTreeWidgetItem(this, childCount() > 0 ? child(childCount() - 1) : nullptr);
    placeholder_->setText(0, QStringLiteral("..."));
  }

  // Replaces the placeholder with the lines; later calls do nothing.
  void Fill() {
    if (rows_ == nullptr) return;
    if (placeholder_ != nullptr) {
      delete placeholder_;
      placeholder_ = nullptr;
    }
    QList<QTreeWidgetItem*> lines;
    lines.reserve(static_cast<qsizetype>(rows_->LineCount()));
    for (size_t i = 0; i < rows_->LineCount(); ++i) {
      const std::string text = rows_->Line(i);
      auto* line = new QTreeWidgetItem();
      line->setText(0, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
      lines.append(line);
    }
    addChildren(lines);
    rows_.reset();
  }

 private:
  std::shared_ptr<const ByteRows> rows_;
  QTreeWidgetItem* placeholder_ = nullptr;
};

// Connected once per control: the first expansion of a ByteRowsItem makes its
// lines.
void FillOnExpand(QTreeWidget& control) {
  static constexpr char kConnected[] = "qlxFillsByteRowsOnExpand";
  if (control.property(kConnected).toBool()) return;
  control.setProperty(kConnected, true);
  QObject::connect(&control, &QTreeWidget::itemExpanded, &control, [](QTreeWidgetItem* item) {
    if (item->type() == ByteRowsItem::kType) static_cast<ByteRowsItem*>(item)->Fill();
  });
}

QTreeWidgetItem* NewItem(const CTreeNode& node, QTreeWidget& control, QTreeWidgetItem* parent,
                         QTreeWidgetItem* previous) {
  if (node.Rows()) {
    FillOnExpand(control);
    if (parent != nullptr) return new ByteRowsItem(parent, previous, node.Rows());
    return new ByteRowsItem(&control, previous, node.Rows());
  }
  if (parent != nullptr) return new QTreeWidgetItem(parent, previous);
  return new QTreeWidgetItem(&control, previous);
}

}  // namespace

void ShowInTreeCtrl(QTreeWidget& control, const CTreeNode& root) {
  // A large decode is drawn once, not once per inserted item.
  control.setUpdatesEnabled(false);
  control.clear();
  InsertIntoTreeCtrl(root, control, nullptr, nullptr);
  control.setUpdatesEnabled(true);
}

QTreeWidgetItem* InsertIntoTreeCtrl(const CTreeNode& node, QTreeWidget& control, QTreeWidgetItem* parent,
                                    QTreeWidgetItem* previous) {
  QTreeWidgetItem* item = NewItem(node, control, parent, previous);
  const std::string& text = node.Text();
  item->setText(0, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  QTreeWidgetItem* last = nullptr;
  for (const CTreeNode& child : node.Children()) last = InsertIntoTreeCtrl(child, control, item, last);
  if (item->type() == ByteRowsItem::kType) {
    auto* rows = static_cast<ByteRowsItem*>(item);
    if (node.Expand()) rows->Fill();
    else rows->AddPlaceholder();
  }
  // Only once its children are in can an item show them expanded.
  if (node.Expand()) item->setExpanded(true);
  return item;
}
