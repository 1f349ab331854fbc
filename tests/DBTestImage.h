// Small gateway database images written on the spot by the image writer
// itself, so that a test states exactly which receive and transmit entries
// the reader, the wizard or a report sees.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "library/DBImageView.h"
#include "library/DBMemImage.h"

using TestImageEntry = std::vector<uint8_t>;
using TestImageSections = std::array<std::vector<TestImageEntry>, kViewSectionCount>;

inline constexpr uint32_t kTestImageSectionIds[kViewSectionCount] = {
    kDBSectionN183RxSentences, kDBSectionN183RxFields, kDBSectionN183TxSentences, kDBSectionN183TxFields,
    kDBSectionN2KRxPGNs,       kDBSectionN2KRxFields,  kDBSectionN2KTxPGNs,       kDBSectionN2KTxFields};

// A root holding a name section and the eight list sections.
inline std::vector<uint8_t> WriteTestImage(const TestImageSections& sections) {
  CDBMemImage image;
  image.SetAlignment(4);
  image.OpenSection(kDBSectionRoot);
  image.OpenSection(kDBSectionName);
  image.WriteText("Test");
  image.CloseSection(1);
  for (size_t s = 0; s < kViewSectionCount; ++s) {
    image.OpenSection(kTestImageSectionIds[s]);
    for (const TestImageEntry& entry : sections[s])
      image.WriteBytes(entry.data(), static_cast<uint32_t>(entry.size()));
    image.CloseSection(static_cast<uint32_t>(sections[s].size()));
  }
  image.CloseSection(1);
  uint32_t size = 0;
  const uint8_t* bytes = image.GetImage(size);
  return std::vector<uint8_t>(bytes, bytes + size);
}
