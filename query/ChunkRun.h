// Spreads work over a record list's indices on several threads: the list is
// cut into chunks that idle workers take in turn, so a slow stretch of the
// log does not hold the others up. Progress is reported on the calling
// thread and the run can be stopped from anywhere.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

struct ChunkRunControl {
  // Called on the calling thread only, now and then while the run lasts:
  // indices done so far and in all.
  std::function<void(size_t done, size_t total)> progress;
  // Set from anywhere to stop the run early.
  const std::atomic<bool>* cancel = nullptr;
  // 0: one per core.
  unsigned threads = 0;
};

// Does the indices [begin, end) of chunk number `chunk`.
using ChunkWork = std::function<void(size_t chunk, size_t begin, size_t end)>;
// Called once on each worker thread, so that a worker keeps its own scratch
// space (a decode context is one caller's).
using ChunkWorkerFactory = std::function<ChunkWork()>;

// The number of chunks RunChunks cuts `total` indices into.
size_t ChunkCount(size_t total, size_t chunkSize);

// Runs every chunk of [0, total); false when the run was cancelled.
bool RunChunks(size_t total, size_t chunkSize, const ChunkWorkerFactory& makeWorker, const ChunkRunControl& control);
