// Arbitrary bytes through the record parser: no crash, no hang, and every
// byte of the input shown at most once; a printable byte, which is never
// framing, exactly once. The copying parse, which takes runs and whole units
// in one go, makes the records of feeding one byte at a time; parsed from a
// loaded file image, whose records point into it where they can, the
// records are those of the copying parse; and so are they when the image is
// parsed in slices, each slice's records taken and then forgotten, as the
// listing parses it.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "log/RecordParser.h"

namespace {

// A time tag takes its bytes into the log time, and it can only start with
// these bytes as they stand in the file.
bool MayHoldTimeTag(const uint8_t* data, size_t size) {
  static constexpr std::array<uint8_t, 3> kTimeTagStart = {0x1B, 0x01, 0x03};
  return std::search(data, data + size, kTimeTagStart.begin(), kTimeTagStart.end()) != data + size;
}

// The input loaded as the document loads a log, through a file that lives
// in memory only.
std::shared_ptr<const LogFileImage> ImageOf(const uint8_t* data, size_t size) {
  static const int fd = memfd_create("fuzz-log", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0) std::abort();
  if (size != 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(("/proc/self/fd/" + std::to_string(fd)).c_str()) != 0) return nullptr;
  return image;
}

bool SameRecord(const Record& x, const Record& y) {
  return x.time == y.time && x.type == y.type && x.group == y.group && x.colour == y.colour &&
         std::equal(x.data.begin(), x.data.end(), y.data.begin(), y.data.end());
}

bool SameRecords(const RecordParser& a, const RecordParser& b) {
  if (a.Count() != b.Count()) return false;
  for (size_t i = 0; i < a.Count(); ++i)
    if (!SameRecord(a.At(i), b.At(i))) return false;
  return true;
}

// Slices of a few bytes, as the input's last byte says, so that every cut
// through a unit is tried.
bool SlicedMatches(const std::shared_ptr<const LogFileImage>& image, const RecordParser& whole,
                   const uint8_t* data, size_t size) {
  const size_t slice = 1 + (size == 0 ? 0 : data[size - 1] % 16);
  // Reused like the others, so that the log time carried over from the
  // inputs before is the same.
  static RecordParser sliced;
  sliced.Reset();
  sliced.StartImage(image);
  size_t taken = 0;
  const bool same = sliced.ParseImageInSlices(slice, [&](size_t, bool) {
    if (sliced.Count() > whole.Count()) return false;
    for (; taken < sliced.Count(); ++taken)
      if (!SameRecord(sliced.At(taken), whole.At(taken))) return false;
    sliced.Forget(taken);
    return true;
  });
  return same && sliced.Count() == whole.Count();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordParser parser;  // reused, as the document reuses its parser
  parser.Reset();
  parser.Parse(data, size);
  {
    static RecordParser single;
    single.Reset();
    for (size_t i = 0; i < size; ++i) single.Feed(data[i]);
    single.Parse(nullptr, 0);
    if (!SameRecords(parser, single)) std::abort();
  }
  if (std::shared_ptr<const LogFileImage> image = ImageOf(data, size)) {
    static RecordParser fromImage;
    fromImage.Reset();
    fromImage.Parse(image);
    if (!SameRecords(parser, fromImage)) std::abort();
    if (!SlicedMatches(image, fromImage, data, size)) std::abort();
  }

  std::array<size_t, 256> inFile{}, shown{};
  for (size_t i = 0; i < size; ++i) ++inFile[data[i]];
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    for (uint8_t b : r.data) ++shown[b];
    if (r.group == MG_None && r.data.empty()) std::abort();
    if (r.group == MG_KVT && r.data.size() > 236) std::abort();
    if (r.group == MG_N183 && r.data.size() > 300) std::abort();
    if (r.group == MG_QLX && r.data.size() > 100) std::abort();
  }
  const bool exact = !MayHoldTimeTag(data, size);
  for (int v = 0; v < 256; ++v) {
    if (shown[v] > inFile[v]) std::abort();
    if (exact && v >= 0x20 && v <= 0x7D && shown[v] != inFile[v]) std::abort();
  }
  return 0;
}
