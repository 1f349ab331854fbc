// The database tree: every node has a key (source index, instance, name),
// a place among its siblings and a running number within its depth level.
// The root holds four lists, the lists hold message nodes, the message nodes
// hold field nodes. Numbering and order are what the image format relies
// on: a field's final index is its position in its list's field section.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

class CDBMemImage;
class CTreeNode;

class CDBLeaf {
 public:
  CDBLeaf(int32_t sourceIndex, int32_t instance, std::string name, CDBLeaf* parent);
  CDBLeaf(const CDBLeaf&) = delete;
  CDBLeaf& operator=(const CDBLeaf&) = delete;
  virtual ~CDBLeaf();

  virtual void CollectRepositories(std::set<uint32_t>& repositories) const;
  virtual int32_t GetSourceIndex() const;
  virtual int32_t GetInstance() const;
  virtual std::string GetName() const;
  virtual void SetName(const std::string& name);
  virtual CDBLeaf* GetParent() const;
  virtual void AddChild(const boost::shared_ptr<CDBLeaf>& child);
  virtual void RemoveChild(const CDBLeaf& child);
  virtual void ClearChildren();
  virtual int32_t GetChildCount() const;
  virtual void AssignFinalIndex(std::vector<int32_t>& counters, size_t depth);
  virtual int32_t WriteToImage(CDBMemImage& image, uint32_t sectionId);
  virtual int32_t WriteOwnEntry(CDBMemImage& image, uint32_t sectionId);
  virtual void DumpTree(CTreeNode& node) const;
  virtual void Print(CTreeNode& node) const;

  int32_t GetSerial() const { return serial_; }
  bool IsEnabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  int32_t GetPositionInParent() const { return positionInParent_; }
  void SetPositionInParent(int32_t position) { positionInParent_ = position; }
  int32_t GetFinalIndex() const { return finalIndex_; }

  // Child order: source index, instance, then name byte by byte.
  bool KeyLess(const CDBLeaf& other) const;
  bool KeyEquals(int32_t sourceIndex, int32_t instance, const std::string& name) const;

 protected:
  void TakeFinalIndex(std::vector<int32_t>& counters, size_t depth);

 private:
  int32_t serial_;
  int32_t sourceIndex_;
  int32_t instance_;
  std::string name_;
  CDBLeaf* parent_;
  bool enabled_ = true;
  int32_t positionInParent_ = -1;
  int32_t finalIndex_ = -1;
};

using CDBNodePtr = boost::shared_ptr<CDBLeaf>;

struct CDBKeyLess {
  bool operator()(const CDBNodePtr& a, const CDBNodePtr& b) const { return a->KeyLess(*b); }
};

class CDBComposite : public CDBLeaf {
 public:
  using Children = std::set<CDBNodePtr, CDBKeyLess>;

  using CDBLeaf::CDBLeaf;
  ~CDBComposite() override;

  void CollectRepositories(std::set<uint32_t>& repositories) const override;
  void AddChild(const CDBNodePtr& child) override;
  void RemoveChild(const CDBLeaf& child) override;
  void ClearChildren() override;
  int32_t GetChildCount() const override;
  void AssignFinalIndex(std::vector<int32_t>& counters, size_t depth) override;
  int32_t WriteToImage(CDBMemImage& image, uint32_t sectionId) override;
  void DumpTree(CTreeNode& node) const override;

  // A second child with the key of an existing one leaves the set as it is.
  virtual void InsertChild(const CDBNodePtr& child);
  virtual void First();
  virtual void Next();
  virtual bool AtEnd() const;
  virtual CDBNodePtr Current() const;
  // The first child with both values; a detached empty node when none.
  virtual CDBNodePtr FindChild(int32_t sourceIndex, int32_t instance) const;
  // This node or one of its direct children with the key; null when none.
  virtual CDBLeaf* FindByKey(int32_t sourceIndex, int32_t instance, const std::string& name);
  virtual int32_t GetFirstEnabledFinalIndex() const;

  const Children& GetChildren() const { return children_; }

 private:
  void Renumber();

  Children children_;
  Children::const_iterator cursor_ = children_.end();
};

// The root of a database; its name is the database name.
class CDBComponent : public CDBComposite {
 public:
  CDBComponent(int32_t sourceIndex, int32_t instance, std::string name);
  void Print(CTreeNode& node) const override;
};
