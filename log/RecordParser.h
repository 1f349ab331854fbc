// Turns the bytes of a log file into the record list in one pass, one byte at
// a time, with no look-ahead and no backtracking. Bytes not yet known to
// belong to a unit are collected optimistically as unrecognised data and
// trimmed when a unit completes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "log/Deserialise.h"
#include "log/PageBuffer.h"
#include "log/RecordList.h"

class LogFileImage;

class RecordParser {
 public:
  RecordParser();

  // Empties the record list. The log time carries over: a second file opened
  // in the same run starts with the last time of the first.
  void Reset();
  // Appends the records of the bytes; the pending unrecognised data is
  // flushed at the end. The records hold copies of their bytes.
  void Parse(const uint8_t* data, size_t length);
  // The same for the whole image, but the records refer to their bytes in
  // the image wherever the file holds them as they are, and the record list
  // keeps the image alive (nobody may load it again meanwhile). One image
  // per parser between resets.
  void Parse(std::shared_ptr<const LogFileImage> image);
  // True when a deserialiser took the byte.
  bool Feed(uint8_t b);

  // The whole-image parse a slice at a time, for a caller that takes the
  // records completed after each slice and then lets the list forget them:
  // StartImage, ParseImage over consecutive ranges from 0 to the image's
  // length, then FinishImage. The records are those of Parse(image).
  void StartImage(std::shared_ptr<const LogFileImage> image);
  // Throws std::logic_error unless [from, to) continues the slices so far
  // within the image.
  void ParseImage(size_t from, size_t to);
  // Flushes the pending unrecognised data.
  void FinishImage();
  // After StartImage: ParseImage in slices of `slice` bytes, then
  // FinishImage, calling `done(parsed, finished)` after each with the image
  // bytes parsed so far; `done` may take the records made so far and
  // forget them. False from `done` stops the parse, and is returned.
  bool ParseImageInSlices(size_t slice, const std::function<bool(size_t parsed, bool finished)>& done);
  // Lets the record list forget the records below `records` and the stored
  // bytes that nothing pending or still known refers to.
  void Forget(size_t records);

  size_t Count() const { return records_.Count(); }
  Record At(size_t index) const { return records_.At(index); }
  const RecordList& Records() const { return records_; }
  uint64_t CurrentLogTime() const { return logTime_; }

  static constexpr size_t kReservedRecords = 40000;
  static constexpr size_t kBytesPerReservedRecord = 16;

 private:
  // A range of the record list's byte store, [begin, end).
  struct Span {
    uint64_t begin;
    uint64_t end;
  };
  // From store position `store` on, store bytes stand at file offset
  // store + fileMinusStore, until the next shift.
  struct Shift {
    uint64_t store;
    int64_t fileMinusStore;
  };

  // The bytes through the fast paths and the full step, with no flush.
  void ParseBytes(const uint8_t* data, size_t length);
  inline bool Step(uint8_t b);
  // The bytes from p that no deserialiser treats specially in the present
  // state, taken in one go; 0 when the next byte needs a full step.
  inline size_t PlainRun(const uint8_t* p, size_t n);
  // The doubled tag escapes at p when no unit is open, each stored once.
  inline size_t EscapePairs(const uint8_t* p, size_t n);
  // Frame start pairs at p that the next start pair abandons unseen.
  inline size_t FrameRestarts(const uint8_t* p, size_t n);
  // With no unit open, the whole frame at p (0 when it is not one that
  // completes without a tag escape); and the sentence starting at p up to
  // where it completes, is abandoned, or meets a framing escape.
  inline size_t TakeFrame(const uint8_t* p, size_t n);
  inline size_t TakeSentence(const uint8_t* p, size_t n);
  // With nothing pending and no unit open, the whole tag at p (0 when it is
  // not one that completes within its buffer).
  inline size_t TakeTag(const uint8_t* p, size_t n);
  // With nothing pending and no unit open, a run of bytes that changes no
  // state, and the whole unit that ends it when one does (not a time tag):
  // records of both. Without such a unit the run is stored as pending.
  // 0 when no such run starts at p.
  inline size_t TakeStrayRun(const uint8_t* p, size_t n);
  // The records of a whole unit of `length` bytes at p that its
  // deserialiser has just taken, after any pending data.
  // The unrecognised record of such a run, from the image when there is one.
  inline void AddStray(const uint8_t* p, size_t run);
  inline void AddFrame(const uint8_t* p, size_t length);
  inline void AddTag(const uint8_t* p, size_t length);
  inline void AddSentence(const uint8_t* p, size_t length, int32_t result);
  // Whether the text of the complete sentence of `unitLength` bytes at
  // `unit` stands there as it is.
  static bool SentenceAsInFile(const uint8_t* unit, size_t unitLength, size_t length);
  // With nothing pending and no unit open, the record of the whole unit of
  // `unitLength` bytes at `unit` goes straight into the list: from the
  // image when `asInFile` (its body stands there as it is after `header`
  // bytes of framing), or else from a copy of the body in the store.
  inline void AddWhole(const uint8_t* unit, size_t unitLength, uint32_t header, bool asInFile, uint32_t type,
                uint32_t group, const uint8_t* data, size_t length);
  bool NothingOpen() const { return qlx_.Idle() && kvt_.Idle() && !n183_.InSentence(); }
  bool NothingPending() const { return pieces_.empty() && tail_ == End(); }
  uint64_t End() const { return records_.ByteCount(); }
  // Where the bytes of the outermost unit still open begin (End() when none
  // is open): pending bytes from there on may still belong to a unit.
  uint64_t HeldFrom() const;
  // A unit whose bytes start at `from` completed: its bytes leave the
  // pending data and, when `add`, its record follows the unrecognised
  // bytes before the units still open. Its body follows `header` bytes of
  // framing in the file.
  void Finish(uint64_t from, bool add, uint32_t type, uint32_t group, const uint8_t* data, size_t length,
              uint32_t header);
  // A unit abandoned inside another that is still open: its bytes [from,
  // to) belong to neither, so they become unrecognised data now, or the
  // outer unit would take them with it when it completes.
  void Abandon(uint64_t from, uint64_t to, uint64_t heldFrom);
  // Makes records of the pending bytes before `upTo`.
  void Flush(uint64_t upTo);
  // Removes the pending bytes in [from, to), making records of them when
  // `keep` is set.
  void Take(uint64_t from, uint64_t to, bool keep);
  void AppendUnknown(const Span& span);

  // The file offset of the next byte stored.
  int64_t NextFileOffset() const { return static_cast<int64_t>(End()) + shifts_.back().fileMinusStore; }
  // Notes that the next byte stored is the file's byte `file`.
  void MapNextTo(int64_t file);
  // The same when no store byte below the next is pending: their places in
  // the file are forgotten.
  inline void MapOnlyNextTo(int64_t file);
  // Where the store byte stands in the file; negative when that is not known.
  int64_t FileOffsetOf(uint64_t store) const;
  // Where these bytes, stored from `store` on after `header` bytes of
  // framing, stand as they are in the image being parsed; -1 when they do not.
  int64_t ImageOffsetOf(uint64_t store, uint32_t header, const uint8_t* data, size_t length) const;
  // With nothing pending and no unit open, cuts off the store bytes that no
  // record refers to.
  void Compact();
  // With no record referring to the store, moves the pending pieces down
  // over the bytes between them, each gap cut to one byte so that pieces
  // stay apart; a gap holding where an open unit starts stays whole.
  void PackPending();

  // The pending unrecognised data lives in the record list's byte store, so
  // a long run of junk is held once: pieces cut off by records of units that
  // completed inside it, then the open tail from tail_ to End().
  std::vector<Span> pieces_;
  std::vector<Span> scratch_;
  uint64_t tail_ = 0;
  uint64_t tagFrom_ = 0;
  uint64_t frameFrom_ = 0;
  uint64_t frameEscapeAt_ = 0;
  uint64_t sentenceFrom_ = 0;
  // Records may refer to the store bytes below this.
  uint64_t kept_ = 0;
  std::vector<Shift> shifts_;
  bool parsingImage_ = false;
  // Where the next image slice starts.
  size_t sliceFrom_ = 0;
  // The end of the store when the pending pieces were last packed.
  uint64_t packedEnd_ = 0;
  CQLX_Deserialise qlx_;
  CKVT_Deserialise kvt_;
  CN183_Deserialise n183_;
  RecordList records_;
  uint64_t logTime_ = 0;
};

// The loaded bytes of a log file.
class LogFileImage {
 public:
  static constexpr int32_t kCannotOpen = -198;
  static constexpr int32_t kEmptyOrTooLarge = -180;
  static constexpr uint64_t kSizeLimit = 500000000;

  // 0, kCannotOpen, or kEmptyOrTooLarge for an empty file or one of the limit or more.
  int32_t Load(const char* path, uint64_t sizeLimit = kSizeLimit);
  void Clear();
  // Why the last Load failed, for a message after the file name: "cannot
  // open: it is a directory", "the file is empty", ...; empty after success.
  const std::string& FailureReason() const { return reason_; }

  const uint8_t* Data() const { return data_.Data(); }
  uint32_t Length() const { return static_cast<uint32_t>(data_.Size()); }

 private:
  PageBuffer data_;
  std::string reason_;
};

// A file with no QLX tag and no logged unit in its first megabyte is most
// likely not a log at all; it still opens, and the user is told once.
bool LooksLikeQlxLog(const uint8_t* data, size_t length);
inline constexpr const char* kNotQlxLogMessage =
    "no QLX tag and no logged unit in the first megabyte: this does not look like a QLX log";
