#include "decode/HoxDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void PutLe(Bytes& b, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A long-form frame body: command, length, header, data, checksum.
Bytes LongFrame(uint8_t hoxId, uint8_t sequence, uint16_t model, uint32_t serial, int32_t error,
                const Bytes& data, uint8_t command = 0xA0) {
  Bytes b = {command, static_cast<uint8_t>(12 + data.size()), hoxId, sequence};
  PutLe(b, model, 2);
  PutLe(b, serial, 4);
  PutLe(b, static_cast<uint32_t>(error), 4);
  for (uint8_t byte : data) b.push_back(byte);
  b.push_back(0);
  return b;
}

Bytes ShortFrame(uint8_t command, uint8_t hoxId, const Bytes& data) {
  Bytes b = {command, static_cast<uint8_t>(1 + data.size()), hoxId};
  for (uint8_t byte : data) b.push_back(byte);
  b.push_back(0);
  return b;
}

CTreeNode Decode(const Bytes& frame, int mode = DM_Full) {
  CTreeNode node;
  DecodeHoxBytes(node, frame.data(), frame.size(), mode);
  return node;
}

std::vector<std::string> ChildTexts(const CTreeNode& node) {
  std::vector<std::string> texts;
  for (const CTreeNode& child : node.Children()) texts.push_back(child.Text());
  return texts;
}

std::string FieldLine(const CTreeNode& node, const std::string& prefix) {
  for (const CTreeNode& child : node.Children())
    if (child.Text().rfind(prefix, 0) == 0) return child.Text();
  return "<no line " + prefix + ">";
}

std::string Rendered(uint64_t raw, uint32_t code) {
  RepositoryValue v;
  v.value = static_cast<int64_t>(raw);
  v.resolutionFactor = 0;
  return HoxValueText(v, code, 0);
}

TEST(ParseHox, RefusesCommandsThatCarryNoDeviceMessage) {
  HoxMessage m;
  for (uint8_t command : {0x00, 0x92, 0xA5, 0xA6, 0xFF})
    EXPECT_EQ(ParseHox(Bytes{command, 1, 0, 0}, m), kKvtCommandUnknown) << int(command);
}

TEST(ParseHox, RefusesLengthsOutsideTheDataAreaOrTheSuppliedBytes) {
  HoxMessage m;
  EXPECT_EQ(ParseHox(LongFrame(1, 1, 0, 0, 0, Bytes(222, 0x55)), m), 0);
  EXPECT_EQ(m.dataCount, 222u);
  EXPECT_EQ(ParseHox(LongFrame(1, 1, 0, 0, 0, Bytes(223, 0x55)), m), kKvtWrongLength);
  EXPECT_EQ(ParseHox(ShortFrame(0xA1, 1, Bytes(222, 0)), m), 0);
  EXPECT_EQ(ParseHox(ShortFrame(0xA1, 1, Bytes(223, 0)), m), kKvtWrongLength);
  // Payload shorter than the header: the count would be negative.
  EXPECT_EQ(ParseHox(Bytes{0xA0, 11, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, m), kKvtWrongLength);
  EXPECT_EQ(ParseHox(Bytes{0xA1, 0}, m), kKvtWrongLength);
  // The length byte promises more than was handed over.
  const Bytes full = LongFrame(0x10, 1, 7, 1, 0, Bytes(20, 1));
  const Bytes cut(full.begin(), full.end() - 5);
  EXPECT_EQ(ParseHox(cut, m), kKvtWrongLength);
  EXPECT_EQ(ParseHox(Bytes{}, m), kKvtWrongLength);
  EXPECT_EQ(ParseHox(Bytes{0xA0}, m), kKvtWrongLength);
}

TEST(DecodeHoxBytes, BadFramesNameTheProblemAndDumpTheBytes) {
  const Bytes unknown = {0xA5, 2, 0x33, 0x44, 0};
  CTreeNode node;
  EXPECT_EQ(DecodeHoxBytes(node, unknown.data(), unknown.size(), DM_Full), kKvtCommandUnknown);
  EXPECT_EQ(node.Text(), "KVT-HOX Unknown Command. ID: 0xA533, Length: 2");
  ASSERT_EQ(node.Children().size(), 1u);
  EXPECT_EQ(node.Children()[0].Text(), "KVT-HOX Data [5]");
  EXPECT_EQ(node.Children()[0].Children()[1].Text(), "[1]: 02");

  const CTreeNode wrong = Decode({0xA1, 0, 0x10});
  EXPECT_EQ(wrong.Text(), "KVT-HOX Wrong Length. ID: 0xA110, Length: 0");

  CTreeNode empty;
  EXPECT_EQ(DecodeHoxBytes(empty, nullptr, 10, DM_Summary), kKvtWrongLength);
  EXPECT_EQ(empty.Text(), "KVT-HOX Wrong Length. ID: 0x0000, Length: 0");
}

TEST(DecodeHoxMessage, SummaryLineAndByteDump) {
  EXPECT_EQ(Decode(LongFrame(0x15, 2, 7, 99, -1, {0xAB, 0x01}), DM_Summary).Text(),
            "KVT-HOX: 0xA015, Seq = 2, Model = 7, Serial = 99, Error = -1, Len = 2, Data = AB 01 ");
  EXPECT_EQ(Decode(ShortFrame(0xA1, 0x00, {}), DM_Summary).Text(), "KVT-HOX: 0xA100, Len = 0");
  const CTreeNode dump = Decode(ShortFrame(0xA4, 0x04, {0x10, 0x20}), DM_Gateway);
  EXPECT_EQ(dump.Text(), "KVT-HOX Data [2]");
  EXPECT_EQ(ChildTexts(dump), (std::vector<std::string>{"[0]: 10", "[1]: 20"}));
}

TEST(DecodeHoxFull, HardwareInformationShowsEveryTypedRendering) {
  Bytes data;
  PutLe(data, 7, 2);        // model
  PutLe(data, 2, 2);        // sub ID
  PutLe(data, 1234567, 4);  // serial number
  PutLe(data, 205, 2);      // hardware version 2.05
  PutLe(data, 1250, 2);     // boot loader 1.250
  PutLe(data, 3001, 2);     // firmware 3.001
  PutLe(data, 36526, 2);    // 1 January 2000
  PutLe(data, 32768, 2);    // noon
  data.push_back(0x20);     // CAN, NMEA 2000
  data.push_back(6);        // options 110
  const CTreeNode node = Decode(LongFrame(0x10, 1, 7, 1234567, 0, data));
  EXPECT_TRUE(node.Expand());
  EXPECT_EQ(node.Text(), "KVT-HOX Message ID: 0xA010");
  EXPECT_EQ(ChildTexts(node), (std::vector<std::string>{
                                  "Datatype: ddHardwareInfo ",
                                  "Description: " + std::string(FindHoxDefinition(0xA010, 1)->description) + " ",
                                  "Sequence ID = 1, Model ID = WXN Gateway (7), Serial ID = 1234567",
                                  "Error ID = No Error detected (0)",
                                  "Number of Fields = 10",
                                  "Field 1: Model ID = WXN Gateway (7)",
                                  "Field 2: Model sub ID = NMEA 2000 (2)",
                                  "Field 3: Serial number = 1234567",
                                  "Field 4: Hardware version = 2.05",
                                  "Field 5: Boot loader version = 1.250",
                                  "Field 6: Firmware version = 3.001",
                                  "Field 7: Firmware build date = 01/01/2000",
                                  "Field 8: Firmware build time = 12:00:00",
                                  "Field 9: Hardware protocol = CAN, NMEA 2000 (32)",
                                  "Field 10: Fitted options = 011(b)",
                              }));
}

TEST(DecodeHoxFull, ErrorLineNamesTheErrorCode) {
  EXPECT_EQ(FieldLine(Decode(LongFrame(0xF3, 1, 7, 1, -1097, {})), "Error ID"),
            "Error ID = KVT Wrong length! (-1097)");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0xF3, 1, 7, 1, 5, {})), "Error ID"),
            "Error ID = Error Code meaning not defined! (5)");
}

TEST(DecodeHoxFull, OperatingModeIsNamedForTheModelInTheHeader) {
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x11, 1, 7, 1, 0, {2, 0})), "Field 1"),
            "Field 1: Operating mode = Transfer Rx All (2)");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x11, 1, 1, 1, 0, {2, 0})), "Field 1"),
            "Field 1: Operating mode = Invalid Model ID (2)");
}

TEST(DecodeHoxFull, MissingTrailingFieldsAreReportedOnce) {
  // Port baud configuration: port and receive rate, transmit rate missing.
  const CTreeNode node = Decode(LongFrame(0x12, 1, 7, 1, 0, {1, 0x80, 0x25, 0, 0}));
  const std::vector<std::string> lines = ChildTexts(node);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"Field 1: Port number = 1", "Field 2: Receive baud rate = 9600",
                                      "Optional field(s) not present"}));
}

TEST(DecodeHoxFull, FieldRunningPastTheDataIsNotRead) {
  // Hardware information cut inside its second field.
  const CTreeNode node = Decode(LongFrame(0x10, 1, 7, 1, 0, {7, 0, 2}));
  EXPECT_EQ(FieldLine(node, "Field 2"), "Field 2: Model sub ID = UNDECODABLE FIELD");
  EXPECT_EQ(node.Children().back().Text(), "Optional field(s) not present");
}

TEST(DecodeHoxFull, AllOnesPatternsMarkMissingValues) {
  EXPECT_EQ(FieldLine(Decode(ShortFrame(0xA4, 0x00, {0xFF, 0xFF})), "Field 1"),
            "Field 1: Sector number = Not Available");
  EXPECT_EQ(FieldLine(Decode(ShortFrame(0xA4, 0x00, {0xFE, 0xFF})), "Field 1"),
            "Field 1: Sector number = Out of range");
  EXPECT_EQ(FieldLine(Decode(ShortFrame(0xA4, 0x00, {0xFD, 0xFF})), "Field 1"),
            "Field 1: Sector number = RESERVED");
}

TEST(DecodeHoxFull, UnknownIdShowsTheDataInHex) {
  const CTreeNode node = Decode(LongFrame(0x77, 1, 7, 5, 0, {0xDE, 0xAD}));
  EXPECT_EQ(node.Text(), "KVT-HOX Message ID: 0xA077");
  EXPECT_EQ(ChildTexts(node), (std::vector<std::string>{
                                  "The KVT-HOX ID was not found in the library",
                                  "Full decode not possible",
                                  "Sequence ID = 1, Model ID = WXN Gateway (7), Serial ID = 5",
                                  "Error ID = No Error detected (0)",
                                  "Data: ",
                                  "DE AD ",
                              }));
}

TEST(DecodeHoxFull, SequenceIdSelectsThePartOfAMultiPartResponse) {
  const Bytes text = {'W', 'X', 'N', '-', '2'};
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x41, 2, 7, 1, 0, text)), "Field 1"),
            "Field 1: Model ID = \"WXN-2\"");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x41, 5, 7, 1, 0, text)), "Field 1"),
            "Field 1: Model serial code = \"WXN-2\"");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x41, 6, 7, 1, 0, text)), "Full"), "Full decode not possible");
}

TEST(DecodeHoxGroup, CountedPgnItemsAreShownOneByOne) {
  Bytes data = {2};
  PutLe(data, 130306, 4);
  PutLe(data, 129025, 4);
  const CTreeNode node = Decode(LongFrame(0x48, 1, 7, 1, 0, data));
  const std::vector<std::string> lines = ChildTexts(node);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[5], "Field 1: Number of PGNs: 2");
  EXPECT_EQ(lines[6], "Item 0:");
  EXPECT_EQ(lines[7], "Item 1:");
  const CTreeNode& second = node.Children()[7];
  EXPECT_TRUE(second.Expand());
  EXPECT_EQ(ChildTexts(second), (std::vector<std::string>{"Field 2: PGN = 129025 (0x1F801)"}));
  EXPECT_EQ(ChildTexts(node.Children()[6]), (std::vector<std::string>{"Field 2: PGN = 130306 (0x1FD02)"}));
}

TEST(DecodeHoxGroup, ZeroCountDecodesTheItemFieldsOnceAsPlainFields) {
  Bytes data = {0};
  PutLe(data, 127250, 4);
  const std::vector<std::string> lines = ChildTexts(Decode(LongFrame(0x49, 3, 7, 1, 0, data)));
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
            (std::vector<std::string>{"Field 1: Number of PGNs: 0", "Field 2: PGN = 127250 (0x1F112)"}));

  const std::vector<std::string> bare = ChildTexts(Decode(LongFrame(0x49, 3, 7, 1, 0, {0})));
  EXPECT_EQ(bare.back(), "Optional field(s) not present");
}

TEST(DecodeHoxGroup, CountBeyondTheDataStopsWithTheData) {
  Bytes data = {200};
  PutLe(data, 130306, 4);
  PutLe(data, 129025, 4);
  const CTreeNode node = Decode(LongFrame(0x48, 2, 7, 1, 0, data));
  const std::vector<std::string> texts = ChildTexts(node);
  EXPECT_EQ(texts[5], "Field 1: Number of PGNs: 200");
  EXPECT_EQ(texts.size(), 8u);  // count line and the two items the data holds
  EXPECT_EQ(texts.back(), "Item 1:");
}

TEST(DecodeHoxGroup, CountFieldWithoutItemFieldsIsFlagged) {
  static const HoxFieldDefinition fields[] = {{0, 1, HT_U8, 1, "Entry"}};
  const HoxDefinition definition = {0xA048, 1, 1, fields, "ddTest", "group at the end", "test"};
  HoxMessage message;
  message.dataCount = 2;
  message.data[0] = 3;
  CTreeNode node;
  uint32_t field = 0;
  uint32_t offset = 0;
  DecodeHoxGroup(field, offset, node, message, definition);
  EXPECT_EQ(ChildTexts(node), (std::vector<std::string>{"!!!! Field index is invalid !!!!"}));
  EXPECT_EQ(field, 1u);
  EXPECT_EQ(offset, 1u);
}

TEST(DecodeHoxField, TextsAndArraysKeepToTheirLayout) {
  // Variable-length text: the first byte counts the whole data.
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x00, 1, 7, 1, 0, {5, 0, 'O', 'K', '!'}, 0xA2)), "Field 1"),
            "Field 1: Debug text = \"OK!\"");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x00, 1, 7, 1, 0, {9, 0, 'O', 'K'}, 0xA2)), "Field 1"),
            "Field 1: Debug text = ");
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x00, 1, 7, 1, 0, {1}, 0xA2)), "Field 1"),
            "Field 1: Debug text = ");
  // Fixed-length text stops before a byte of 0x80 or more.
  EXPECT_EQ(FieldLine(Decode(ShortFrame(0xA1, 0x43, {'A', 'B', 0xFF, 'C'})), "Field 1"),
            "Field 1: Installation description 1 = \"AB\"");
  // Null-terminated text has no rendering of its own.
  EXPECT_EQ(FieldLine(Decode(LongFrame(0x45, 1, 7, 1, 0, {'M', 0})), "Field 1"),
            "Field 1: Manufacturer information = 77");
}

TEST(DecodeHoxField, DataArrayIsListedThirtyTwoBytesALine) {
  Bytes data;
  PutLe(data, 0x08004000, 4);
  data.push_back(40);
  for (uint8_t i = 0; i < 40; ++i) data.push_back(i);
  const CTreeNode node = Decode(LongFrame(0x02, 1, 7, 1, 0, data, 0xA3));
  EXPECT_EQ(FieldLine(node, "Field 1"), "Field 1: Address = 0x08004000");
  const CTreeNode& array = node.Children().back();
  EXPECT_EQ(array.Text(), "Field 3: Data = ");
  EXPECT_TRUE(array.Expand());
  ASSERT_EQ(array.Children().size(), 2u);
  EXPECT_EQ(array.Children()[0].Text().substr(0, 27), "Index 0 to 31: [00.01.02.03");
  EXPECT_EQ(array.Children()[1].Text(), "Index 32 to 39: [20.21.22.23.24.25.26.27]");

  data[4] = 41;  // size disagrees with the bytes present: nothing listed
  const CTreeNode mismatch = Decode(LongFrame(0x02, 1, 7, 1, 0, data, 0xA3));
  EXPECT_TRUE(mismatch.Children().back().Children().empty());
}

TEST(DecodeHoxField, UnknownTypesAndFieldsPastTheDataAreNotRead) {
  HoxMessage message;
  message.dataCount = 3;
  message.data[3] = 0x11;  // stale byte behind the data
  for (uint32_t type : {static_cast<uint32_t>(HT_EndMarker), 27u, 0xFFFFFFFFu, static_cast<uint32_t>(HT_U32)}) {
    const HoxFieldDefinition field = {0, 4, type, 0, "Odd"};
    CTreeNode node;
    EXPECT_EQ(DecodeHoxField(message, field, 0, node).status, VS_Error);
    EXPECT_EQ(node.Text(), "Field 1: Odd = UNDECODABLE FIELD") << type;
  }
  const HoxFieldDefinition array = {0, 1, HT_DataArray, 0, "Data"};
  CTreeNode far;
  DecodeHoxField(message, array, 500, far);
  EXPECT_EQ(far.Text(), "Field 1: Data = ");
}

TEST(HoxValueText, BooleansNumbersAndNames) {
  EXPECT_EQ(Rendered(1, HT_Boolean), "True");
  EXPECT_EQ(Rendered(0, HT_Boolean), "False");
  EXPECT_EQ(Rendered(2, HT_Boolean), "(2)");
  EXPECT_EQ(Rendered(0, HT_Bits), "0(b)");
  EXPECT_EQ(Rendered(200, HT_S8), "200");  // no sign extension
  EXPECT_EQ(Rendered(0xC0FFEE0012345678ull, HT_CanName), "0xC0FFEE0012345678 ()");
  EXPECT_EQ(Rendered(250, HT_Milliseconds), "250 milliseconds");
  // A number past 32 bits must not alias a known model.
  EXPECT_EQ(Rendered(4294967303ull, HT_ModelId), "Unknown Model ID (4294967303)");
}

TEST(HoxValueText, DurationsSpellOutDaysHoursAndMinutes) {
  EXPECT_EQ(Rendered(90061, HT_Duration), "90061 seconds (1 day, 1 hour, 1 minute) ");
  EXPECT_EQ(Rendered(59, HT_Duration), "59 seconds (0 minutes) ");
  EXPECT_EQ(Rendered(3600, HT_Duration), "3600 seconds (1 hour, 0 minutes) ");
  EXPECT_EQ(Rendered(172800, HT_Duration), "172800 seconds (2 days, 0 hours, 0 minutes) ");
  EXPECT_EQ(Rendered(7320, HT_Duration), "7320 seconds (2 hours, 2 minutes) ");
}

TEST(HoxValueText, DaySerialsAndTimesOfDay) {
  EXPECT_EQ(Rendered(1, HT_Date), "01/01/1900");
  EXPECT_EQ(Rendered(60, HT_Date), "29/02/1900");
  EXPECT_EQ(Rendered(61, HT_Date), "01/03/1900");
  EXPECT_EQ(Rendered(36526, HT_Date), "01/01/2000");
  EXPECT_EQ(Rendered(0, HT_Date), "31/12/1899");
  EXPECT_EQ(Rendered(32768, HT_TimeOfDay), "12:00:00");
  EXPECT_EQ(Rendered(0, HT_TimeOfDay), "00:00:00");
  EXPECT_EQ(Rendered(65535, HT_TimeOfDay), "23:59:58");
}

TEST(HoxValueText, StatusOtherThanValidShowsOnlyTheStatusWord) {
  RepositoryValue derived;
  derived.status = VS_Derived;
  EXPECT_EQ(HoxValueText(derived, HT_U8, 0), "Derived");
}

}  // namespace
