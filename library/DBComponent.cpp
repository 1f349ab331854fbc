#include "library/DBComponent.h"

#include <stdexcept>

#include "base/OutputTree.h"

namespace {

// Creation numbers; the tree is built and edited on one thread only.
int32_t nextSerial = 0;

const char* YesNo(bool value) { return value ? "Yes" : "No"; }

}  // namespace

CDBLeaf::CDBLeaf(int32_t sourceIndex, int32_t instance, std::string name, CDBLeaf* parent)
    : serial_(nextSerial++), sourceIndex_(sourceIndex), instance_(instance), name_(std::move(name)), parent_(parent) {}

CDBLeaf::~CDBLeaf() = default;

void CDBLeaf::CollectRepositories(std::set<uint32_t>&) const {}
int32_t CDBLeaf::GetSourceIndex() const { return sourceIndex_; }
int32_t CDBLeaf::GetInstance() const { return instance_; }
std::string CDBLeaf::GetName() const { return name_; }
void CDBLeaf::SetName(const std::string& name) { name_ = name; }
CDBLeaf* CDBLeaf::GetParent() const { return parent_; }

void CDBLeaf::AddChild(const boost::shared_ptr<CDBLeaf>&) { throw std::runtime_error("CDBLeaf: Can't add to a leaf"); }

void CDBLeaf::RemoveChild(const CDBLeaf&) { throw std::runtime_error("CDBLeaf: Can't remove from a leaf"); }

void CDBLeaf::ClearChildren() {}
int32_t CDBLeaf::GetChildCount() const { return 0; }

void CDBLeaf::TakeFinalIndex(std::vector<int32_t>& counters, size_t depth) {
  if (depth >= counters.size()) counters.resize(depth + 1, -1);
  finalIndex_ = ++counters[depth];
}

void CDBLeaf::AssignFinalIndex(std::vector<int32_t>& counters, size_t depth) { TakeFinalIndex(counters, depth); }

int32_t CDBLeaf::WriteToImage(CDBMemImage& image, uint32_t sectionId) { return WriteOwnEntry(image, sectionId); }
int32_t CDBLeaf::WriteOwnEntry(CDBMemImage&, uint32_t) { return 0; }

void CDBLeaf::DumpTree(CTreeNode& node) const { Print(node); }

void CDBLeaf::Print(CTreeNode& node) const {
  node.AddLine("-Enabled: %s", YesNo(enabled_));
  node.AddLine("-Instance: %d", instance_);
  node.AddLine("-Index Orig: %d", sourceIndex_);
  node.AddLine("-Index Final: %d", finalIndex_);
  node.AddLine("-Index To Parent: %d", positionInParent_);
}

bool CDBLeaf::KeyLess(const CDBLeaf& other) const {
  if (sourceIndex_ != other.sourceIndex_) return sourceIndex_ < other.sourceIndex_;
  if (instance_ != other.instance_) return instance_ < other.instance_;
  return name_ < other.name_;
}

bool CDBLeaf::KeyEquals(int32_t sourceIndex, int32_t instance, const std::string& name) const {
  return sourceIndex_ == sourceIndex && instance_ == instance && name_ == name;
}

CDBComposite::~CDBComposite() = default;

void CDBComposite::CollectRepositories(std::set<uint32_t>& repositories) const {
  for (const CDBNodePtr& child : children_) child->CollectRepositories(repositories);
}

void CDBComposite::AddChild(const CDBNodePtr& child) { InsertChild(child); }

void CDBComposite::RemoveChild(const CDBLeaf& child) {
  for (auto it = children_.begin(); it != children_.end(); ++it) {
    if (!(*it)->KeyLess(child) && !child.KeyLess(**it)) {
      if (cursor_ == it) ++cursor_;
      children_.erase(it);
      Renumber();
      return;
    }
  }
}

void CDBComposite::ClearChildren() {
  children_.clear();
  cursor_ = children_.end();
}

int32_t CDBComposite::GetChildCount() const { return static_cast<int32_t>(children_.size()); }

void CDBComposite::AssignFinalIndex(std::vector<int32_t>& counters, size_t depth) {
  TakeFinalIndex(counters, depth);
  for (const CDBNodePtr& child : children_) child->AssignFinalIndex(counters, depth + 1);
}

int32_t CDBComposite::WriteToImage(CDBMemImage& image, uint32_t sectionId) {
  const int32_t own = WriteOwnEntry(image, sectionId);
  if (own != 0) return own;
  int32_t written = 0;
  for (const CDBNodePtr& child : children_) written += child->WriteToImage(image, sectionId);
  return written;
}

void CDBComposite::DumpTree(CTreeNode& node) const {
  Print(node);
  for (const CDBNodePtr& child : children_) child->DumpTree(node.AddNode());
}

void CDBComposite::InsertChild(const CDBNodePtr& child) {
  if (!child) return;
  children_.insert(child);
  Renumber();
}

void CDBComposite::Renumber() {
  int32_t position = 0;
  for (const CDBNodePtr& child : children_) child->SetPositionInParent(position++);
}

void CDBComposite::First() { cursor_ = children_.begin(); }

void CDBComposite::Next() {
  if (cursor_ != children_.end()) ++cursor_;
}

bool CDBComposite::AtEnd() const { return cursor_ == children_.end(); }

CDBNodePtr CDBComposite::Current() const {
  if (cursor_ == children_.end()) throw std::runtime_error("!!!CDBComposite::Leaf Iterator Overflow!!!");
  return *cursor_;
}

CDBNodePtr CDBComposite::FindChild(int32_t sourceIndex, int32_t instance) const {
  for (const CDBNodePtr& child : children_) {
    if (child->GetSourceIndex() == sourceIndex && child->GetInstance() == instance) return child;
  }
  return CDBNodePtr(new CDBLeaf(0, 0, "", nullptr));
}

CDBLeaf* CDBComposite::FindByKey(int32_t sourceIndex, int32_t instance, const std::string& name) {
  if (KeyEquals(sourceIndex, instance, name)) return this;
  for (const CDBNodePtr& child : children_) {
    if (child->KeyEquals(sourceIndex, instance, name)) return child.get();
  }
  return nullptr;
}

int32_t CDBComposite::GetFirstEnabledFinalIndex() const {
  for (const CDBNodePtr& child : children_) {
    if (child->IsEnabled()) return child->GetFinalIndex();
  }
  return -1;
}

CDBComponent::CDBComponent(int32_t sourceIndex, int32_t instance, std::string name)
    : CDBComposite(sourceIndex, instance, std::move(name), nullptr) {}

void CDBComponent::Print(CTreeNode& node) const {
  node.SetTextString(GetName());
  node.SetExpand(true);
}
