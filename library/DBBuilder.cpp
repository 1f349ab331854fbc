#include "library/DBBuilder.h"

#include <chrono>

#include "log/ByteOrder.h"
#include "library/DBN183Nodes.h"
#include "library/DBN2KNodes.h"
#include "library/N183Tables.h"
#include "library/N2kTables.h"

namespace {

constexpr uint32_t kFormatVersionMajor = 1;
constexpr uint32_t kFormatVersionMinor = 1;

struct ListSection {
  uint32_t id;
  const char* listName;
};

// The order of the list sections in the image.
constexpr ListSection kListSections[] = {
    {kDBSectionN183RxSentences, "N183Rx"}, {kDBSectionN183RxFields, "N183Rx"},
    {kDBSectionN183TxSentences, "N183Tx"}, {kDBSectionN183TxFields, "N183Tx"},
    {kDBSectionN2KRxPGNs, "N2KRx"},        {kDBSectionN2KRxFields, "N2KRx"},
    {kDBSectionN2KTxPGNs, "N2KTx"},        {kDBSectionN2KTxFields, "N2KTx"},
};
static_assert(std::size(kListSections) == 8);

// 100-ns intervals since 1601-01-01 UTC.
uint64_t CurrentFileTime() {
  constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  const int64_t ticks = std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 10000000>>>(sinceEpoch).count();
  return static_cast<uint64_t>(ticks + kSecondsFrom1601To1970 * 10000000);
}

}  // namespace

CDBBuilder::CDBBuilder() : root_(new CDBComponent(0, 0, "")) { CreateLists(); }

CDBBuilder::~CDBBuilder() = default;

void CDBBuilder::CreateLists() {
  root_->SetName("Torvanode WXN Database");
  root_->AddChild(CDBNodePtr(new CDBN183Sentences("N183Rx")));
  root_->AddChild(CDBNodePtr(new CDBN183Sentences("N183Tx")));
  root_->AddChild(CDBNodePtr(new CDBN2KPGNs("N2KRx")));
  root_->AddChild(CDBNodePtr(new CDBN2KPGNs("N2KTx")));
}

void CDBBuilder::SelectDatabase(const std::string& word) {
  try {
    root_->ClearChildren();
    CreateLists();
    SetDatabaseName("Torvanode " + word + " Database");
    PopulateLists("+" + word);
    BuildImage();
  } catch (...) {
    // A half-written image must not be loaded as a database.
    Reset(kDBImageFill);
    throw;
  }
}

void CDBBuilder::SetDatabaseName(const std::string& name) { root_->SetName(name); }

template <typename List>
List& CDBBuilder::FindList(const std::string& name) {
  auto* list = dynamic_cast<List*>(root_->FindByKey(0, 0, name));
  if (!list) throw CDBBuilderError("Database \"" + name + "\" Not Found");
  return *list;
}

void CDBBuilder::PopulateLists(const std::string& filterWord) {
  const TagFilter receive = {"+Rx", filterWord};
  const TagFilter transmit = {"+Tx", filterWord};
  try {
    FindList<CDBN183Sentences>("N183Rx").Populate(receive);
    FindList<CDBN183Sentences>("N183Tx").Populate(transmit);
    FindList<CDBN2KPGNs>("N2KRx").Populate(receive);
    FindList<CDBN2KPGNs>("N2KTx").Populate(transmit);
  } catch (const CDBBuilderError&) {
    // The lists found so far stay; the image is built from what exists.
  }
  NumberLists();
}

void CDBBuilder::NumberLists() {
  std::vector<int32_t> counters;
  for (const CDBNodePtr& list : root_->GetChildren()) {
    counters.clear();
    list->AssignFinalIndex(counters, 0);
  }
}

void CDBBuilder::WriteBuildInformation() {
  uint8_t info[kDBBuildInfoSize];
  StoreU32(info, kFormatVersionMajor);
  StoreU32(info + 4, kFormatVersionMinor);
  StoreU64(info + 8, CurrentFileTime());
  StoreU32(info + 16, kN183Library.versionMajor);
  StoreU32(info + 20, kN183Library.versionMinor);
  StoreU32(info + 24, kN2kLibrary.versionMajor);
  StoreU32(info + 28, kN2kLibrary.versionMinor);
  OpenSection(kDBSectionBuildInfo);
  WriteBytes(info, sizeof info);
  CloseSection(1);
}

void CDBBuilder::BuildImage() {
  Reset(kDBImageFill);
  SetAlignment(4);
  OpenSection(kDBSectionRoot);
  OpenSection(kDBSectionName);
  WriteText(root_->GetName());
  CloseSection(1);
  WriteBuildInformation();
  for (const ListSection& section : kListSections) {
    OpenSection(section.id);
    CDBLeaf* list = root_->FindByKey(0, 0, section.listName);
    const int32_t written = list ? list->WriteToImage(*this, section.id) : 0;
    CloseSection(static_cast<uint32_t>(written));
    SetAlignment(4);
  }
  CloseSection(1);
}

bool CDBBuilder::TagsMatch(const TagFilter& filter, const std::string& tags) { return ::TagsMatch(filter, tags); }
