#include "query/ChunkRun.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

size_t ChunkCount(size_t total, size_t chunkSize) { return (total + chunkSize - 1) / chunkSize; }

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

struct SharedRun {
  SharedRun(size_t t, size_t size, const std::atomic<bool>* c)
      : total(t), chunkSize(size), chunkCount(ChunkCount(t, size)), cancel(c) {}

  size_t total;
  size_t chunkSize;
  size_t chunkCount;
  const std::atomic<bool>* cancel;
  std::atomic<size_t> nextChunk{0};
  std::atomic<size_t> done{0};
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = 0;

  bool Cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }

  void Work(const ChunkWorkerFactory& makeWorker) {
    const ChunkWork work = makeWorker();
    for (size_t chunk = nextChunk++; chunk < chunkCount && !Cancelled(); chunk = nextChunk++) {
      const size_t begin = chunk * chunkSize;
      const size_t end = std::min(total, begin + chunkSize);
      work(chunk, begin, end);
      done += end - begin;
    }
    const std::lock_guard lock(mutex);
    if (--running == 0) finished.notify_all();
  }
};

}  // namespace

bool RunChunks(size_t total, size_t chunkSize, const ChunkWorkerFactory& makeWorker, const ChunkRunControl& control) {
  SharedRun run(total, chunkSize, control.cancel);
  const unsigned cores = control.threads != 0 ? control.threads : std::max(1u, std::thread::hardware_concurrency());
  const unsigned workers = static_cast<unsigned>(std::min<size_t>(cores, std::max<size_t>(run.chunkCount, 1)));
  run.running = workers;
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (unsigned t = 0; t < workers; ++t) threads.emplace_back([&run, &makeWorker] { run.Work(makeWorker); });
  {
    std::unique_lock lock(run.mutex);
    while (!run.finished.wait_for(lock, kProgressInterval, [&run] { return run.running == 0; })) {
      if (!control.progress) continue;
      lock.unlock();
      control.progress(run.done.load(), total);
      lock.lock();
    }
  }
  for (std::thread& t : threads) t.join();
  if (run.Cancelled()) return false;
  if (control.progress) control.progress(total, total);
  return true;
}
