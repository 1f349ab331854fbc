#include "library/DBMemImage.h"

#include <stdexcept>

#include "log/ByteOrder.h"

namespace {

constexpr const char* kRangeError = "Assert_Range: Overflowing range";
constexpr const char* kOutOfMemoryError = "Database CDBMemImage outof memory!";
constexpr const char* kBadAlignmentError = "KM7_LIBRARY_BADALIGN CDBMemImage alignment not valid!";

}  // namespace

uint8_t AssertRangeU8(int64_t value) {
  if (value < 0 || value > UINT8_MAX) throw std::runtime_error(kRangeError);
  return static_cast<uint8_t>(value);
}

uint16_t AssertRangeU16(int64_t value) {
  if (value < 0 || value > UINT16_MAX) throw std::runtime_error(kRangeError);
  return static_cast<uint16_t>(value);
}

CDBMemImage::CDBMemImage() {
  buffer_.fill(kDBImageFill);
  // A build holds the root and one list open at a time.
  openSections_.reserve(2);
}

CDBMemImage::~CDBMemImage() = default;

void CDBMemImage::Reset(uint8_t fill) {
  buffer_.fill(fill);
  writePosition_ = 0;
  imageSize_ = 0;
  alignment_ = 1;
  openSections_.clear();
}

void CDBMemImage::SetAlignment(uint32_t alignment) {
  if (alignment != 1 && alignment != 2 && alignment != 4 && alignment != 8) {
    alignment_ = 1;
    throw std::runtime_error(kBadAlignmentError);
  }
  alignment_ = alignment;
}

void CDBMemImage::WriteByte(uint8_t value) {
  if (writePosition_ >= kDBImageCapacity) throw std::runtime_error(kOutOfMemoryError);
  buffer_[writePosition_++] = value;
}

void CDBMemImage::Align() {
  const uint32_t rest = writePosition_ % alignment_;
  if (rest != 0) writePosition_ += alignment_ - rest;
  if (writePosition_ > imageSize_) imageSize_ = writePosition_;
}

void CDBMemImage::WriteBytes(const void* data, uint32_t count, uint32_t* startPosition, uint32_t* length) {
  const uint32_t start = writePosition_;
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (uint32_t i = 0; i < count; ++i) WriteByte(bytes[i]);
  Align();
  if (startPosition) *startPosition = start;
  if (length) *length = writePosition_ - start;
}

void CDBMemImage::WriteText(const std::string& text) {
  WriteBytes(text.data(), static_cast<uint32_t>(text.size()));
}

void CDBMemImage::OpenSection(uint32_t id) {
  openSections_.push_back({writePosition_, id});
  // A reservation that does not fit leaves the position where it is; the
  // next write then fails as out of memory.
  if (writePosition_ + kDBSectionHeaderSize < kDBImageCapacity) writePosition_ += kDBSectionHeaderSize;
  Align();
}

void CDBMemImage::CloseSection(uint32_t count) {
  if (openSections_.empty()) return;
  const OpenSectionMark section = openSections_.back();
  const uint32_t end = writePosition_;
  uint8_t header[kDBSectionHeaderSize];
  StoreU32(header, end - section.headerPosition);
  StoreU32(header + 4, section.id);
  StoreU32(header + 8, count);
  writePosition_ = section.headerPosition;
  WriteBytes(header, sizeof header);
  if (end < kDBImageCapacity) writePosition_ = end;
  Align();
  openSections_.pop_back();
}

const uint8_t* CDBMemImage::GetImage(uint32_t& size) const {
  size = imageSize_;
  return buffer_.data();
}
