// A growable byte array for the big stores of a parsed log (the file image,
// the record bytes, the record index). Logs run to hundreds of megabytes, and
// touching that much fresh memory in 4 KiB pages costs more than parsing it:
// the memory comes straight from the kernel in transparent huge pages where
// the system allows them, and the array grows by remapping its pages instead
// of copying them.
#pragma once

#include <cstddef>
#include <cstdint>

class PageBuffer {
 public:
  PageBuffer() = default;
  PageBuffer(const PageBuffer&) = delete;
  PageBuffer& operator=(const PageBuffer&) = delete;
  PageBuffer(PageBuffer&& other) noexcept;
  PageBuffer& operator=(PageBuffer&& other) noexcept;
  ~PageBuffer();

  uint8_t* Data() { return data_; }
  const uint8_t* Data() const { return data_; }
  size_t Size() const { return size_; }
  size_t Capacity() const { return capacity_; }

  // Room for at least this many bytes in all. Throws std::bad_alloc.
  void Reserve(size_t bytes);
  // Appends n bytes and returns where they go; the pointer is valid until
  // the next growth.
  uint8_t* Extend(size_t n) {
    if (n > capacity_ - size_) Grow(size_ + n);
    uint8_t* at = data_ + size_;
    size_ += n;
    return at;
  }
  void Shrink(size_t size) {
    if (size < size_) size_ = size;
    // Bytes written again below the released prefix make its pages live.
    if (size < released_) released_ = size / kReleaseUnit * kReleaseUnit;
  }
  // Empties the array; a large mapping is returned to the system.
  void Clear();
  // Returns the whole pages past the end to the system; the capacity stays.
  void ReleaseTail();
  // Returns the whole pages below byte `bytes` to the system, for an owner
  // that will read nothing there again: offsets above stay where they are.
  void ReleaseBelow(size_t bytes);

 private:
  void Grow(size_t needed);
  void Release();

  // Released in huge-page units, so that the live rest keeps its huge pages.
  static constexpr size_t kReleaseUnit = size_t{2} << 20;

  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
  size_t released_ = 0;  // the pages below are given back
};
