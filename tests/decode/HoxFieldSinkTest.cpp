#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/ExactDecimal.h"
#include "decode/FieldSink.h"
#include "decode/HoxDecoder.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "tests/decode/KeepingSink.h"

namespace {

// Decodes with and without the sink: reporting must not change the decode.
std::vector<Kept> HoxFields(const std::vector<uint8_t>& frame) {
  CTreeNode plain, watched;
  DecodeHoxBytes(plain, frame.data(), frame.size(), DM_Full);
  KeepingSink sink;
  {
    const FieldSinkScope scope(sink);
    DecodeHoxBytes(watched, frame.data(), frame.size(), DM_Full);
  }
  EXPECT_EQ(Rendered(plain), Rendered(watched));
  return sink.fields;
}

// The device status response logged in the sample (line 6646): counters,
// times in their units and a reserved clock trim.
TEST(HoxFieldSink, TheSamplesStatusResponseReportsItsValues) {
  LogFileImage image;
  ASSERT_EQ(image.Load((std::string(QLX_SOURCE_DIR) + "/samples/sample.qlx").c_str()), 0);
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());
  const Record record = parser.At(6645);
  ASSERT_EQ(record.type, MT_HoxCmd);
  const std::vector<uint8_t> frame(record.data.begin(), record.data.end());
  const std::vector<Kept> f = HoxFields(frame);
  ASSERT_EQ(f.size(), 12u);
  EXPECT_EQ(f[0].number, 1u);
  EXPECT_EQ(f[0].name, "Time since start-up");
  EXPECT_EQ(f[0].value, "12");
  EXPECT_EQ(f[0].unit, "s");
  EXPECT_EQ(f[2].value, "23552");
  EXPECT_EQ(f[7].status, FieldStatus::Reserved);
  EXPECT_EQ(f[7].value, "");
  EXPECT_EQ(f[8].value, "192");
  EXPECT_EQ(f[8].unit, "us");
  EXPECT_EQ(f[10].unit, "ms");
  for (const Kept& k : f) EXPECT_EQ(k.section, 0u);

  // Through the dispatcher, as the export decodes it.
  KeepingSink sink;
  DecodeContext context;
  {
    const FieldSinkScope scope(sink);
    DecodeRecord(DM_Full, context, record, nullptr);
  }
  EXPECT_EQ(sink.fields.size(), 12u);
}

void PutLe(std::vector<uint8_t>& b, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> LongFrame(uint8_t hoxId, uint8_t sequence, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> b = {0xA0, static_cast<uint8_t>(12 + data.size()), hoxId, sequence};
  PutLe(b, 7, 2);
  PutLe(b, 1, 4);
  PutLe(b, 0, 4);
  b.insert(b.end(), data.begin(), data.end());
  b.push_back(0);
  return b;
}

TEST(HoxFieldSink, GroupItemsAreSectionsAndTextIsText) {
  std::vector<uint8_t> data = {2};
  PutLe(data, 130306, 4);
  PutLe(data, 129025, 4);
  const std::vector<Kept> pgns = HoxFields(LongFrame(0x48, 1, data));
  ASSERT_EQ(pgns.size(), 3u);
  EXPECT_EQ(pgns[0].section, 0u);
  EXPECT_EQ(pgns[0].value, "2") << "the count";
  EXPECT_EQ(pgns[1].section, 1u);
  EXPECT_EQ(pgns[1].number, 2u);
  EXPECT_EQ(pgns[1].value, "130306");
  EXPECT_EQ(pgns[2].section, 2u);
  EXPECT_EQ(pgns[2].value, "129025");

  const std::vector<uint8_t> text = {'W', 'X', 'N', '-', '2', 0xB0, 'x'};
  const std::vector<Kept> model = HoxFields(LongFrame(0x41, 4, text));
  ASSERT_FALSE(model.empty());
  EXPECT_EQ(model[0].value, "WXN-2") << "as the decode quotes it";
  EXPECT_EQ(model[0].status, FieldStatus::Valid);
}

}  // namespace
