#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "query/FieldLines.h"
#include "query/FieldSeries.h"
#include "query/SeriesCsv.h"
#include "tests/QlxProgram.h"

namespace {

const std::string kSample = std::string(QLX_SOURCE_DIR) + "/samples/sample.qlx";

// RFC 4180 rows: quoted cells with doubled quotes, CR LF line ends.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        rows.back().back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        rows.back().back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      rows.emplace_back(1);
    } else {
      rows.back().back() += c;
    }
  }
  if (rows.back().size() == 1 && rows.back().front().empty()) rows.pop_back();
  return rows;
}

class FieldSeriesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    image_ = new LogFileImage;
    ASSERT_EQ(image_->Load(kSample.c_str()), 0);
    parser_ = new RecordParser;
    parser_->Reset();
    parser_->Parse(image_->Data(), image_->Length());
    const QlxResult exported = RunQlx("export '" + kSample + "' --format csv");
    ASSERT_EQ(exported.status, 0) << exported.err;
    csv_ = new std::vector<std::vector<std::string>>(ParseCsv(exported.out));
  }
  static void TearDownTestSuite() {
    delete csv_;
    delete parser_;
    delete image_;
  }

  static const RecordList& Records() { return parser_->Records(); }

  // The field's series checked row by row against the export's rows of the
  // same stream, section and field; returns the number of valid values.
  static size_t ExpectSeriesMatchesExport(const SeriesField& field) {
    const std::string message = field.stream.n2k ? std::to_string(field.stream.pgn) : field.stream.sentence;
    const std::string source = field.stream.n2k ? std::to_string(field.stream.source) : "";
    std::set<size_t> streamLines;
    std::map<size_t, const std::vector<std::string>*> fieldRows;
    for (size_t r = 1; r < csv_->size(); ++r) {
      const std::vector<std::string>& row = (*csv_)[r];
      EXPECT_EQ(row.size(), 12u);
      if (row.size() != 12 || row[3] != message || row[4] != source) continue;
      const size_t line = std::stoul(row[0]);
      streamLines.insert(line);
      if (row[6] == std::to_string(field.section) && row[7] == std::to_string(field.number)) fieldRows[line] = &row;
    }
    EXPECT_FALSE(fieldRows.empty());

    const std::optional<std::vector<SeriesPoint>> series = GatherSeries(field, Records());
    EXPECT_TRUE(series);
    if (!series) return 0;
    EXPECT_EQ(series->size(), streamLines.size());
    size_t reported = 0, valid = 0;
    for (const SeriesPoint& point : *series) {
      EXPECT_TRUE(streamLines.count(point.record + 1)) << point.record;
      EXPECT_EQ(point.time, Records().At(point.record).time);
      const auto row = fieldRows.find(point.record + 1);
      EXPECT_EQ(point.reported, row != fieldRows.end()) << "line " << point.record + 1;
      if (row == fieldRows.end()) {
        EXPECT_TRUE(std::isnan(point.value));
        continue;
      }
      ++reported;
      const std::vector<std::string>& cells = *row->second;
      EXPECT_EQ(FieldStatusWord(point.status), cells[11]) << "line " << cells[0];
      if (cells[11] == "valid" && !cells[9].empty()) {
        EXPECT_EQ(point.value, std::strtod(cells[9].c_str(), nullptr)) << "line " << cells[0];
        ++valid;
      } else {
        EXPECT_TRUE(std::isnan(point.value)) << "line " << cells[0];
      }
    }
    EXPECT_EQ(reported, fieldRows.size());
    for (size_t i = 1; i < series->size(); ++i) EXPECT_LT((*series)[i - 1].record, (*series)[i].record);
    return valid;
  }

  static LogFileImage* image_;
  static RecordParser* parser_;
  static std::vector<std::vector<std::string>>* csv_;
};
LogFileImage* FieldSeriesTest::image_ = nullptr;
RecordParser* FieldSeriesTest::parser_ = nullptr;
std::vector<std::vector<std::string>>* FieldSeriesTest::csv_ = nullptr;

TEST_F(FieldSeriesTest, EqualsTheExportedRowsOfTheSameField) {
  // A heading in radians, a temperature the log never has, a sentence's
  // decimal text, a satellite in the second repeat section of GSV.
  EXPECT_EQ(ExpectSeriesMatchesExport({{true, 127250, 20, {}}, 0, 2}), 1179u);
  EXPECT_EQ(ExpectSeriesMatchesExport({{true, 130312, 36, {}}, 0, 5}), 0u);
  EXPECT_GT(ExpectSeriesMatchesExport({{false, 0, 0, "GPGGA"}, 0, 8}), 100u);
  EXPECT_GT(ExpectSeriesMatchesExport({{false, 0, 0, "GPGSV"}, 2, 7}), 50u);
}

TEST_F(FieldSeriesTest, AnotherSourceOrAMissingFieldIsNotTheSeries) {
  const std::optional<std::vector<SeriesPoint>> otherSource = GatherSeries({{true, 127250, 21, {}}, 0, 2}, Records());
  ASSERT_TRUE(otherSource);
  EXPECT_TRUE(otherSource->empty());
  // Every record of the stream is there, as a gap, when none reaches the field.
  const std::optional<std::vector<SeriesPoint>> noField = GatherSeries({{true, 127250, 20, {}}, 0, 40}, Records());
  ASSERT_TRUE(noField);
  EXPECT_EQ(noField->size(), 1179u);
  for (const SeriesPoint& point : *noField) {
    EXPECT_FALSE(point.reported);
    EXPECT_TRUE(std::isnan(point.value));
  }
}

// A plot's data file reads back to the series: every number to the same
// double, every gap empty with its status.
TEST_F(FieldSeriesTest, PlotDataReadsBackToTheSeries) {
  const SeriesField field{{true, 130312, 36, {}}, 0, 4};
  std::optional<std::vector<SeriesPoint>> series = GatherSeries(field, Records());
  ASSERT_TRUE(series);
  ASSERT_GT(series->size(), 2u);
  (*series)[1].value = std::nan("");
  (*series)[1].status = FieldStatus::OutOfRange;
  std::string csv = SeriesCsvHeader();
  AppendSeriesCsv(csv, field, "Actual Temperature", "K", *series);
  const std::vector<std::vector<std::string>> rows = ParseCsv(csv);
  ASSERT_EQ(rows.size(), series->size() + 1);
  EXPECT_EQ(rows[0].size(), 10u);
  for (size_t i = 0; i < series->size(); ++i) {
    const SeriesPoint& point = (*series)[i];
    const std::vector<std::string>& row = rows[i + 1];
    ASSERT_EQ(row.size(), 10u);
    EXPECT_EQ(row[0], std::to_string(point.record + 1));
    EXPECT_EQ(row[2], "130312");
    EXPECT_EQ(row[3], "36");
    EXPECT_EQ(row[6], "Actual Temperature");
    EXPECT_EQ(row[9], FieldStatusWord(point.status));
    if (std::isnan(point.value))
      EXPECT_EQ(row[7], "");
    else
      EXPECT_EQ(std::strtod(row[7].c_str(), nullptr), point.value);
  }
  EXPECT_EQ(rows[2][9], "out of range");
}

TEST_F(FieldSeriesTest, CancelGivesNoSeries) {
  const std::atomic<bool> cancel{true};
  ChunkRunControl control;
  control.cancel = &cancel;
  EXPECT_FALSE(GatherSeries({{true, 127250, 20, {}}, 0, 2}, Records(), control));
}

// The decode tree's field lines pair up with the reported fields in every
// record of the sample, so the window can name the field under any line.
TEST_F(FieldSeriesTest, EveryFieldLineOfTheSampleNamesItsField) {
  DecodeContext context;
  size_t lines = 0;
  for (size_t i = 0; i < Records().Count(); ++i) {
    const Record record = Records().At(i);
    FieldRecorder recorder;
    {
      const FieldSinkScope scope(recorder);
      DecodeRecord(DM_Full, context, record, nullptr);
    }
    for (uint32_t child = 0; child < context.tree.Children().size(); ++child) {
      const std::string& text = context.tree.Children()[child].Text();
      const uint32_t path[] = {child};
      const std::optional<size_t> field = FieldOfLine(context.tree, recorder.fields, path);
      if (!text.starts_with("Field ")) {
        EXPECT_FALSE(field) << "line " << i + 1 << ": " << text;
        continue;
      }
      ++lines;
      ASSERT_TRUE(field) << "line " << i + 1 << ": " << text;
      // A reserved field's line says so in place of its name.
      const std::string prefix = "Field " + std::to_string(recorder.fields[*field].number) + ": ";
      EXPECT_TRUE(text.starts_with(prefix + recorder.fields[*field].name) ||
                  text.starts_with(prefix + "Reserved field"))
          << "line " << i + 1 << ": " << text;
    }
  }
  EXPECT_GT(lines, 40000u);
}

TEST(FieldLinesTest, ATreeThatDoesNotPairUpNamesNoField) {
  std::vector<ReportedField> fields(2);
  fields[0].number = 1;
  fields[1].number = 2;
  CTreeNode root("summary");
  root.AddLine("Field 1: A = 1");
  root.AddLine("Field 2: B = 2");
  const uint32_t second[] = {1};
  EXPECT_EQ(FieldOfLine(root, fields, second), 1u);
  const uint32_t rootPath[] = {0, 0};
  EXPECT_FALSE(FieldOfLine(root, fields, rootPath));

  CTreeNode extra = root;
  extra.AddLine("Field 3: C = 3");
  EXPECT_FALSE(FieldOfLine(extra, fields, second));
  fields[1].number = 3;
  EXPECT_FALSE(FieldOfLine(root, fields, second));

  // The same section and number twice (a device message inside a PGN field
  // numbering its own fields): the second could be taken for the first.
  fields[1].number = 1;
  CTreeNode twice("summary");
  twice.AddLine("Field 1: A = 1");
  twice.AddLine("Field 1: X = 9");
  const uint32_t first[] = {0};
  EXPECT_EQ(FieldOfLine(twice, fields, first), 0u);
  EXPECT_FALSE(FieldOfLine(twice, fields, second));
}

TEST(FieldNumberTest, OnlyValidPlainDecimalsAreNumbers) {
  FieldResult field;
  field.kind = FieldValueKind::Text;
  const std::map<std::string, double> numbers = {{"12.5", 12.5}, {"-0.25", -0.25}, {"+3", 3}, {"007", 7}, {".5", 0.5}};
  for (const auto& [text, value] : numbers) {
    field.text = text;
    EXPECT_EQ(FieldNumber(field), value) << text;
  }
  for (const char* text : {"", "-", ".", "A", "1.2.3", "1e5", "inf", "nan", "0x10", "12 "}) {
    field.text = text;
    EXPECT_TRUE(std::isnan(FieldNumber(field))) << text;
  }
  field.kind = FieldValueKind::Scaled;
  field.value.value = 31416;
  field.value.exponent = -4;
  field.value.resolutionFactor = 0;
  EXPECT_EQ(FieldNumber(field), 3.1416);
  field.status = FieldStatus::OutOfRange;
  EXPECT_TRUE(std::isnan(FieldNumber(field)));
}

}  // namespace
