// The NMEA 0183 side of the database tree: the lists "N183Rx" and "N183Tx",
// one node per admitted sentence definition and one per admitted sentence
// field. The sentence nodes derive the multi-part framing and repeating-group
// settings; all nodes write their entries of the image.
#pragma once

#include "library/DBComponent.h"
#include "library/DBTagFilter.h"
#include "library/N183Tables.h"

class CDBN183Sentences : public CDBComposite {
 public:
  explicit CDBN183Sentences(std::string name);
  // Rebuilds the list from the library: one node per sentence that keeps at
  // least one field. Library order is ascending formatter order, which the
  // gateway's binary search relies on.
  void Populate(const TagFilter& filter);
  void Print(CTreeNode& node) const override;
};

enum N183MultiPartCode : uint8_t {
  kNotMultiPart = 0,
  kStdMultiPart = 1,
  kStdMultiPartSeqId = 3,
};

class CDBN183Field;

class CDBN183Sentence : public CDBComposite {
 public:
  CDBN183Sentence(uint32_t libraryIndex, CDBLeaf* list, std::string listName);
  ~CDBN183Sentence() override;

  void AddMatchingFields(const TagFilter& filter);

  const SentenceDefinition* GetDefinition() const { return definition_; }
  uint8_t GetMultiPartCode() const;
  // Position of the first field whose group repository is the sentence's;
  // 0xFF without a group.
  uint8_t GetGroupFieldIndex() const;
  // Position of the field that starts the repeating group; 0xFF without one.
  uint8_t GetGroupFirstFieldPosition() const;
  uint8_t GetGroupSize() const { return groupSize_; }
  uint8_t GetGroupMaximum() const { return groupMaximum_; }
  uint32_t GetGroupRepository() const { return groupRepository_; }
  uint8_t GetGroupId() const { return groupId_; }

  int32_t WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) override;
  void Print(CTreeNode& node) const override;

 private:
  void Admit(uint32_t fieldIndex, const TagFilter& filter);
  void WriteEntryStart(uint8_t* entry) const;

  const SentenceDefinition* definition_;
  char talker_[2] = {' ', ' '};
  uint32_t transmitInterval_ = 1000;
  uint8_t groupId_ = 255;
  uint32_t formatterKey_ = 0;
  uint8_t totalCountField_ = 255;
  uint8_t sentenceNumberField_ = 255;
  uint8_t sequenceIdField_ = 255;
  boost::shared_ptr<CDBN183Field> groupFirstField_;
  uint8_t groupSize_ = 0;
  uint8_t groupMaximum_ = 255;
  uint32_t groupRepository_ = 100;
};

class CDBN183Field : public CDBLeaf {
 public:
  CDBN183Field(uint32_t fieldIndex, CDBLeaf* sentence, std::string listName);
  ~CDBN183Field() override;

  void CollectRepositories(std::set<uint32_t>& repositories) const override;
  int32_t WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) override;
  void Print(CTreeNode& node) const override;

  // The row the node was made from; an index past the table gives an empty
  // row (no repository, no unit, no validity field).
  const SentenceFieldDefinition& GetDefinition() const;

 private:
  const SentenceFieldDefinition* definition_;
  int8_t decimalPlaces_;
  bool critical_;
  bool includeInValidCount_;
};
