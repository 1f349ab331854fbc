// Parsing a loaded image a slice at a time, taking each slice's records and
// letting the list forget them, gives the records of the whole parse,
// wherever the slices cut the units; and it holds a window of the log, not
// the log.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "log/RecordParser.h"
#include "tests/HostileMix.h"
#include "tests/log/ImageOf.h"
#include "tests/log/Resident.h"

namespace {

// Under the address sanitizer, its shadow memory and quarantine of freed
// blocks count as resident, so the window's memory is not what is measured.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMeasured = false;
#else
constexpr bool kResidentMeasured = true;
#endif

std::shared_ptr<LogFileImage> LoadedFile(const std::filesystem::path& path) {
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(path.c_str()) != 0) throw std::runtime_error("cannot load " + path.string());
  return image;
}

std::string Describe(const Record& r) {
  return std::to_string(r.time) + " " + std::to_string(r.type) + " " + std::to_string(r.group) + " " +
         std::to_string(r.colour) + " [" + std::string(r.data.begin(), r.data.end()) + "]";
}

// Parses the image in slices of `slice` bytes, comparing each record with
// the whole parse's once its slice is done, and forgetting it then; the
// number of records compared.
size_t CompareSliced(const std::shared_ptr<const LogFileImage>& image, const RecordParser& whole, size_t slice) {
  RecordParser sliced;
  sliced.StartImage(image);
  size_t listed = 0;
  const bool completed = sliced.ParseImageInSlices(slice, [&](size_t parsed, bool) {
    if (sliced.Count() > whole.Count()) {
      ADD_FAILURE() << "more records than the whole parse after byte " << parsed;
      return false;
    }
    for (; listed < sliced.Count(); ++listed) {
      if (Describe(sliced.At(listed)) != Describe(whole.At(listed))) {
        ADD_FAILURE() << "record " << listed << " differs, slice ending at byte " << parsed;
        return false;
      }
    }
    sliced.Forget(listed);
    return true;
  });
  if (!completed) return listed;
  EXPECT_EQ(sliced.Count(), whole.Count());
  return listed;
}

void ExpectSlicedEqualsWhole(const std::shared_ptr<const LogFileImage>& image, std::initializer_list<size_t> slices) {
  RecordParser whole;
  whole.Parse(image);
  ASSERT_GT(whole.Count(), 0u);
  for (size_t slice : slices) {
    SCOPED_TRACE("slices of " + std::to_string(slice) + " bytes");
    EXPECT_EQ(CompareSliced(image, whole, slice), whole.Count());
  }
}

TEST(SlicedParse, SampleAndRealCapturesCutAnywhere) {
  const std::filesystem::path source(QLX_SOURCE_DIR);
  std::vector<std::filesystem::path> logs = {source / "samples" / "sample.qlx"};
  for (const char* name : {"real-n2k/ac42-commissioning.qlx", "real-n2k/dirona2016.qlx"}) {
    const std::filesystem::path log = source / ".." / "shared" / "corpus" / name;
    if (std::filesystem::exists(log)) logs.push_back(log);
  }
  const std::filesystem::path ais = source / ".." / "shared" / "corpus" / "real-nmea0183-ais";
  if (std::filesystem::exists(ais))
    for (const auto& entry : std::filesystem::directory_iterator(ais))
      if (entry.path().extension() == ".qlx") logs.push_back(entry.path());
  for (const auto& log : logs) {
    SCOPED_TRACE(log.filename().string());
    // One byte at a time cuts every unit at every place it can be cut.
    ExpectSlicedEqualsWhole(LoadedFile(log), {1, 7, 4096, 1 << 20});
  }
}

TEST(SlicedParse, HostileMixCutAnywhere) {
  ExpectSlicedEqualsWhole(ImageOf(HostileMix(300000, 3)), {1, 2, 3, 5, 13, 64, 1000});
  // Large enough that forgotten store and index pages are given back
  // while later records still need the bytes above them.
  std::vector<uint8_t> large = HostileMix(24 << 20, 4);
  AddLongPendingStretches(large);
  ExpectSlicedEqualsWhole(ImageOf(large), {(1 << 20) + 7, 3 << 20});
}

TEST(SlicedParse, ForgottenRecordsAreGoneAndSlicesGoInOrder) {
  const auto image = ImageOf(HostileMix(100000, 5));
  RecordParser parser;
  EXPECT_THROW(parser.ParseImage(0, 10), std::logic_error);  // no image started
  parser.StartImage(image);
  parser.ParseImage(0, 50000);
  EXPECT_THROW(parser.ParseImage(40000, 60000), std::logic_error);
  EXPECT_THROW(parser.ParseImage(50000, image->Length() + 1), std::logic_error);
  const size_t count = parser.Count();
  ASSERT_GT(count, 2u);
  const std::string last = Describe(parser.At(count - 1));
  parser.Forget(count - 1);
  EXPECT_THROW(parser.At(count - 2), std::out_of_range);
  EXPECT_EQ(Describe(parser.At(count - 1)), last);
  EXPECT_EQ(parser.Records().Forgotten(), count - 1);
  parser.ParseImage(50000, image->Length());
  parser.FinishImage();
  EXPECT_GT(parser.Count(), count);
}

std::vector<uint8_t> Repeated(size_t n, const std::string& unit) {
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(unit[i % unit.size()]);
  return out;
}

// The inputs whose whole record list is larger than the file: a record in
// every few bytes, a time run for every record, or the records of tags
// stored among the pending bytes of a sentence that never ends.
TEST(SlicedParse, ForgettingHoldsAWindowOfTheLog) {
  constexpr size_t kMB = size_t{1} << 20;
  constexpr size_t kBytes = 40 * kMB;
  constexpr size_t kSlice = 4 * kMB;
  std::vector<uint8_t> overflowing = Repeated(kBytes, "\x01\x1B\x01" + std::string(101, 'U'));
  overflowing[0] = '$';
  const std::pair<const char*, std::vector<uint8_t>> inputs[] = {
      {"tiny records", Repeated(kBytes, std::string("X\x1B\x01\x1B\x0A", 5))},
      {"timed tiny records",
       Repeated(kBytes, std::string("\x1B\x01\x03\x81\x82\x83\x84\x85\x86\x87\x88\x1B\x0AX\x1B\x01\x1B\x0A", 18))},
      {"tags overflowing in a sentence", std::move(overflowing)},
  };
  for (const auto& [name, bytes] : inputs) {
    SCOPED_TRACE(name);
    const auto image = ImageOf(bytes);
    // Peak growth of resident memory while `parse` runs; the present growth
    // where the kernel does not let the peak be reset.
    const auto growth = [](const std::function<void()>& parse) {
      const bool peak = ResetPeak();
      const size_t before = Resident();
      parse();
      const size_t after = peak ? PeakResident() : Resident();
      return after > before ? after - before : 0;
    };
    size_t shown = 0, count = 0;
    const size_t sliced = growth([&] {
      RecordParser parser;
      parser.StartImage(image);
      parser.ParseImageInSlices(kSlice, [&](size_t, bool finished) {
        if (finished) return true;
        for (size_t i = parser.Records().Forgotten(); i < parser.Count(); ++i) shown += parser.At(i).data.size();
        parser.Forget(parser.Count());
        return true;
      });
      count = parser.Count();
    });
    // What the whole list holds, by its own account: a growth of resident
    // memory would count only what earlier tests in this process did not
    // leave free for it.
    RecordParser wholeParser;
    wholeParser.Parse(image);
    const size_t whole = wholeParser.Records().IndexBytes() + wholeParser.Records().ByteCount();
    EXPECT_GT(count, kBytes / 104);
    EXPECT_GT(shown, 0u);
    // The whole list is several times the slice; the window is about one.
    // Inside a sentence that never ends, what the open sentence holds grows
    // with the log (about a fifth of its bytes), so that window is only
    // smaller than the whole list.
    if (kResidentMeasured) {
      const bool openSentence = std::string_view(name) == "tags overflowing in a sentence";
      EXPECT_LE(sliced, 8 * kSlice);
      EXPECT_LT(sliced * (openSentence ? 1 : 3), whole)
          << sliced << " bytes for the window, " << whole << " for the whole list";
    }
  }
}

}  // namespace
