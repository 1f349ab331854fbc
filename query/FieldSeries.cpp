#include "query/FieldSeries.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <string_view>

#include "decode/ExactDecimal.h"
#include "decode/RecordDecoder.h"
#include "log/RecordList.h"
#include "query/RecordFacts.h"

namespace {

// A stream's records are a small share of a busy log, so chunks are large:
// most of a chunk is only the frame-byte test.
constexpr size_t kChunkRecords = 65536;

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// Digits, at most one point, an optional sign; nothing else. from_chars
// alone would also take "inf", "nan" and exponents, which no logged decimal
// field is.
double PlainDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const size_t digitsAt = !text.empty() && text.front() == '-' ? 1 : 0;
  bool digit = false;
  bool point = false;
  for (size_t i = digitsAt; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return kGap;
    }
  }
  if (!digit) return kGap;
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() ? value : kGap;
}

bool InStream(const Record& record, const SeriesStream& stream) {
  if (stream.n2k) {
    N2kHeader header;
    return record.type == MT_N2K && ReadN2kHeader(record, header) && header.pgn == stream.pgn &&
           header.source == stream.source;
  }
  SentenceAddress address;
  return ReadSentenceAddress(record, address) && address.talker.size() + address.formatter.size() == stream.sentence.size() &&
         stream.sentence.starts_with(address.talker) && stream.sentence.ends_with(address.formatter);
}

// Keeps the first report of the field: a field is reported once per
// section, and a device message inside a PGN reports its own fields after
// the PGN's.
class PointCatcher : public FieldSink {
 public:
  PointCatcher(uint32_t section, uint32_t number) : section_(section), number_(number) {}

  void Start(SeriesPoint& point) { point_ = &point; }

  void Field(const FieldResult& field) override {
    if (point_->reported || field.section != section_ || field.number != number_) return;
    point_->reported = true;
    point_->status = field.status;
    point_->value = FieldNumber(field);
  }

 private:
  uint32_t section_;
  uint32_t number_;
  SeriesPoint* point_ = nullptr;
};

}  // namespace

bool StreamOfRecord(const Record& record, SeriesStream& stream) {
  N2kHeader header;
  if (ReadN2kHeader(record, header)) {
    stream = SeriesStream{true, header.pgn, header.source, {}};
    return true;
  }
  SentenceAddress address;
  if (!ReadSentenceAddress(record, address)) return false;
  stream = SeriesStream{false, 0, 0, std::string(address.talker) + std::string(address.formatter)};
  return true;
}

double FieldNumber(const FieldResult& field) {
  if (field.status != FieldStatus::Valid) return kGap;
  switch (field.kind) {
    case FieldValueKind::Scaled:
      return PlainDecimal(ExactDecimal(field.value));
    case FieldValueKind::Decimal:
    case FieldValueKind::Text:
      return PlainDecimal(field.text);
    case FieldValueKind::None:
      break;
  }
  return kGap;
}

std::optional<std::vector<SeriesPoint>> GatherSeries(const SeriesField& field, const RecordList& records,
                                                     const ChunkRunControl& control) {
  const size_t total = records.Count();
  std::vector<std::vector<SeriesPoint>> chunkPoints(ChunkCount(total, kChunkRecords));
  const ChunkWorkerFactory makeWorker = [&]() -> ChunkWork {
    auto context = std::make_shared<DecodeContext>();
    auto catcher = std::make_shared<PointCatcher>(field.section, field.number);
    return [&, context, catcher](size_t chunk, size_t begin, size_t end) {
      std::vector<SeriesPoint>& points = chunkPoints[chunk];
      const FieldSinkScope scope(*catcher);
      for (size_t i = begin; i < end; ++i) {
        const Record record = records.At(i);
        if (!InStream(record, field.stream)) continue;
        SeriesPoint& point = points.emplace_back();
        point.record = static_cast<uint32_t>(i);
        point.time = record.time;
        point.value = kGap;
        // A sentence may complete a message begun in the records before it,
        // as the info view decodes it.
        context->earlier = [&records, i](uint32_t back) {
          return back <= i ? records.At(i - back).data : std::span<const uint8_t>();
        };
        catcher->Start(point);
        catcher->SetSection(0);
        DecodeRecord(DM_Full, *context, record, nullptr);
      }
    };
  };
  if (!RunChunks(total, kChunkRecords, makeWorker, control)) return std::nullopt;

  size_t count = 0;
  for (const auto& points : chunkPoints) count += points.size();
  std::vector<SeriesPoint> series;
  series.reserve(count);
  for (const auto& points : chunkPoints) series.insert(series.end(), points.begin(), points.end());
  return series;
}
