#include "query/FilterRun.h"

#include "decode/RecordDecoder.h"
#include "log/RecordList.h"
#include "query/ChunkRun.h"

namespace {

// Large enough that handing out chunks costs nothing, small enough that
// cancel and progress answer within a fraction of a second of text work.
constexpr size_t kChunkRecords = 8192;

}  // namespace

std::optional<std::vector<uint32_t>> RunFilter(const Filter& filter, const RecordList& records,
                                              const FilterRunControl& control) {
  const size_t total = records.Count();
  std::vector<std::vector<uint32_t>> chunkRows(ChunkCount(total, kChunkRecords));
  const ChunkWorkerFactory makeWorker = [&]() -> ChunkWork {
    // Each worker decodes with its own context: a context is one caller's
    // scratch space.
    auto context = std::make_shared<DecodeContext>();
    return [&, context](size_t chunk, size_t begin, size_t end) {
      const Filter::SummaryFunction summary = [&context](const Record& r) -> const std::string& {
        DecodeRecord(DM_Summary, *context, r, nullptr);
        return context->text;
      };
      std::vector<uint32_t>& rows = chunkRows[chunk];
      for (size_t i = begin; i < end; ++i)
        if (filter.Matches(records.At(i), i + 1, summary)) rows.push_back(static_cast<uint32_t>(i));
    };
  };
  if (!RunChunks(total, kChunkRecords, makeWorker, {control.progress, control.cancel, control.threads}))
    return std::nullopt;

  size_t matched = 0;
  for (const auto& rows : chunkRows) matched += rows.size();
  std::vector<uint32_t> result;
  result.reserve(matched);
  for (const auto& rows : chunkRows) result.insert(result.end(), rows.begin(), rows.end());
  return result;
}
