#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "query/ChunkRun.h"

namespace {

// Every index once, in the chunk it belongs to, whatever the number of
// workers; each worker is made on its own thread.
TEST(ChunkRunTest, EveryIndexOnceOnTheWorkersOwnThreads) {
  for (unsigned threads : {1u, 2u, 5u}) {
    for (size_t total : {size_t{0}, size_t{1}, size_t{99}, size_t{100}, size_t{1001}}) {
      std::vector<int> visits(total);
      std::mutex mutex;
      std::set<std::thread::id> workerThreads;
      const ChunkWorkerFactory makeWorker = [&]() -> ChunkWork {
        const std::thread::id made = std::this_thread::get_id();
        {
          const std::lock_guard lock(mutex);
          EXPECT_TRUE(workerThreads.insert(made).second);
        }
        return [&, made](size_t chunk, size_t begin, size_t end) {
          EXPECT_EQ(std::this_thread::get_id(), made);
          EXPECT_EQ(begin, chunk * 10);
          EXPECT_LE(end, total);
          for (size_t i = begin; i < end; ++i) ++visits[i];
        };
      };
      ChunkRunControl control;
      control.threads = threads;
      ASSERT_TRUE(RunChunks(total, 10, makeWorker, control));
      EXPECT_EQ(ChunkCount(total, 10), (total + 9) / 10);
      for (size_t i = 0; i < total; ++i) EXPECT_EQ(visits[i], 1) << i;
    }
  }
}

}  // namespace
