#include "app/TreeCtrlBinding.h"

#include <QTreeWidget>

#include "decode/OutputTree.h"

void ShowInTreeCtrl(QTreeWidget& control, const CTreeNode& root) {
  // A large decode is drawn once, not once per inserted item.
  control.setUpdatesEnabled(false);
  control.clear();
  InsertIntoTreeCtrl(root, control, nullptr, nullptr);
  control.setUpdatesEnabled(true);
}

QTreeWidgetItem* InsertIntoTreeCtrl(const CTreeNode& node, QTreeWidget& control, QTreeWidgetItem* parent,
                                    QTreeWidgetItem* previous) {
  QTreeWidgetItem* item =
      parent != nullptr ? new QTreeWidgetItem(parent, previous) : new QTreeWidgetItem(&control, previous);
  const std::string& text = node.Text();
  item->setText(0, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  QTreeWidgetItem* last = nullptr;
  for (const CTreeNode& child : node.Children()) last = InsertIntoTreeCtrl(child, control, item, last);
  // Only once its children are in can an item show them expanded.
  if (node.Expand()) item->setExpanded(true);
  return item;
}
