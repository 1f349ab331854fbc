#include "log/PageBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>
#include <utility>

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// Mappings up to this size are kept by Clear, so re-parsing small logs maps
// nothing.
constexpr size_t kKeptOnClear = size_t{16} << 20;

size_t RoundUp(size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

// Below this an array stays in small pages: a huge page for a side table of
// a few entries would cost more memory than the whole table.
constexpr size_t kHugeFrom = size_t{8} << 20;

void AdviseHugePages(void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
  // Only advice: without huge pages the array still works in small ones.
  if (bytes >= kHugeFrom) madvise(data, bytes, MADV_HUGEPAGE);
#endif
}

}  // namespace

PageBuffer::PageBuffer(PageBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      released_(std::exchange(other.released_, 0)) {}

PageBuffer& PageBuffer::operator=(PageBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    released_ = std::exchange(other.released_, 0);
  }
  return *this;
}

PageBuffer::~PageBuffer() { Release(); }

void PageBuffer::Reserve(size_t bytes) {
  if (bytes > capacity_) Grow(bytes);
}

void PageBuffer::Grow(size_t needed) {
  // Doubling keeps appends amortised constant; remapping makes it cheap.
  size_t capacity = capacity_ * 2 > needed ? capacity_ * 2 : needed;
  capacity = RoundUp(capacity);
  void* data;
  if (data_ == nullptr) {
    data = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  } else {
    data = mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
  }
  if (data == MAP_FAILED) throw std::bad_alloc();
  AdviseHugePages(data, capacity);
  data_ = static_cast<uint8_t*>(data);
  capacity_ = capacity;
}

void PageBuffer::Clear() {
  size_ = 0;
  released_ = 0;
  if (capacity_ > kKeptOnClear) Release();
}

void PageBuffer::ReleaseTail() {
  const size_t kept = RoundUp(size_);
  if (data_ != nullptr && kept < capacity_) madvise(data_ + kept, capacity_ - kept, MADV_DONTNEED);
}

void PageBuffer::ReleaseBelow(size_t bytes) {
  const size_t below = std::min(bytes, size_) / kReleaseUnit * kReleaseUnit;
  if (data_ == nullptr || below <= released_) return;
  madvise(data_ + released_, below - released_, MADV_DONTNEED);
  released_ = below;
}

void PageBuffer::Release() {
  if (data_ != nullptr) munmap(data_, capacity_);
  data_ = nullptr;
  size_ = 0;
  capacity_ = 0;
  released_ = 0;
}
