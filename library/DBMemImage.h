// The gateway's conversion database as one fixed 16 KiB binary image: a
// writer of nested sections (a 12-byte header {size, id, count} each),
// aligned and padded with the fill byte, that never reallocates.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Section ids, in the order the sections follow one another inside the root.
constexpr uint32_t kDBSectionRoot = 0x00010000;
constexpr uint32_t kDBSectionName = 0x00010200;
constexpr uint32_t kDBSectionBuildInfo = 0x00010100;
constexpr uint32_t kDBSectionN183RxSentences = 0x00010500;
constexpr uint32_t kDBSectionN183RxFields = 0x00010501;
constexpr uint32_t kDBSectionN183TxSentences = 0x00010600;
constexpr uint32_t kDBSectionN183TxFields = 0x00010601;
constexpr uint32_t kDBSectionN2KRxPGNs = 0x00010700;
constexpr uint32_t kDBSectionN2KRxFields = 0x00010701;
constexpr uint32_t kDBSectionN2KTxPGNs = 0x00010800;
constexpr uint32_t kDBSectionN2KTxFields = 0x00010801;

constexpr uint32_t kDBImageCapacity = 16384;
constexpr uint32_t kDBSectionHeaderSize = 12;
constexpr uint32_t kDBBuildInfoSize = 32;
constexpr uint8_t kDBImageFill = 0xFF;

constexpr uint32_t kDBN183RxSentenceEntrySize = 20;
constexpr uint32_t kDBN183TxSentenceEntrySize = 24;
constexpr uint32_t kDBN183FieldEntrySize = 12;
constexpr uint32_t kDBN2KPGNEntrySize = 16;
constexpr uint32_t kDBN2KFieldEntrySize = 12;

// A node value that does not fit its entry field stops the build: a
// truncated count or position would send the gateway to the wrong entry.
uint8_t AssertRangeU8(int64_t value);
uint16_t AssertRangeU16(int64_t value);

class CDBMemImage {
 public:
  CDBMemImage();
  CDBMemImage(const CDBMemImage&) = delete;
  CDBMemImage& operator=(const CDBMemImage&) = delete;
  virtual ~CDBMemImage();

  // Also forgets any section left open by a build that failed half-way.
  void Reset(uint8_t fill);
  void SetAlignment(uint32_t alignment);
  void WriteByte(uint8_t value);
  void WriteBytes(const void* data, uint32_t count, uint32_t* startPosition = nullptr, uint32_t* length = nullptr);
  void WriteText(const std::string& text);
  void OpenSection(uint32_t id);
  void CloseSection(uint32_t count);

  const uint8_t* GetImage(uint32_t& size) const;
  uint32_t WritePosition() const { return writePosition_; }
  uint32_t ImageSize() const { return imageSize_; }
  uint32_t Alignment() const { return alignment_; }

 private:
  struct OpenSectionMark {
    uint32_t headerPosition;
    uint32_t id;
  };

  void Align();

  std::array<uint8_t, kDBImageCapacity> buffer_;
  uint32_t writePosition_ = 0;
  uint32_t imageSize_ = 0;
  uint32_t alignment_ = 1;
  std::vector<OpenSectionMark> openSections_;
};
