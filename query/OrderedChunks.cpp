#include "query/OrderedChunks.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Chunks in flight per worker: one being written while another waits to be
// read keeps every worker busy when the reader falls briefly behind.
constexpr size_t kSlotsPerWorker = 2;

class ChunkRun {
 public:
  ChunkRun(const OrderedChunkPlan& plan, size_t chunks, unsigned workers, const ChunkWriter& write)
      : items_(plan.items), chunkItems_(std::max<size_t>(plan.chunkItems, 1)), chunks_(chunks),
        ring_(size_t{workers} * kSlotsPerWorker), write_(write) {}

  void Work(unsigned worker) {
    for (;;) {
      size_t chunk;
      {
        std::unique_lock lock(mutex_);
        // A slot is free again once the chunk that held it has been read.
        changed_.wait(lock, [this] { return stop_ || next_ >= chunks_ || next_ < read_ + ring_.size(); });
        if (stop_ || next_ >= chunks_) return;
        chunk = next_++;
      }
      Slot& slot = ring_[chunk % ring_.size()];
      slot.text.clear();
      try {
        const size_t begin = chunk * chunkItems_;
        write_(worker, begin, std::min(items_, begin + chunkItems_), slot.text);
      } catch (...) {
        const std::lock_guard lock(mutex_);
        if (!error_) error_ = std::current_exception();
        stop_ = true;
        changed_.notify_all();
        return;
      }
      {
        const std::lock_guard lock(mutex_);
        slot.ready = true;
      }
      changed_.notify_all();
    }
  }

  // Reads every chunk in order; false when the reader or a worker stopped.
  bool ReadAll(const ChunkReader& read) {
    for (size_t chunk = 0; chunk < chunks_; ++chunk) {
      Slot& slot = ring_[chunk % ring_.size()];
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this, &slot] { return slot.ready || stop_; });
        if (!slot.ready) return false;
      }
      // The slot is the reader's until it is handed back below.
      const bool more = read(slot.text);
      {
        const std::lock_guard lock(mutex_);
        slot.ready = false;
        ++read_;
        if (!more) stop_ = true;
      }
      changed_.notify_all();
      if (!more) return false;
    }
    return true;
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
  }

  // Only once every worker has stopped.
  std::exception_ptr Error() const { return error_; }

 private:
  struct Slot {
    std::string text;
    bool ready = false;
  };

  const size_t items_;
  const size_t chunkItems_;
  const size_t chunks_;
  std::vector<Slot> ring_;
  const ChunkWriter& write_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;  // the next chunk a worker takes
  size_t read_ = 0;  // chunks read so far
  bool stop_ = false;
  std::exception_ptr error_;
};

}  // namespace

unsigned OrderedChunkWorkers(const OrderedChunkPlan& plan) {
  return plan.workers != 0 ? plan.workers : std::max(1u, std::thread::hardware_concurrency());
}

bool RunOrderedChunks(const OrderedChunkPlan& plan, const ChunkWriter& write, const ChunkReader& read) {
  const size_t chunkItems = std::max<size_t>(plan.chunkItems, 1);
  const size_t chunks = plan.items / chunkItems + (plan.items % chunkItems != 0 ? 1 : 0);
  const unsigned workers = static_cast<unsigned>(std::min<size_t>(OrderedChunkWorkers(plan), chunks));
  if (workers <= 1) {
    // Kept from run to run: a listing runs once per slice of its log, and a
    // text of megabytes grown anew each time comes from pages the kernel
    // must clear first.
    static thread_local std::string text;
    for (size_t chunk = 0; chunk < chunks; ++chunk) {
      text.clear();
      const size_t begin = chunk * chunkItems;
      write(0, begin, std::min(plan.items, begin + chunkItems), text);
      if (!read(text)) return false;
    }
    return true;
  }

  ChunkRun run(plan, chunks, workers, write);
  std::vector<std::thread> threads;
  threads.reserve(workers);
  bool completed = false;
  try {
    for (unsigned w = 0; w < workers; ++w) threads.emplace_back([&run, w] { run.Work(w); });
    completed = run.ReadAll(read);
  } catch (...) {
    run.Stop();
    for (std::thread& t : threads) t.join();
    throw;
  }
  run.Stop();
  for (std::thread& t : threads) t.join();
  if (run.Error()) std::rethrow_exception(run.Error());
  return completed;
}
