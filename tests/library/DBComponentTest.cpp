#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/OutputTree.h"
#include "library/DBComponent.h"
#include "library/DBMemImage.h"

namespace {

CDBNodePtr Leaf(int32_t source, int32_t instance = 0, const std::string& name = "N2KRx",
                CDBLeaf* parent = nullptr) {
  return CDBNodePtr(new CDBLeaf(source, instance, name, parent));
}

boost::shared_ptr<CDBComposite> Composite(int32_t source, const std::string& name = "N2KRx") {
  return boost::shared_ptr<CDBComposite>(new CDBComposite(source, 0, name, nullptr));
}

std::string ErrorText(void (*action)()) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

TEST(DBComponent, ChildrenAreOrderedByKeyAndNumberedOnInsertion) {
  auto list = Composite(0);
  CDBNodePtr five = Leaf(5);
  CDBNodePtr two = Leaf(2);
  CDBNodePtr nine = Leaf(9);
  list->AddChild(five);
  list->AddChild(two);
  list->AddChild(nine);
  EXPECT_EQ(five->GetPositionInParent(), 1);
  EXPECT_EQ(two->GetPositionInParent(), 0);
  EXPECT_EQ(nine->GetPositionInParent(), 2);

  // An equal key leaves the set as it is, and the newcomer unplaced.
  CDBNodePtr twin = Leaf(5);
  list->AddChild(twin);
  EXPECT_EQ(list->GetChildCount(), 3);
  EXPECT_EQ(twin->GetPositionInParent(), -1);

  list->RemoveChild(*Leaf(2));
  EXPECT_EQ(list->GetChildCount(), 2);
  EXPECT_EQ(five->GetPositionInParent(), 0);
  EXPECT_EQ(nine->GetPositionInParent(), 1);
}

TEST(DBComponent, KeyOrderIsSourceThenSignedInstanceThenBytes) {
  auto list = Composite(0);
  CDBNodePtr high = Leaf(3, 0, "\xB0");
  CDBNodePtr low = Leaf(3, 0, "z");
  CDBNodePtr shorter = Leaf(3, 0, "N2K");
  CDBNodePtr negative = Leaf(3, -1, "z");
  CDBNodePtr single = Leaf(3, 255, "");
  for (const CDBNodePtr& node : {high, low, shorter, negative, single}) list->AddChild(node);
  EXPECT_EQ(negative->GetPositionInParent(), 0);
  EXPECT_EQ(shorter->GetPositionInParent(), 1);
  EXPECT_EQ(low->GetPositionInParent(), 2);
  EXPECT_EQ(high->GetPositionInParent(), 3);
  EXPECT_EQ(single->GetPositionInParent(), 4);
}

TEST(DBComponent, FinalIndicesRunAcrossTheMessagesOfAList) {
  auto list = Composite(0);
  auto first = Composite(1);
  auto second = Composite(2);
  for (int f = 0; f < 3; ++f) first->AddChild(Leaf(10 + f));
  for (int f = 0; f < 2; ++f) second->AddChild(Leaf(20 + f));
  list->AddChild(second);
  list->AddChild(first);
  std::vector<int32_t> counters;
  list->AssignFinalIndex(counters, 0);
  EXPECT_EQ(list->GetFinalIndex(), 0);
  EXPECT_EQ(first->GetFinalIndex(), 0);
  EXPECT_EQ(second->GetFinalIndex(), 1);
  EXPECT_EQ(first->GetFirstEnabledFinalIndex(), 0);
  EXPECT_EQ(second->GetFirstEnabledFinalIndex(), 3);
  std::vector<int32_t> fieldIndices;
  for (const auto& message : {first, second}) {
    for (const CDBNodePtr& field : message->GetChildren()) fieldIndices.push_back(field->GetFinalIndex());
  }
  EXPECT_EQ(fieldIndices, (std::vector<int32_t>{0, 1, 2, 3, 4}));

  (*first->GetChildren().begin())->SetEnabled(false);
  EXPECT_EQ(first->GetFirstEnabledFinalIndex(), 1);
  for (const CDBNodePtr& field : second->GetChildren()) field->SetEnabled(false);
  EXPECT_EQ(second->GetFirstEnabledFinalIndex(), -1);
}

TEST(DBComponent, LeavesRefuseChildrenAndTheCursorStopsAtTheEnd) {
  EXPECT_EQ(ErrorText([] { Leaf(1)->AddChild(Leaf(2)); }), "CDBLeaf: Can't add to a leaf");
  EXPECT_EQ(ErrorText([] { Leaf(1)->RemoveChild(*Leaf(2)); }), "CDBLeaf: Can't remove from a leaf");
  EXPECT_EQ(Leaf(1)->GetChildCount(), 0);

  auto list = Composite(0);
  list->AddChild(Leaf(7));
  list->AddChild(Leaf(4));
  std::vector<int32_t> seen;
  for (list->First(); !list->AtEnd(); list->Next()) seen.push_back(list->Current()->GetSourceIndex());
  EXPECT_EQ(seen, (std::vector<int32_t>{4, 7}));
  list->Next();
  EXPECT_TRUE(list->AtEnd());
  try {
    list->Current();
    ADD_FAILURE() << "no error past the end";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "!!!CDBComposite::Leaf Iterator Overflow!!!");
  }
  list->First();
  list->ClearChildren();
  EXPECT_TRUE(list->AtEnd());
  EXPECT_EQ(list->GetChildCount(), 0);
}

TEST(DBComponent, FindChildAndFindByKey) {
  auto root = Composite(0, "root");
  auto list = Composite(0, "N183Rx");
  root->AddChild(list);
  list->AddChild(Leaf(4, 1, "N183Rx", list.get()));
  EXPECT_EQ(list->FindChild(4, 1)->GetParent(), list.get());
  const CDBNodePtr miss = list->FindChild(4, 2);
  EXPECT_EQ(miss->GetParent(), nullptr);
  EXPECT_EQ(miss->GetSourceIndex(), 0);
  EXPECT_EQ(miss->GetName(), "");

  EXPECT_EQ(root->FindByKey(0, 0, "root"), root.get());
  EXPECT_EQ(root->FindByKey(0, 0, "N183Rx"), list.get());
  // One level only: the grandchild is not found from the root.
  EXPECT_EQ(root->FindByKey(4, 1, "N183Rx"), nullptr);
}

TEST(DBComponent, WriteToImageCountsNothingForAnUnhandledSection) {
  auto list = Composite(0);
  list->AddChild(Leaf(1));
  CDBMemImage image;
  EXPECT_EQ(list->WriteToImage(image, 0x00010500), 0);
  EXPECT_EQ(image.ImageSize(), 0u);
}

TEST(DBComponent, DumpTreePrintsTheCommonLinesAndOneNodePerChild) {
  CDBComponent root(0, 0, "Torvanode Std Database");
  auto list = Composite(0, "N2KRx");
  root.AddChild(list);
  list->AddChild(Leaf(42, 3));
  std::vector<int32_t> counters;
  root.AssignFinalIndex(counters, 0);
  CTreeNode tree;
  root.DumpTree(tree);
  EXPECT_EQ(tree.Text(), "Torvanode Std Database");
  EXPECT_TRUE(tree.Expand());
  ASSERT_EQ(tree.Children().size(), 1u);
  const CTreeNode& listNode = tree.Children()[0];
  ASSERT_EQ(listNode.Children().size(), 6u);
  const CTreeNode& leafNode = listNode.Children()[5];
  ASSERT_EQ(leafNode.Children().size(), 5u);
  EXPECT_EQ(leafNode.Children()[0].Text(), "-Enabled: Yes");
  EXPECT_EQ(leafNode.Children()[1].Text(), "-Instance: 3");
  EXPECT_EQ(leafNode.Children()[2].Text(), "-Index Orig: 42");
  EXPECT_EQ(leafNode.Children()[3].Text(), "-Index Final: 0");
  EXPECT_EQ(leafNode.Children()[4].Text(), "-Index To Parent: 0");
}

}  // namespace
