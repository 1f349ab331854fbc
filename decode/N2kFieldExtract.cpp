#include "decode/N2kFieldExtract.h"

#include "library/N2kTables.h"
#include "log/ByteOrder.h"

FieldRead ExtractBitField(const uint8_t* data, uint32_t length, uint32_t bit, uint32_t width, bool check) {
  FieldRead r;
  r.value.exponent = 0;
  r.value.resolutionFactor = 0;
  if (width > 56) width = 56;
  const uint32_t first = bit / 8;
  const uint32_t shift = bit % 8;
  const uint32_t bytes = (shift + width + 7) / 8;
  if (first > length || bytes > length - first) {
    r.truncated = true;
    r.value.status = VS_NotAvailable;
    return r;
  }
  const uint64_t mask = width == 0 ? 0 : (~uint64_t{0} >> (64 - width));
  const uint64_t raw = (LoadLE(data + first, bytes) >> shift) & mask;
  r.value.value = static_cast<int64_t>(raw);
  if (check && width > 0) {
    if (raw == mask) r.value.status = VS_NotAvailable;
    else if (raw == (mask & ~uint64_t{1})) r.value.status = VS_OutOfRange;
  }
  return r;
}

FieldRead ExtractByteField(const uint8_t* data, uint32_t length, const DataDictionaryEntry& entry, uint32_t bytes,
                           uint32_t at) {
  FieldRead r;
  r.value.exponent = entry.resolutionExponent;
  r.value.resolutionFactor = entry.resolutionMultiplier;
  if (bytes > 8) {
    r.value.status = VS_NotAvailable;
    return r;
  }
  if (at > length || bytes > length - at) {
    r.truncated = true;
    r.value.status = VS_NotAvailable;
    return r;
  }
  const bool isSigned = IsSignedFormat(entry.dataType);
  uint64_t raw = LoadLE(data + at, bytes);
  int64_t v = static_cast<int64_t>(raw);
  if (isSigned && bytes > 0 && bytes < 8) {
    const uint32_t bits = 8 * bytes;
    if (raw >> (bits - 1)) v = static_cast<int64_t>(raw | (~uint64_t{0} << bits));
  }
  int64_t top;
  if (bytes <= 1) top = isSigned ? 127 : 255;
  else if (isSigned) top = static_cast<int64_t>((uint64_t{1} << (8 * bytes - 1)) - 1);
  else top = bytes == 8 ? -1 : static_cast<int64_t>((uint64_t{1} << (8 * bytes)) - 1);
  r.value.value = v;
  if (v == top) r.value.status = VS_NotAvailable;
  else if (v == top - 1) r.value.status = VS_OutOfRange;
  else if (v == top - 2) r.value.status = VS_Reserved;
  return r;
}
