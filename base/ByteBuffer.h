// A fixed-capacity byte buffer with numeric status codes. It never grows: a
// full buffer refuses the byte and says so, which is how the deserialisers
// bound every unit they collect.
#pragma once

#include <cstdint>

struct ByteBuffer {
  uint32_t length = 0;
  uint32_t capacity = 0;
  uint32_t readPosition = 0;
  uint8_t* data = nullptr;
};

constexpr int32_t kBufMallocFailed = -1394;
constexpr int32_t kBufNotInitialised = -1395;
constexpr int32_t kBufFull = -1398;

using BufferErrorHook = void (*)(int32_t code, const char* message);

// The hook receives every buffer error; without one the errors are silent and
// only the return codes tell.
void SetBufferErrorHook(BufferErrorHook hook);
uint32_t BufferErrorCount();
void ReportBufferError(int32_t code, const char* message);

void BufInit(ByteBuffer& buffer, uint32_t capacity);
void BufInitCopy(ByteBuffer& buffer, const uint8_t* source, uint32_t size);
void BufAttach(ByteBuffer& buffer, uint8_t* data, uint32_t size);
int32_t BufFree(ByteBuffer& buffer);
void BufClear(ByteBuffer& buffer);
int32_t BufAppend(ByteBuffer& buffer, uint8_t byte);
inline uint32_t BufLength(const ByteBuffer& buffer) { return buffer.length; }
inline bool BufIsFull(const ByteBuffer& buffer) { return buffer.length >= buffer.capacity; }

// Owns a heap copy of a byte block.
class CTorvBuf {
 public:
  CTorvBuf(const uint8_t* source, uint32_t size);
  CTorvBuf(const CTorvBuf&) = delete;
  CTorvBuf& operator=(const CTorvBuf&) = delete;
  virtual ~CTorvBuf();

  uint8_t* Get() const { return buffer_->data; }
  const ByteBuffer& Buffer() const { return *buffer_; }

 private:
  ByteBuffer* buffer_;
  bool ownsStorage_;
};
