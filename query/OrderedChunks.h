// Work over a long run of records spread over the machine's cores while its
// text still leaves in file order: the records are cut into chunks, workers
// write each chunk's text into a buffer of its own, and the caller's thread
// hands the buffers on one by one in chunk order. Only a few chunks are ever
// held at once, so memory does not grow with the log.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct OrderedChunkPlan {
  size_t items = 0;        // items [0, items) are cut into chunks
  size_t chunkItems = 0;   // items per chunk; 0 is taken as 1
  unsigned workers = 0;    // 0: one per core; 1: all on the caller's thread
};

// Writes the text of items [begin, end) by worker number `worker` (from 0,
// below the number of workers), appending to `text`, which arrives empty.
// Each worker number is used by one thread at a time, so per-worker state
// needs no lock.
using ChunkWriter = std::function<void(unsigned worker, size_t begin, size_t end, std::string& text)>;
// Takes one chunk's text, in chunk order, on the caller's thread; false
// stops the run.
using ChunkReader = std::function<bool(const std::string& text)>;

// The number of workers a plan runs with.
unsigned OrderedChunkWorkers(const OrderedChunkPlan& plan);

// False when the reader stopped the run. An exception thrown by the writer
// is thrown again on the caller's thread once every worker has stopped.
bool RunOrderedChunks(const OrderedChunkPlan& plan, const ChunkWriter& write, const ChunkReader& read);
