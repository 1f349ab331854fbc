#include "query/OrderedChunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

// Each item's text, with a pause now and then so that chunks finish out of
// order when several workers run.
void WriteItems(size_t begin, size_t end, std::string& text) {
  for (size_t i = begin; i < end; ++i) {
    if (i % 13 == 0) std::this_thread::yield();
    text += std::to_string(i);
    text += ';';
  }
}

std::string Expected(size_t items) {
  std::string text;
  WriteItems(0, items, text);
  return text;
}

TEST(OrderedChunks, TextLeavesInItemOrderWhateverTheWorkers) {
  for (unsigned workers : {1u, 2u, 3u, 8u}) {
    for (size_t chunkItems : {size_t{1}, size_t{7}, size_t{1000}, size_t{5000}}) {
      std::atomic<bool> badWorker{false};
      std::string out;
      size_t reads = 0;
      const bool done = RunOrderedChunks(
          {1000, chunkItems, workers},
          [&](unsigned worker, size_t begin, size_t end, std::string& text) {
            if (worker >= workers || !text.empty()) badWorker = true;
            WriteItems(begin, end, text);
          },
          [&](const std::string& text) {
            out += text;
            ++reads;
            return true;
          });
      EXPECT_TRUE(done);
      EXPECT_FALSE(badWorker) << "a worker number out of range, or a buffer that did not arrive empty";
      EXPECT_EQ(out, Expected(1000)) << workers << " workers, " << chunkItems << " items per chunk";
      EXPECT_EQ(reads, (1000 + chunkItems - 1) / chunkItems);
    }
  }
}

TEST(OrderedChunks, NothingToDoReadsNothing) {
  size_t reads = 0;
  EXPECT_TRUE(RunOrderedChunks(
      {0, 10, 2}, [](unsigned, size_t, size_t, std::string&) {},
      [&reads](const std::string&) { return ++reads > 0; }));
  EXPECT_EQ(reads, 0u);
}

TEST(OrderedChunks, AReaderThatStopsEndsTheRun) {
  for (unsigned workers : {1u, 3u}) {
    std::atomic<size_t> written{0};
    size_t reads = 0;
    const bool done = RunOrderedChunks(
        {100000, 10, workers},
        [&written](unsigned, size_t begin, size_t end, std::string& text) {
          ++written;
          WriteItems(begin, end, text);
        },
        [&reads](const std::string&) { return ++reads < 3; });
    EXPECT_FALSE(done);
    EXPECT_EQ(reads, 3u) << "nothing is read after the reader said stop";
    // Workers run ahead by a few chunks at most, never through the log.
    EXPECT_LT(written.load(), 3u + 2 * workers + workers);
  }
}

TEST(OrderedChunks, AWriterFailureReachesTheCaller) {
  for (unsigned workers : {1u, 2u, 4u}) {
    std::string out;
    EXPECT_THROW(RunOrderedChunks(
                     {1000, 10, workers},
                     [](unsigned, size_t begin, size_t end, std::string& text) {
                       if (begin == 500) throw std::runtime_error("no memory");
                       WriteItems(begin, end, text);
                     },
                     [&out](const std::string& text) {
                       out += text;
                       return true;
                     }),
                 std::runtime_error)
        << workers << " workers";
    EXPECT_EQ(Expected(1000).compare(0, out.size(), out), 0) << "what was read is the log's beginning, in order";
    EXPECT_LE(out.size(), Expected(500).size());
  }
}

}  // namespace
