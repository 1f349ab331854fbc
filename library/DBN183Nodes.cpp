#include "library/DBN183Nodes.h"

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "log/ByteOrder.h"
#include "library/DBMemImage.h"
#include "library/N183Lookup.h"

namespace {

constexpr uint8_t kNone8 = 0xFF;
constexpr uint16_t kNoFirstField = 0x00FF;

const SentenceFieldDefinition kAbsentField = {
    0, DT0183_NoDef, UT183_0, kRepositoryNone, kNoSentenceField, 0, 0, 0, kRepositoryNone, kNoSentenceField,
    {0, 0, 0}, 0, "", 0, 0, 1, 0, "", "(no definition)", "", ""};

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

const char* MultiPartText(uint8_t code) {
  switch (code) {
    case kStdMultiPart:
      return "Std Multi part";
    case kStdMultiPartSeqId:
      return "Std Multi part + Seq message ID";
  }
  return "Not Multi part";
}

const char* TypeName(uint32_t code) {
  const DT0183Type* type = GetDT0183Type(code);
  return type ? type->name : "not a DT0183 code";
}

const char* UnitName(uint32_t code) {
  const UT183UnitName* unit = GetUT183UnitName(code);
  return unit ? unit->name : "not a UT183 code";
}

// A transmitted value goes out in the first unit of its chain that the
// gateway can name, not in the chain's head.
uint8_t TransmitUnit(uint32_t unit) {
  const UT183Conversion* conversion = GetUT183Conversion(unit);
  if (conversion && conversion->chainLength > 1 && conversion->nextUnit != 0) {
    return static_cast<uint8_t>(conversion->nextUnit);
  }
  return static_cast<uint8_t>(unit);
}

}  // namespace

CDBN183Sentences::CDBN183Sentences(std::string name) : CDBComposite(0, 0, std::move(name), nullptr) {}

void CDBN183Sentences::Populate(const TagFilter& filter) {
  ClearChildren();
  for (uint32_t index = 0; index < kSentenceCount; ++index) {
    boost::shared_ptr<CDBN183Sentence> sentence(new CDBN183Sentence(index, this, GetName()));
    sentence->AddMatchingFields(filter);
    if (sentence->GetDefinition() && sentence->GetChildCount() > 0) InsertChild(sentence);
  }
}

void CDBN183Sentences::Print(CTreeNode& node) const {
  node.SetText("NMEA 0183 Sentences %s", GetName().c_str());
  node.SetExpand(true);
  CDBLeaf::Print(node);
}

CDBN183Sentence::CDBN183Sentence(uint32_t libraryIndex, CDBLeaf* list, std::string listName)
    : CDBComposite(static_cast<int32_t>(libraryIndex), 0, std::move(listName), list),
      definition_(GetSentenceByIndex(libraryIndex)) {
  if (!definition_) return;
  talker_[0] = definition_->address[0];
  talker_[1] = definition_->address[1];
  transmitInterval_ = definition_->interval;
  formatterKey_ = FormatterKeyOf(FormatterOf(*definition_));
}

CDBN183Sentence::~CDBN183Sentence() = default;

void CDBN183Sentence::AddMatchingFields(const TagFilter& filter) {
  if (!definition_ || definition_->firstFieldIndex < 0) return;
  for (uint32_t i = 0; i < definition_->fieldCount; ++i) {
    Admit(static_cast<uint32_t>(definition_->firstFieldIndex) + i, filter);
  }
}

void CDBN183Sentence::Admit(uint32_t fieldIndex, const TagFilter& filter) {
  const SentenceFieldDefinition* f = GetSentenceField(fieldIndex);
  if (!f || !TagsMatch(filter, f->listTags)) return;
  // The framing fields are the gateway's business, not values to convert.
  switch (f->fieldType) {
    case DT0183_SentTotal:
      totalCountField_ = static_cast<uint8_t>(f->fieldNumber);
      return;
    case DT0183_SentNum:
      sentenceNumberField_ = static_cast<uint8_t>(f->fieldNumber);
      return;
    case DT0183_SeqMessageID:
      sequenceIdField_ = static_cast<uint8_t>(f->fieldNumber);
      return;
  }
  if (f->repositoryIndex == kRepositoryNone && f->multiSentenceFraming == 0) return;
  boost::shared_ptr<CDBN183Field> field(new CDBN183Field(fieldIndex, this, GetName()));
  AddChild(field);
  if (f->groupSize == 0) return;
  groupFirstField_ = field;
  groupSize_ = f->groupSize;
  groupMaximum_ = f->groupMaximum;
  groupRepository_ = f->groupRepository;
}

uint8_t CDBN183Sentence::GetMultiPartCode() const {
  if (totalCountField_ != 0 || sentenceNumberField_ != 1) return kNotMultiPart;
  return sequenceIdField_ == 2 ? kStdMultiPartSeqId : kStdMultiPart;
}

uint8_t CDBN183Sentence::GetGroupFieldIndex() const {
  if (groupRepository_ == kRepositoryNone) return kNone8;
  for (const CDBNodePtr& child : GetChildren()) {
    const auto* field = dynamic_cast<const CDBN183Field*>(child.get());
    if (field && field->GetDefinition().groupRepository == groupRepository_) {
      return AssertRangeU8(child->GetPositionInParent());
    }
  }
  return kNone8;
}

uint8_t CDBN183Sentence::GetGroupFirstFieldPosition() const {
  return groupFirstField_ ? AssertRangeU8(groupFirstField_->GetPositionInParent()) : kNone8;
}

void CDBN183Sentence::WriteEntryStart(uint8_t* entry) const {
  const int32_t firstField = GetFirstEnabledFinalIndex();
  StoreU32(entry, formatterKey_);
  entry[4] = static_cast<uint8_t>(talker_[0]);
  entry[5] = static_cast<uint8_t>(talker_[1]);
  // Kept whole rather than cut to its low byte: a list of more than 256
  // fields must not point a sentence at another sentence's fields.
  StoreU16(entry + 6, firstField < 0 ? kNoFirstField : AssertRangeU16(firstField));
  entry[8] = AssertRangeU8(GetChildCount());
  entry[9] = static_cast<uint8_t>(definition_ ? definition_->startDelimiter : '$');
  entry[10] = definition_ ? definition_->modifierField : kNone8;
  entry[11] = static_cast<uint8_t>(definition_ ? definition_->modifierValue : '!');
}

// Reserved bytes are written as 0 so that two builds of one selection
// differ only in their build time.
int32_t CDBN183Sentence::WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) {
  if (sectionId == kDBSectionN183RxSentences) {
    uint8_t entry[kDBN183RxSentenceEntrySize] = {};
    WriteEntryStart(entry);
    groupId_ = AssertRangeU8(GetPositionInParent());
    entry[12] = GetMultiPartCode();
    entry[13] = GetGroupFirstFieldPosition();
    entry[14] = groupSize_;
    entry[15] = static_cast<uint8_t>(groupRepository_);
    entry[16] = GetGroupFieldIndex();
    entry[17] = groupMaximum_;
    entry[18] = groupId_;
    image.WriteBytes(entry, sizeof entry);
    return 1;
  }
  if (sectionId == kDBSectionN183TxSentences) {
    uint8_t entry[kDBN183TxSentenceEntrySize] = {};
    WriteEntryStart(entry);
    StoreU32(entry + 12, transmitInterval_);
    entry[16] = GetMultiPartCode();
    entry[17] = GetGroupFirstFieldPosition();
    entry[18] = groupSize_;
    entry[19] = static_cast<uint8_t>(groupRepository_);
    entry[20] = groupMaximum_;
    image.WriteBytes(entry, sizeof entry);
    return 1;
  }
  return 0;
}

void CDBN183Sentence::Print(CTreeNode& node) const {
  char formatter[4];
  UnpackFormatterKey(formatterKey_, formatter);
  node.SetText("%s - %s", formatter, definition_ ? definition_->name : "");
  CDBLeaf::Print(node);
  node.AddLine("First Field index %d", GetFirstEnabledFinalIndex());
  node.AddLine("Tx Rate %u ms", transmitInterval_);
  node.AddLine("Group ID %u", groupId_);
  node.AddLine("Multi Part Settings : %s", MultiPartText(GetMultiPartCode()));
  node.AddLine("Modifier Field Num %d", definition_ ? definition_->modifierField : kNone8);
  node.AddLine("Modifier Value %c", definition_ ? definition_->modifierValue : '!');
  if (groupSize_ == 0) return;
  node.AddLine("First tuple field index: %d", GetGroupFirstFieldPosition());
  node.AddLine("Tuple size: %d", groupSize_);
  node.AddLine("Tuple max : %d", groupMaximum_);
  node.AddLine("Tuple repos : %s", GetRepositoryName(groupRepository_));
  node.AddLine("Tuple Field Index : %d", GetGroupFieldIndex());
}

CDBN183Field::CDBN183Field(uint32_t fieldIndex, CDBLeaf* sentence, std::string listName)
    : CDBLeaf(static_cast<int32_t>(fieldIndex), 0, std::move(listName), sentence),
      definition_(GetSentenceField(fieldIndex)),
      decimalPlaces_(GetDefinition().decimalPlaces),
      critical_(GetDefinition().critical != 0),
      includeInValidCount_(GetDefinition().includeInValidCount != 0) {}

CDBN183Field::~CDBN183Field() = default;

const SentenceFieldDefinition& CDBN183Field::GetDefinition() const {
  return definition_ ? *definition_ : kAbsentField;
}

void CDBN183Field::CollectRepositories(std::set<uint32_t>& repositories) const {
  repositories.insert(GetDefinition().repositoryIndex);
  repositories.insert(GetDefinition().groupRepository);
}

int32_t CDBN183Field::WriteOwnEntry(CDBMemImage& image, uint32_t sectionId) {
  if (sectionId != kDBSectionN183RxFields && sectionId != kDBSectionN183TxFields) return 0;
  const SentenceFieldDefinition& f = GetDefinition();
  uint8_t entry[kDBN183FieldEntrySize] = {};
  entry[0] = static_cast<uint8_t>(f.fieldNumber);
  entry[1] = static_cast<uint8_t>(f.fieldType);
  entry[2] = sectionId == kDBSectionN183TxFields ? TransmitUnit(f.unitType) : static_cast<uint8_t>(f.unitType);
  entry[3] = f.unitSymbolField;
  entry[4] = static_cast<uint8_t>(f.repositoryIndex);
  entry[5] = static_cast<uint8_t>(decimalPlaces_);
  entry[6] = f.validityField;
  entry[7] = static_cast<uint8_t>(f.validityRule);
  StoreU32(entry + 8, (critical_ ? 0x01u : 0u) | (includeInValidCount_ ? 0x02u : 0u));
  image.WriteBytes(entry, sizeof entry);
  return 1;
}

void CDBN183Field::Print(CTreeNode& node) const {
  const SentenceFieldDefinition& f = GetDefinition();
  node.SetText("%u: %s", f.fieldNumber, f.name);
  CDBLeaf::Print(node);
  node.AddLine("Field Type : %s(%u)", TypeName(f.fieldType), f.fieldType);
  node.AddLine("Repository : %s(%u)", GetRepositoryName(f.repositoryIndex), f.repositoryIndex);
  node.AddLine("Unit Symbol Field Num : %d", f.unitSymbolField);
  node.AddLine("Unit Type  : %s(%u)", UnitName(f.unitType), f.unitType);
  node.AddLine("Number of DP : %d", decimalPlaces_);
  if (f.validityField == kNoSentenceField) {
    node.AddLine("Validity Field : None (0xff)");
  } else {
    node.AddLine("Validity Field %d", f.validityField);
  }
  node.AddLine("Critical: %s", TrueFalse(critical_));
  node.AddLine("Include in valid count: %s", TrueFalse(includeInValidCount_));
  node.AddLine("DevStatus: %s", f.developmentStatus);
}
