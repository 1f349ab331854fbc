// Shows an output tree in a tree widget: one item per node, in tree order,
// expanded where the node asks for it. A node's ByteRows become items only
// when the user first expands it, so a record of any size shows at once.
#pragma once

class CTreeNode;
class QTreeWidget;
class QTreeWidgetItem;

// Replaces the control's whole contents with the tree, painted once.
void ShowInTreeCtrl(QTreeWidget& control, const CTreeNode& root);
// Inserts the node and its subtree under the parent (top level when null),
// after the previous sibling (first when null); returns the new item.
QTreeWidgetItem* InsertIntoTreeCtrl(const CTreeNode& node, QTreeWidget& control, QTreeWidgetItem* parent,
                                    QTreeWidgetItem* previous);
