#include "base/ByteBuffer.h"

#include <cstdlib>
#include <cstring>

namespace {

BufferErrorHook gErrorHook = nullptr;
uint32_t gErrorCount = 0;

}  // namespace

void SetBufferErrorHook(BufferErrorHook hook) { gErrorHook = hook; }

uint32_t BufferErrorCount() { return gErrorCount; }

void ReportBufferError(int32_t code, const char* message) {
  if (gErrorHook == nullptr) return;
  gErrorHook(code, message);
  ++gErrorCount;
}

void BufInit(ByteBuffer& buffer, uint32_t capacity) {
  buffer.length = 0;
  buffer.readPosition = 0;
  buffer.data = capacity > 0 ? static_cast<uint8_t*>(std::malloc(capacity)) : nullptr;
  if (buffer.data == nullptr && capacity > 0) {
    ReportBufferError(kBufMallocFailed, "Buffer Malloc operation has failed!");
    buffer.capacity = 0;
    return;
  }
  buffer.capacity = capacity;
}

void BufInitCopy(ByteBuffer& buffer, const uint8_t* source, uint32_t size) {
  buffer.readPosition = 0;
  buffer.data = size > 0 ? static_cast<uint8_t*>(std::malloc(size)) : nullptr;
  if (buffer.data == nullptr) {
    if (size > 0) ReportBufferError(kBufMallocFailed, "Buffer Malloc operation has failed!");
    buffer.length = 0;
    buffer.capacity = 0;
    return;
  }
  std::memcpy(buffer.data, source, size);
  buffer.length = size;
  buffer.capacity = size;
}

void BufAttach(ByteBuffer& buffer, uint8_t* data, uint32_t size) {
  buffer.readPosition = 0;
  buffer.data = data;
  if (data == nullptr) {
    ReportBufferError(kBufNotInitialised, "Passed Buffer has not been initialised!");
    buffer.length = 0;
    buffer.capacity = 0;
    return;
  }
  buffer.length = size;
  buffer.capacity = size;
}

int32_t BufFree(ByteBuffer& buffer) {
  std::free(buffer.data);
  buffer = ByteBuffer{};
  return 0;
}

void BufClear(ByteBuffer& buffer) {
  buffer.length = 0;
  buffer.readPosition = 0;
}

int32_t BufAppend(ByteBuffer& buffer, uint8_t byte) {
  if (buffer.length < buffer.capacity) {
    buffer.data[buffer.length++] = byte;
    return 0;
  }
  ReportBufferError(kBufFull, "Buffer Full. Overrun prevented, but a byte was lost!");
  return kBufFull;
}

CTorvBuf::CTorvBuf(const uint8_t* source, uint32_t size)
    : buffer_(new ByteBuffer), ownsStorage_(true) {
  BufInitCopy(*buffer_, source, size);
}

CTorvBuf::~CTorvBuf() {
  if (ownsStorage_) BufFree(*buffer_);
  delete buffer_;
}
