// A growable array of trivially copyable values in a PageBuffer: the record
// index and its side tables grow by remapping pages, never by copying the
// whole array into a second allocation.
#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "log/PageBuffer.h"

template <typename T>
class PagedArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  size_t Size() const { return bytes_.Size() / sizeof(T); }
  bool Empty() const { return bytes_.Size() == 0; }
  void Reserve(size_t count) { bytes_.Reserve(count * sizeof(T)); }
  void Clear() { bytes_.Clear(); }
  // Gives back the pages of the values below `count`; the caller reads none
  // of them again.
  void ReleaseBelow(size_t count) { bytes_.ReleaseBelow(count * sizeof(T)); }
  // Empties the array and keeps its pages, for values written again soon.
  void Rewind() { bytes_.Shrink(0); }
  void PushBack(const T& value) { std::memcpy(bytes_.Extend(sizeof(T)), &value, sizeof(T)); }
  // The caller checks the index.
  T operator[](size_t i) const {
    T value;
    std::memcpy(&value, bytes_.Data() + i * sizeof(T), sizeof(T));
    return value;
  }
  T Back() const { return (*this)[Size() - 1]; }
  const T* Begin() const { return reinterpret_cast<const T*>(bytes_.Data()); }
  const T* End() const { return Begin() + Size(); }

 private:
  PageBuffer bytes_;
};
