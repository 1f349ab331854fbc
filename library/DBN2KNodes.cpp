#include "library/DBN2KNodes.h"

#include <stdexcept>

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "log/ByteOrder.h"
#include "library/DBMemImage.h"
#include "library/N2kLookup.h"

namespace {

constexpr int32_t kNoRepository = 100;
constexpr int32_t kVariableSize = 255;
constexpr int32_t kNoGroupField = 255;
constexpr uint8_t kNone8 = 0xFF;
constexpr uint16_t kNoFieldEntry = 0xFFFF;
// Instances of multi-row fields count from 0; single-row fields carry 255.
constexpr int32_t kSingleRowInstance = 255;
constexpr int32_t kHighestCountedInstance = 127;
constexpr uint32_t kBitFieldClass = 1;
constexpr uint32_t kCharacterClass = 5;

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

const CDBN2KField* AsField(const CDBNodePtr& node) { return dynamic_cast<const CDBN2KField*>(node.get()); }

}  // namespace

CDBN2KPGNs::CDBN2KPGNs(std::string name) : CDBComposite(0, 0, std::move(name), nullptr) {}

void CDBN2KPGNs::Populate(const TagFilter& filter) {
  ClearChildren();
  for (uint32_t index = 0; index < kPgnCount; ++index) {
    boost::shared_ptr<CDBN2KPGN> pgn(new CDBN2KPGN(index, this, GetName()));
    pgn->AddMatchingFields(filter);
    if (pgn->GetDefinition() && pgn->GetChildCount() > 0) InsertChild(pgn);
  }
  if (GetName() != "N2KTx") return;
  for (const CDBNodePtr& child : GetChildren()) static_cast<CDBN2KPGN&>(*child).AddFillerFields();
}

void CDBN2KPGNs::Print(CTreeNode& node) const {
  node.SetText("NMEA 2000 PGNs %s", GetName().c_str());
  node.SetExpand(true);
  CDBLeaf::Print(node);
}

CDBN2KPGN::CDBN2KPGN(uint32_t libraryIndex, CDBLeaf* list, std::string listName)
    : CDBComposite(static_cast<int32_t>(libraryIndex), 0, std::move(listName), list),
      definition_(GetPGNByIndex(libraryIndex)) {
  if (!definition_) return;
  size_ = static_cast<int32_t>(definition_->length);
  transmitInterval_ = definition_->interval;
  priority_ = definition_->priority;
}

CDBN2KPGN::~CDBN2KPGN() = default;

void CDBN2KPGN::AddMatchingFields(const TagFilter& filter) {
  if (!definition_) return;
  for (uint32_t i = 0; i < definition_->fieldCount; ++i) {
    const uint32_t fieldIndex = definition_->firstFieldIndex + i;
    int32_t first = 0;
    int32_t count = 0;
    if (FindConversionMapRows(definition_->pgn, definition_->fields[i].fieldNumber, first, count) != 0) continue;
    for (int32_t j = 0; j < count; ++j) {
      if (!TagsMatch(filter, kN2kConversionMap[first + j].listTags)) continue;
      const int32_t instance = count == 1 ? kSingleRowInstance : j;
      AddChild(CDBNodePtr(new CDBN2KField(fieldIndex, instance, first + j, this, GetName())));
      RecomputeGroupValues();
    }
  }
}

void CDBN2KPGN::AddFillerFields() {
  if (!definition_) return;
  for (uint32_t i = 0; i < definition_->fieldCount; ++i) {
    const FieldDefinition& field = definition_->fields[i];
    const DataDictionaryEntry* entry = GetDDEntry(field.dictionaryIndex);
    const BasicDataType* type = entry ? GetDataType(entry->dataType) : nullptr;
    if (type && (type->typeClass == kBitFieldClass || type->typeClass == kCharacterClass)) continue;
    const int32_t fieldIndex = static_cast<int32_t>(definition_->firstFieldIndex + i);
    // A miss gives a detached node, told apart from a child by its parent.
    if (FindChild(fieldIndex, 0)->GetParent() == this) continue;
    AddChild(CDBNodePtr(new CDBN2KField(fieldIndex, kSingleRowInstance, CDBN2KField::kFillerRow, this, GetName())));
    RecomputeGroupValues();
  }
}

void CDBN2KPGN::ResetGroupValues() {
  groupFieldIndex_ = kNoGroupField;
  groupSize_ = 0;
  groupBits_ = 0;
  repeatRepository_ = kNoRepository;
}

// Derived from the definition and the current children alone, so the values
// do not depend on the order the fields were added in.
void CDBN2KPGN::RecomputeGroupValues() {
  if (!definition_) return;
  ResetGroupValues();
  size_ = static_cast<int32_t>(definition_->length);
  const FieldDefinition* groupStart = nullptr;
  const uint32_t bits = GetRepeatGroupBits(definition_->pgn, groupStart);
  if (bits != 0 && groupStart && GetChildCount() > 0) {
    int32_t last = -1;
    for (const CDBNodePtr& child : GetChildren()) {
      const CDBN2KField* field = AsField(child);
      const bool flagged = field && field->IsInRepeatingGroup();
      if (last >= 0 && !flagged) break;
      if (!flagged) continue;
      if (last < 0) {
        groupFieldIndex_ = child->GetPositionInParent();
        repeatRepository_ = field->GetCountRepository();
      }
      last = child->GetPositionInParent();
    }
    if (last >= 0) {
      groupBits_ = static_cast<int32_t>(bits);
      groupSize_ = last - groupFieldIndex_ + 1;
    } else {
      ResetGroupValues();
    }
  }
  // Without its group in the database only the fixed part is converted.
  if (groupSize_ == 0 && size_ == kVariableSize && groupStart && groupStart->bitPosition >= 0) {
    size_ = groupStart->bitPosition / 8;
  }
}

int32_t CDBN2KPGN::GetNumberOfInstances() const {
  std::set<int32_t> instances;
  for (const CDBNodePtr& child : GetChildren()) {
    if (child->GetInstance() >= 0 && child->GetInstance() <= kHighestCountedInstance) {
      instances.insert(child->GetInstance());
    }
  }
  return instances.empty() ? 1 : static_cast<int32_t>(instances.size());
}

void CDBN2KPGN::WriteEntryStart(uint8_t* entry) const {
  const int32_t firstField = GetFirstEnabledFinalIndex();
  StoreU32(entry, definition_ ? definition_->pgn : 0);
  StoreU16(entry + 4, firstField < 0 ? kNoFieldEntry : AssertRangeU16(firstField));
  entry[6] = AssertRangeU8(GetChildCount());
  entry[7] = AssertRangeU8(size_);
  entry[8] = AssertRangeU8(groupFieldIndex_);
  entry[9] = AssertRangeU8(groupSize_);
  entry[10] = AssertRangeU8(groupBits_);
  entry[11] = AssertRangeU8(repeatRepository_);
}

// Reserved bytes are written as 0 so that two builds of one selection
// differ only in their build time.
int32_t CDBN2KPGN::WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) {
  if (sectionId != kDBSectionN2KRxPGNs && sectionId != kDBSectionN2KTxPGNs) return 0;
  // Filler fields shift positions after the receive values were derived.
  RecomputeGroupValues();
  uint8_t entry[kDBN2KPGNEntrySize] = {};
  WriteEntryStart(entry);
  if (sectionId == kDBSectionN2KRxPGNs) {
    positionInList_ = AssertRangeU8(GetPositionInParent());
    entry[12] = positionInList_;
  } else {
    entry[12] = AssertRangeU8(GetNumberOfInstances());
    entry[13] = AssertRangeU8(priority_);
    StoreU16(entry + 14, AssertRangeU16(transmitInterval_));
  }
  image.WriteBytes(entry, sizeof entry);
  return 1;
}

void CDBN2KPGN::Print(CTreeNode& node) const {
  node.SetText("%d:%s", definition_ ? static_cast<int>(definition_->pgn) : 0, definition_ ? definition_->name : "");
  CDBLeaf::Print(node);
  node.AddLine("Number Instances: %d", GetNumberOfInstances());
  node.AddLine("First Field index: %d", GetFirstEnabledFinalIndex());
  node.AddLine("Size(Bytes) %u", static_cast<unsigned>(size_));
  node.AddLine("Tx Rate %u ms", static_cast<unsigned>(transmitInterval_));
  node.AddLine("TupleIndex %u", static_cast<unsigned>(groupFieldIndex_));
  node.AddLine("Tuple Size %u", static_cast<unsigned>(groupSize_));
  node.AddLine("Tuple Bits %u", static_cast<unsigned>(groupBits_));
  node.AddLine("Num Repeats %s", GetRepositoryName(static_cast<uint32_t>(repeatRepository_)));
}

CDBN2KField::CDBN2KField(uint32_t fieldIndex, int32_t instance, int32_t mapRow, CDBLeaf* pgn, std::string listName)
    : CDBLeaf(static_cast<int32_t>(fieldIndex), instance, std::move(listName), pgn),
      mapRow_(nullptr),
      definition_(fieldIndex < kFieldCount ? &kFieldDefinitions[fieldIndex] : nullptr) {
  if (!definition_) throw std::runtime_error("CDBN2KField construction failed");
  if (mapRow != kFillerRow) {
    mapRow_ = GetConversionMapRow(static_cast<uint32_t>(mapRow));
    if (mapRow < 0 || !mapRow_) throw std::runtime_error("CDBN2KField constructor : Invalid repository datatype");
  }
  inRepeatingGroup_ = IsInRepeatGroup(definition_->pgn, definition_->fieldNumber);
  if (!mapRow_) return;
  repositoryIndex_ = static_cast<int32_t>(mapRow_->repositoryIndex);
  modifierValue_ = mapRow_->modifierValue;
  modifierFieldNumber_ = mapRow_->modifierField;
  const RepositoryDatatype* datatype = GetRepositoryDatatype(mapRow_->repositoryIndex);
  if (datatype) countRepository_ = datatype->countDatatype;
  critical_ = mapRow_->critical != 0;
  includeInValidCount_ = mapRow_->includeInValidCount != 0;
  useNullCheck_ = mapRow_->useNullCheck != 0;
}

CDBN2KField::~CDBN2KField() = default;

void CDBN2KField::CollectRepositories(std::set<uint32_t>& repositories) const {
  repositories.insert(static_cast<uint32_t>(repositoryIndex_));
}

uint8_t CDBN2KField::GetModifierFieldIndex() const {
  const auto* pgn = dynamic_cast<const CDBComposite*>(GetParent());
  if (!pgn || modifierFieldNumber_ == kNone8) return kNone8;
  for (const CDBNodePtr& sibling : pgn->GetChildren()) {
    const CDBN2KField* field = AsField(sibling);
    if (field && field->definition_->fieldNumber == modifierFieldNumber_) {
      return AssertRangeU8(sibling->GetPositionInParent());
    }
  }
  return kNone8;
}

int32_t CDBN2KField::WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) {
  if (sectionId != kDBSectionN2KRxFields && sectionId != kDBSectionN2KTxFields) return 0;
  uint8_t entry[kDBN2KFieldEntrySize] = {};
  entry[0] = definition_->fieldNumber;
  entry[1] = static_cast<uint8_t>((critical_ ? 0x01 : 0) | (includeInValidCount_ ? 0x02 : 0) | (useNullCheck_ ? 0x04 : 0));
  entry[2] = definition_->sizeBits;
  entry[3] = definition_->sizeBytes;
  StoreU16(entry + 4, definition_->bitPosition < 0 ? kNoFieldEntry : AssertRangeU16(definition_->bitPosition));
  entry[6] = static_cast<uint8_t>(repositoryIndex_);
  entry[7] = GetModifierFieldIndex();
  entry[8] = modifierValue_;
  entry[9] = AssertRangeU8(GetInstance());
  StoreU16(entry + 10, static_cast<uint16_t>(definition_->dictionaryIndex));
  image.WriteBytes(entry, sizeof entry);
  return 1;
}

void CDBN2KField::Print(CTreeNode& node) const {
  const FieldDefinition& f = *definition_;
  node.SetText("%d: %s", f.fieldNumber, f.name);
  CDBLeaf::Print(node);
  node.AddLine("FieldNum:%d", f.fieldNumber);
  node.AddLine("FieldSizeBits:%d", f.sizeBits);
  node.AddLine("FieldSizeBytes:%d", f.sizeBytes);
  node.AddLine("FieldPosBits:%d", f.bitPosition);
  node.AddLine("FieldIndex As Bytes::Bits:%d:%d", f.bitPosition / 8, f.bitPosition % 8);
  node.AddLine("RepositoryIndex:%d", repositoryIndex_);
  node.AddLine("DDIndex:%d", static_cast<int>(f.dictionaryIndex));
  const RepositoryDatatype* datatype = GetRepositoryDatatype(static_cast<uint32_t>(repositoryIndex_));
  node.AddLine("Repository %s", datatype ? datatype->name : "No Datatype defined");
  node.AddLine("ModifierFieldNum: %d", modifierFieldNumber_);
  node.AddLine("ModifierFieldIndex:%d", GetModifierFieldIndex());
  node.AddLine("ModifierValue: %d", modifierValue_);
  node.AddLine("Critical: %s", TrueFalse(critical_));
  node.AddLine("Include in valid count: %s", TrueFalse(includeInValidCount_));
  node.AddLine("Use Null Check: %s", TrueFalse(useNullCheck_));
  if (mapRow_) {
    node.AddLine("DevStatus: %s", mapRow_->developmentStatus);
  } else {
    node.AddLine("DevStatus: N/A");
  }
}
