#include "query/FilterRun.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <condition_variable>
#include <thread>

#include "decode/RecordDecoder.h"
#include "log/RecordList.h"

namespace {

// Large enough that handing out chunks costs nothing, small enough that
// cancel and progress answer within a fraction of a second of text work.
constexpr size_t kChunkRecords = 8192;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

struct SharedRun {
  SharedRun(const Filter& f, const RecordList& r, const std::atomic<bool>* c)
      : filter(f), records(r), cancel(c), chunkCount((r.Count() + kChunkRecords - 1) / kChunkRecords),
        chunkRows(chunkCount) {}

  const Filter& filter;
  const RecordList& records;
  const std::atomic<bool>* cancel;
  size_t chunkCount;
  std::vector<std::vector<uint32_t>> chunkRows;
  std::atomic<size_t> nextChunk{0};
  std::atomic<size_t> recordsDone{0};
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = 0;

  bool Cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }

  void Work() {
    // Each worker decodes with its own context: a context is one caller's
    // scratch space.
    DecodeContext context;
    const Filter::SummaryFunction summary = [&context](const Record& r) -> const std::string& {
      DecodeRecord(DM_Summary, context, r, nullptr);
      return context.text;
    };
    const size_t total = records.Count();
    for (size_t chunk = nextChunk++; chunk < chunkCount && !Cancelled(); chunk = nextChunk++) {
      const size_t begin = chunk * kChunkRecords;
      const size_t end = std::min(total, begin + kChunkRecords);
      std::vector<uint32_t>& rows = chunkRows[chunk];
      for (size_t i = begin; i < end; ++i)
        if (filter.Matches(records.At(i), i + 1, summary)) rows.push_back(static_cast<uint32_t>(i));
      recordsDone += end - begin;
    }
    const std::lock_guard lock(mutex);
    if (--running == 0) finished.notify_all();
  }
};

}  // namespace

std::optional<std::vector<uint32_t>> RunFilter(const Filter& filter, const RecordList& records,
                                              const FilterRunControl& control) {
  const size_t total = records.Count();
  SharedRun run(filter, records, control.cancel);
  const unsigned cores = control.threads != 0 ? control.threads : std::max(1u, std::thread::hardware_concurrency());
  const unsigned workers = static_cast<unsigned>(std::min<size_t>(cores, std::max<size_t>(run.chunkCount, 1)));
  run.running = workers;
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (unsigned t = 0; t < workers; ++t) threads.emplace_back([&run] { run.Work(); });
  {
    std::unique_lock lock(run.mutex);
    while (!run.finished.wait_for(lock, kProgressInterval, [&run] { return run.running == 0; })) {
      if (!control.progress) continue;
      lock.unlock();
      control.progress(run.recordsDone.load(), total);
      lock.lock();
    }
  }
  for (std::thread& t : threads) t.join();
  if (run.Cancelled()) return std::nullopt;
  if (control.progress) control.progress(total, total);

  size_t matched = 0;
  for (const auto& rows : run.chunkRows) matched += rows.size();
  std::vector<uint32_t> result;
  result.reserve(matched);
  for (const auto& rows : run.chunkRows) result.insert(result.end(), rows.begin(), rows.end());
  return result;
}
