// The NMEA 2000 side of the database tree: the lists "N2KRx" and "N2KTx",
// one node per admitted PGN and one per admitted (field, conversion row).
// The nodes derive instance counts and repeating-group values and write the
// PGN and field entries of the image.
#pragma once

#include "library/DBComponent.h"
#include "library/DBTagFilter.h"
#include "library/N2kTables.h"

class CDBN2KPGNs : public CDBComposite {
 public:
  explicit CDBN2KPGNs(std::string name);
  // Rebuilds the list from the library; the transmit list also gets the
  // filler fields the gateway needs to lay out whole messages.
  void Populate(const TagFilter& filter);
  void Print(CTreeNode& node) const override;
};

class CDBN2KPGN : public CDBComposite {
 public:
  CDBN2KPGN(uint32_t libraryIndex, CDBLeaf* list, std::string listName);
  ~CDBN2KPGN() override;

  // One field node per conversion row the filter admits.
  void AddMatchingFields(const TagFilter& filter);
  // Fields without conversion rows still take their place in a transmitted
  // message: signed and other multi-bit fields get an unmapped node.
  void AddFillerFields();
  void RecomputeGroupValues();
  // Distinct instances below 128 among the fields; 1 when none.
  int32_t GetNumberOfInstances() const;

  const PgnDefinition* GetDefinition() const { return definition_; }
  int32_t GetSize() const { return size_; }
  int32_t GetTransmitInterval() const { return transmitInterval_; }
  int32_t GetGroupFieldIndex() const { return groupFieldIndex_; }
  int32_t GetGroupSize() const { return groupSize_; }
  int32_t GetGroupBits() const { return groupBits_; }
  int32_t GetRepeatRepository() const { return repeatRepository_; }

  int32_t WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) override;
  void Print(CTreeNode& node) const override;

 private:
  void ResetGroupValues();
  void WriteEntryStart(uint8_t* entry) const;

  const PgnDefinition* definition_;
  int32_t size_ = 255;
  int32_t transmitInterval_ = 0;
  int32_t priority_ = 0;
  uint8_t positionInList_ = 255;
  int32_t groupFieldIndex_ = 255;
  int32_t groupSize_ = 0;
  int32_t groupBits_ = 0;
  int32_t repeatRepository_ = 100;
};

class CDBN2KField : public CDBLeaf {
 public:
  static constexpr int32_t kFillerRow = -1;

  // mapRow is a row of the conversion map, or kFillerRow for a field the
  // gateway sends without a repository value.
  CDBN2KField(uint32_t fieldIndex, int32_t instance, int32_t mapRow, CDBLeaf* pgn, std::string listName);
  ~CDBN2KField() override;

  void CollectRepositories(std::set<uint32_t>& repositories) const override;
  int32_t WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) override;
  void Print(CTreeNode& node) const override;

  const FieldDefinition& GetDefinition() const { return *definition_; }
  const N2kConversionMapRow* GetMapRow() const { return mapRow_; }
  int32_t GetRepositoryIndex() const { return repositoryIndex_; }
  int32_t GetCountRepository() const { return countRepository_; }
  bool IsInRepeatingGroup() const { return inRepeatingGroup_; }
  // Position among the PGN's fields of the field named as modifier; 0xFF none.
  uint8_t GetModifierFieldIndex() const;

 private:
  const N2kConversionMapRow* mapRow_;
  const FieldDefinition* definition_;
  int32_t repositoryIndex_ = 100;
  uint8_t modifierValue_ = 255;
  int32_t countRepository_ = 100;
  uint8_t modifierFieldNumber_ = 255;
  bool inRepeatingGroup_;
  bool critical_ = false;
  bool includeInValidCount_ = true;
  bool useNullCheck_ = false;
};
