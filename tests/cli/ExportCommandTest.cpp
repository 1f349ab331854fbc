#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "../QlxProgram.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(QLX_SOURCE_DIR) + "/samples/sample.qlx";

fs::path TempDir() {
  const fs::path dir = fs::temp_directory_path() / ("qlx-export-test-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

// The field lines of every record's full decode, counted from the decode
// text, independently of the field results the export is made from: at any
// depth, since a device message's group items and a device message inside a
// PGN field hold field lines of their own.
size_t FieldLinesBelow(const CTreeNode& node) {
  size_t count = 0;
  for (const CTreeNode& child : node.Children())
    count += (child.Text().rfind("Field ", 0) == 0 ? 1 : 0) + FieldLinesBelow(child);
  return count;
}

size_t DecodedFieldLines() {
  LogFileImage image;
  EXPECT_EQ(image.Load(kSample.c_str()), 0);
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());
  DecodeContext context;
  size_t count = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    DecodeRecord(DM_Full, context, parser.At(i), nullptr);
    count += FieldLinesBelow(context.tree);
  }
  return count;
}

TEST(ExportCommand, SampleReadsBackWithPythonsCsvAndJson) {
  const fs::path dir = TempDir();
  const fs::path csv = dir / "sample.csv", jsonl = dir / "sample.jsonl";
  ASSERT_EQ(RunQlx("export '" + kSample + "' --format csv --out '" + csv.string() + "'").status, 0);
  ASSERT_EQ(RunQlx("export '" + kSample + "' --out '" + jsonl.string() + "' --format jsonl").status, 0);
  // Line 2: 129025 position; line 3: 127250 heading; line 80: the first
  // GSV sentence, whose first satellite is field 3 of section 1.
  const std::string script = std::string(QLX_SOURCE_DIR) + "/tests/cli/export_readback.py";
  const std::string command = "python3 '" + script + "' '" + csv.string() + "' '" + jsonl.string() +
                              "' 2:0:1 2:0:2 3:0:2 80:1:3 80:1:4 80:0:2";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ASSERT_EQ(::pclose(pipe), 0) << out;
  const nlohmann::json r = nlohmann::json::parse(out);

  const size_t fields = DecodedFieldLines();
  EXPECT_GT(fields, 1000u);
  EXPECT_EQ(r["csv_rows"], fields);
  EXPECT_EQ(r["json_fields"], fields);
  EXPECT_EQ(r["mismatches"].size(), 0u) << r["mismatches"].dump();
  LogFileImage image;
  image.Load(kSample.c_str());
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());
  EXPECT_EQ(r["records"], parser.Count()) << "one object per record, fields or not";
  EXPECT_EQ(r["statuses"], nlohmann::json({"not available", "reserved", "valid"}));

  const nlohmann::json& found = r["found"];
  EXPECT_EQ(found["2:0:1"], nlohmann::json({"129025", "Latitude", "50.0321947", "Deg", "valid"}));
  EXPECT_EQ(found["2:0:2"], nlohmann::json({"129025", "Longitude", "-4.6659560", "Deg", "valid"}));
  EXPECT_EQ(found["3:0:2"], nlohmann::json({"127250", "Heading Sensor Reading", "3.5135", "Rad", "valid"}));
  EXPECT_EQ(found["80:1:3"], nlohmann::json({"GPGSV", "Satellite ID (PRN) number", "22", "", "valid"}));
  EXPECT_EQ(found["80:1:4"], nlohmann::json({"GPGSV", "Elevation, degrees, 90 maximum", "48", "Angle, Degrees",
                                             "valid"}));
  EXPECT_EQ(found["80:0:2"][2], "12") << "satellites in view";
  fs::remove_all(dir);
}

TEST(ExportCommand, FilterChoosesTheRecords) {
  const QlxResult r = RunQlx("export '" + kSample + "' --format csv --filter 'pgn == 129025'");
  ASSERT_EQ(r.status, 0) << r.err;
  size_t rows = 0;
  for (size_t at = r.out.find("\r\n"); at != std::string::npos; at = r.out.find("\r\n", at + 2)) {
    const size_t start = r.out.rfind('\n', at - 1);
    if (start != std::string::npos) {
      EXPECT_NE(r.out.find(",129025,", start), std::string::npos);
      ++rows;
    }
  }
  EXPECT_GT(rows, 10u);
  EXPECT_EQ(rows % 2, 0u) << "latitude and longitude of each position";
}

TEST(ExportCommand, FailedWritesExitWithTwoAndLeaveNoFile) {
  const fs::path dir = TempDir();
  const fs::path missing = dir / "no-such-folder" / "out.csv";
  QlxResult r = RunQlx("export '" + kSample + "' --format csv --out '" + missing.string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("cannot create"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(missing.parent_path()));

  // A device is written in place, never renamed over.
  r = RunQlx("export '" + kSample + "' --format jsonl --out /dev/full");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("No space left"), std::string::npos) << r.err;
  struct stat info {};
  ASSERT_EQ(::stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));

  r = RunQlx("export '" + kSample + "' --format csv > /dev/full");
  EXPECT_EQ(r.status, 2);

  // A target that stood there before is left alone when the export fails.
  const fs::path kept = dir / "kept.csv";
  { std::ofstream(kept) << "before"; }
  r = RunQlx("export '" + kSample + "' --format csv --filter 'pgn ==' --out '" + kept.string() + "'");
  EXPECT_EQ(r.status, 2);
  std::ifstream in(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "before");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1u) << "no temporary file left behind";
  fs::remove_all(dir);
}

TEST(ExportCommand, UsageErrors) {
  EXPECT_EQ(RunQlx("export '" + kSample + "'").status, 2);
  EXPECT_EQ(RunQlx("export '" + kSample + "' --format xml").status, 2);
  EXPECT_EQ(RunQlx("export '" + kSample + "' --format csv --out").status, 2);
  EXPECT_EQ(RunQlx("export /no/such/log.qlx --format csv").status, 2);
}

}  // namespace
