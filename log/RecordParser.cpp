#include "log/RecordParser.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

#include <sys/stat.h>

#include "log/ByteOrder.h"
#include "log/ByteScan.h"

namespace {

constexpr uint8_t kTimeTag = 0x03;
constexpr uint8_t kQlxEscape = 0x1B;
constexpr uint8_t kFrameEscape = 0x10;
constexpr uint8_t kFrameStart = 0x02;
// Escape and start byte before the body of a tag or a frame.
constexpr uint32_t kFramedHeader = 2;
// The file offset of store bytes that are not from the image being parsed:
// far enough below zero to stay negative however many bytes follow.
constexpr int64_t kUnmapped = std::numeric_limits<int64_t>::min() / 2;
// Bytes from the file's history kept mapped while data is pending; past
// this, older pending bytes are simply kept in the store.
constexpr size_t kMaxShifts = 4096;
// A store cut back by more than this gives its pages back.
constexpr uint64_t kReleaseBytes = uint64_t{16} << 20;
// Pending pieces are packed once the store has grown by this much.
constexpr uint64_t kPackBytes = uint64_t{2} << 20;

}  // namespace

RecordParser::RecordParser() { Reset(); }

void RecordParser::Reset() {
  // Pending bytes survive a reset (only Parse flushes them), so they are
  // moved to the front of the emptied store.
  std::vector<uint8_t> pending;
  const uint8_t* store = records_.ByteData();
  for (const Span& s : pieces_) pending.insert(pending.end(), store + s.begin, store + s.end);
  pending.insert(pending.end(), store + tail_, store + End());
  records_.Clear();
  records_.Reserve(kReservedRecords, pending.size());
  pieces_.clear();
  tail_ = 0;
  kept_ = 0;
  shifts_.assign(1, Shift{0, kUnmapped});
  if (!pending.empty()) std::memcpy(records_.ExtendBytes(pending.size()), pending.data(), pending.size());
  qlx_.Reset();
  kvt_.Reset();
  n183_.Reset();
}

void RecordParser::Parse(std::shared_ptr<const LogFileImage> image) {
  if (image == nullptr) return;
  const uint8_t* data = image->Data();
  const size_t length = image->Length();
  records_.UseImage(std::shared_ptr<const uint8_t>(std::move(image), data), length);
  Parse(data, length);
}

void RecordParser::Parse(const uint8_t* data, size_t length) {
  parsingImage_ = data != nullptr && data == records_.ImageData() && length == records_.ImageLength();
  MapNextTo(parsingImage_ ? 0 : kUnmapped);
  // Unit bodies are never longer than their bytes in the file, so the input
  // size covers the store unless units nest. The index is reserved for the
  // records of a log of short units at once: what stays untouched costs
  // nothing, and a large index starts in huge pages rather than faulting in
  // small ones until it has grown.
  records_.Reserve(length / kBytesPerReservedRecord, length);
  ParseBytes(data, length);
  Flush(End());
  Compact();
  sliceFrom_ = parsingImage_ ? length : 0;  // no slice follows a whole parse
}

void RecordParser::StartImage(std::shared_ptr<const LogFileImage> image) {
  if (image == nullptr) throw std::logic_error("no image to parse");
  const uint8_t* data = image->Data();
  const size_t length = image->Length();
  records_.UseImage(std::shared_ptr<const uint8_t>(std::move(image), data), length);
  parsingImage_ = true;
  sliceFrom_ = 0;
  MapNextTo(0);
  // Reserved once, as for the whole parse: growing slice by slice would map
  // the store in pieces that miss the huge pages.
  records_.Reserve(0, length);
}

void RecordParser::ParseImage(size_t from, size_t to) {
  if (!parsingImage_ || from != sliceFrom_ || to < from || to > records_.ImageLength())
    throw std::logic_error("image slices are parsed in order, within the image");
  ParseBytes(records_.ImageData() + from, to - from);
  sliceFrom_ = to;
}

void RecordParser::FinishImage() {
  Flush(End());
  Compact();
}

bool RecordParser::ParseImageInSlices(size_t slice, const std::function<bool(size_t, bool)>& done) {
  const size_t length = records_.ImageLength();
  for (size_t from = sliceFrom_; from < length;) {
    const size_t to = std::min(length, from + std::max<size_t>(slice, 1));
    ParseImage(from, to);
    if (!done(to, false)) return false;
    from = to;
  }
  FinishImage();
  return done(length, true);
}

void RecordParser::Forget(size_t records) {
  // Records to come are made of pending bytes or of bytes stored after them.
  const uint64_t pending = pieces_.empty() ? tail_ : std::min(tail_, pieces_.front().begin);
  // A unit open for long (a sentence that never ends) keeps its pieces
  // pending among the bytes of the records made inside it; once those
  // records are forgotten the pieces are packed, so that the store holds
  // what is pending, not all that came after it. Packing again only when
  // the store has grown by what the last packing left keeps the cost linear.
  if (End() < packedEnd_) packedEnd_ = 0;
  const uint64_t grown = End() - std::max(packedEnd_, pending);
  const uint64_t left = packedEnd_ > pending ? packedEnd_ - pending : 0;
  if (records >= Count() && !pieces_.empty() && grown > std::max(kPackBytes, left)) {
    PackPending();
    packedEnd_ = End();
    records_.ReleaseFreeBytes();
  }
  records_.Forget(records, pending);
}

void RecordParser::PackPending() {
  uint64_t* const opens[] = {&tagFrom_, &frameFrom_, &frameEscapeAt_, &sentenceFrom_, &kept_};
  const uint64_t oldEnd = End();
  const uint64_t start = pieces_.front().begin;
  std::vector<Shift> shifts;
  size_t old = 0;  // the old shifts below are passed
  for (; old < shifts_.size() && shifts_[old].store < start; ++old) shifts.push_back(shifts_[old]);
  const int64_t below = shifts.empty() ? kUnmapped - static_cast<int64_t>(start) : shifts.back().fileMinusStore;
  int64_t covering = below;  // the old shift of the byte being moved
  const auto addShift = [&shifts](uint64_t store, int64_t fileMinusStore) {
    while (!shifts.empty() && shifts.back().store >= store) shifts.pop_back();
    if (!shifts.empty() && shifts.back().fileMinusStore == fileMinusStore) return;
    // As in MapNextTo: the oldest are dropped, their bytes then kept stored.
    if (shifts.size() >= kMaxShifts) shifts.erase(shifts.begin(), shifts.begin() + kMaxShifts / 2);
    shifts.push_back({store, fileMinusStore});
  };
  uint64_t at = start;
  // Moves the old bytes [from, to) to `at` with their file offsets and the
  // open units' starts among them.
  const auto move = [&](uint64_t from, uint64_t to) {
    const int64_t by = static_cast<int64_t>(from) - static_cast<int64_t>(at);
    for (; old < shifts_.size() && shifts_[old].store <= from; ++old) covering = shifts_[old].fileMinusStore;
    addShift(at, covering + by);
    for (; old < shifts_.size() && shifts_[old].store < to; ++old) {
      covering = shifts_[old].fileMinusStore;
      addShift(shifts_[old].store - static_cast<uint64_t>(by), covering + by);
    }
    for (uint64_t* p : opens)
      if (*p >= from && *p < to) *p -= static_cast<uint64_t>(by);
    records_.MoveBytesDown(at, from, to - from);
    at += to - from;
  };
  const auto holdsOpen = [&opens](uint64_t from, uint64_t to) {
    return std::any_of(std::begin(opens), std::end(opens), [&](const uint64_t* p) { return *p >= from && *p < to; });
  };
  const auto gap = [&](uint64_t from, uint64_t to) {
    if (to - from <= 1 || holdsOpen(from, to)) {
      move(from, to);
    } else {
      // One byte, unmapped, keeps the pieces on either side apart.
      for (uint64_t* p : opens)
        if (*p == from) *p = at;
      addShift(at, kUnmapped - static_cast<int64_t>(at));
      ++at;
      for (; old < shifts_.size() && shifts_[old].store < to; ++old) covering = shifts_[old].fileMinusStore;
    }
  };
  for (size_t k = 0; k < pieces_.size(); ++k) {
    Span& piece = pieces_[k];
    const uint64_t next = k + 1 < pieces_.size() ? pieces_[k + 1].begin : tail_;
    const uint64_t begin = at;
    move(piece.begin, piece.end);
    const uint64_t end = at;
    gap(piece.end, next);
    piece = {begin, end};
  }
  const uint64_t tail = at;
  move(tail_, oldEnd);
  tail_ = tail;
  // Positions past the store (left by units that ended) keep their distance.
  for (uint64_t* p : opens)
    if (*p >= oldEnd) *p -= oldEnd - at;
  const int64_t next = NextFileOffset();
  shifts_ = std::move(shifts);
  records_.TruncateBytes(at);
  MapNextTo(next);
}

void RecordParser::ParseBytes(const uint8_t* data, size_t length) {
  // Most bytes of a log are plain bytes inside a frame or a sentence; they
  // are taken a run at a time. Every byte that can change a state goes
  // through the full step, so the result is the same as feeding one byte at
  // a time.
  size_t i = 0;
  while (i < length) {
    if (NothingOpen()) {
      if (data[i] == '$' || data[i] == '!') {
        i += TakeSentence(data + i, length - i);
        continue;
      }
      if (const size_t frame = TakeFrame(data + i, length - i); frame != 0) {
        i += frame;
        continue;
      }
      if (const size_t tag = TakeTag(data + i, length - i); tag != 0) {
        i += tag;
        continue;
      }
      if (NothingPending()) {
        if (const size_t taken = TakeStrayRun(data + i, length - i); taken != 0) {
          i += taken;
          continue;
        }
      }
    }
    if (const size_t pairs = EscapePairs(data + i, length - i); pairs != 0) {
      const int64_t next = NextFileOffset() + static_cast<int64_t>(2 * pairs);
      std::memset(records_.ExtendBytes(pairs), kQlxEscape, pairs);
      MapNextTo(next);
      i += 2 * pairs;
      continue;
    }
    if (const size_t restarts = FrameRestarts(data + i, length - i); restarts != 0) {
      std::memcpy(records_.ExtendBytes(2 * restarts), data + i, 2 * restarts);
      i += 2 * restarts;
      continue;
    }
    const size_t run = PlainRun(data + i, length - i);
    if (run != 0) {
      std::memcpy(records_.ExtendBytes(run), data + i, run);
      i += run;
    } else {
      Step(data[i++]);
    }
  }
}

inline size_t RecordParser::PlainRun(const uint8_t* p, size_t n) {
  // An open tag takes every byte but its escape, so the layers below it
  // never see them.
  if (qlx_.InFrame()) return qlx_.TakeRun(p, n, kQlxEscape);
  if (!qlx_.Idle()) return 0;
  if (kvt_.InFrame()) return kvt_.TakeRun(p, n, kQlxEscape);
  if (!kvt_.Idle()) return 0;
  if (n183_.InSentence()) return n183_.TakeRun(p, n);
  size_t i = 0;
  for (;;) {
    i += scan::FindFirstOf(p + i, n - i, kQlxEscape, kFrameEscape, uint8_t{'$'}, uint8_t{'!'});
    if (i == n || p[i] != kFrameEscape) return i;
    // Doubled frame escapes outside a frame change no state; an odd one
    // out pairs with the byte after it.
    const size_t escapes = scan::PairRun(p + i, n - i, kFrameEscape, kFrameEscape);
    if (escapes < 2) return i;
    i += escapes & ~size_t{1};
  }
}

inline size_t RecordParser::TakeFrame(const uint8_t* p, size_t n) {
  const size_t length = kvt_.TakeFrame(p, n, kQlxEscape);
  if (length != 0) AddFrame(p, length);
  return length;
}

inline void RecordParser::AddFrame(const uint8_t* p, size_t length) {
  const ByteBuffer& body = kvt_.GetBuffer();
  // Only a doubled escape makes a frame longer than its body and framing.
  // The body is then read where it stands, not from the copy just written:
  // reading that back in wider loads than it was written with stalls.
  const bool asInFile = body.length + 2 * kFramedHeader == length;
  const uint32_t type = KvtMessageType(asInFile ? p + kFramedHeader : body.data, body.length);
  if (NothingPending()) {
    AddWhole(p, length, kFramedHeader, asInFile, type, MG_KVT, body.data, body.length);
    return;
  }
  // The frame's bytes are stored as stepping would store them, so the store
  // keeps its place against the file; its record then takes their place.
  frameFrom_ = End();
  frameEscapeAt_ = frameFrom_ + length - 2;
  std::memcpy(records_.ExtendBytes(length), p, length);
  Finish(frameFrom_, true, type, MG_KVT, body.data, body.length, kFramedHeader);
}

inline size_t RecordParser::TakeSentence(const uint8_t* p, size_t n) {
  // With no tag or frame open, a byte other than their escapes passes both
  // framings untouched: the sentence deserialiser alone decides what it
  // does. The bytes are stored as stepping would store them; a completed
  // sentence's record then takes its bytes' place.
  int32_t result = FR_Outside;
  if (const size_t whole = n183_.TakeSentence(p, n, result); whole != 0) {
    AddSentence(p, whole, result);
    return whole;
  }
  const uint64_t base = End();
  size_t i = 0;
  while (i < n) {
    if (const size_t run = n183_.TakeRun(p + i, n - i); run != 0) {
      i += run;
      continue;
    }
    const uint8_t b = p[i];
    if (b == kQlxEscape || b == kFrameEscape) break;
    ++i;
    const int32_t s = n183_.Feed(b);
    if (s == FR_Started) {
      sentenceFrom_ = base + i - 1;
    } else if (s == FR_Complete || s == FR_ChecksumMismatch) {
      const ByteBuffer& sentence = n183_.GetBuffer();
      const uint32_t type = s == FR_Complete ? MT_N183 : MT_N183XC;
      if (n183_.Consumed() == i && NothingPending()) {
        AddWhole(p, i, 0, SentenceAsInFile(p, i, sentence.length), type, MG_N183, sentence.data, sentence.length);
        return i;
      }
      std::memcpy(records_.ExtendBytes(i), p, i);
      Finish(sentenceFrom_, true, type, MG_N183, sentence.data, sentence.length, 0);
      return i;
    } else if (s != FR_Taken) {
      break;  // too long: abandoned
    }
  }
  std::memcpy(records_.ExtendBytes(i), p, i);
  return i;
}

inline void RecordParser::AddSentence(const uint8_t* p, size_t whole, int32_t result) {
  const ByteBuffer& sentence = n183_.GetBuffer();
  const uint32_t type = result == FR_Complete ? MT_N183 : MT_N183XC;
  if (NothingPending()) {
    AddWhole(p, whole, 0, SentenceAsInFile(p, whole, sentence.length), type, MG_N183, sentence.data,
             sentence.length);
    return;
  }
  sentenceFrom_ = End();
  std::memcpy(records_.ExtendBytes(whole), p, whole);
  Finish(sentenceFrom_, true, type, MG_N183, sentence.data, sentence.length, 0);
}

bool RecordParser::SentenceAsInFile(const uint8_t* unit, size_t unitLength, size_t length) {
  // Every byte a sentence skipped was counted, and completing it took at
  // least one CR: with one byte skipped in all and that a CR right after
  // the text, the text is the file's bytes as they are.
  return unitLength == length + 2 && unit[length] == '\r';
}

inline size_t RecordParser::TakeTag(const uint8_t* p, size_t n) {
  // With no unit open, a tag's bytes go to the tag layer alone.
  if (!NothingPending()) return 0;
  const size_t length = qlx_.TakeFrame(p, n, kQlxEscape);
  if (length == 0) return 0;
  const ByteBuffer& body = qlx_.GetBuffer();
  if (body.length > 0 && body.data[0] == kTimeTag) {
    logTime_ = LoadLEPadded(std::span<const uint8_t>(body.data, body.length), 1, 8);
    MapOnlyNextTo(NextFileOffset() + static_cast<int64_t>(length));
  } else {
    AddTag(p, length);
  }
  return length;
}

[[gnu::always_inline]] inline void RecordParser::AddTag(const uint8_t* p, size_t length) {
  const ByteBuffer& body = qlx_.GetBuffer();
  AddWhole(p, length, kFramedHeader, body.length + 2 * kFramedHeader == length, MT_QLX, MG_QLX, body.data,
           body.length);
}

inline size_t RecordParser::TakeStrayRun(const uint8_t* p, size_t n) {
  // With nothing open, the bytes up to the next one that matters change no
  // state; when a whole unit follows them, stepping would make them one
  // unrecognised record, flushed by the unit's record, which follows it.
  // Both go straight into the list, and the run never passes through the
  // store. A time tag is left to the other paths: it flushes nothing, so
  // the run stays pending across it.
  const size_t run = PlainRun(p, n);
  if (run == 0) return 0;
  const uint8_t* unit = p + run;
  const size_t rest = n - run;
  size_t length = 0;
  if (rest == 0) {
    // The run reaches the end of the bytes at hand; what follows is not known.
  } else if (*unit == kQlxEscape) {
    if (rest >= 3 && unit[2] != kTimeTag && (length = qlx_.TakeFrame(unit, rest, kQlxEscape)) != 0) {
      AddStray(p, run);
      AddTag(unit, length);
    }
  } else if (*unit == kFrameEscape) {
    if ((length = kvt_.TakeFrame(unit, rest, kQlxEscape)) != 0) {
      AddStray(p, run);
      AddFrame(unit, length);
    }
  } else {
    int32_t result = FR_Outside;
    if ((length = n183_.TakeSentence(unit, rest, result)) != 0) {
      AddStray(p, run);
      AddSentence(unit, length, result);
    }
  }
  if (length != 0) return run + length;
  // Pending, as the plain run would leave it.
  std::memcpy(records_.ExtendBytes(run), p, run);
  return run;
}

[[gnu::always_inline]] inline void RecordParser::AddStray(const uint8_t* p, size_t run) {
  if (!parsingImage_) {
    AddWhole(p, run, 0, true, MT_Unknown, MG_None, p, run);
    return;
  }
  records_.AppendImage(logTime_, MT_Unknown, MG_None, static_cast<uint64_t>(p - records_.ImageData()), run);
  MapOnlyNextTo(NextFileOffset() + static_cast<int64_t>(run));
}

// A record soup adds a whole unit every few bytes: called out of line, the
// eight arguments and the saved registers cost as much as the work.
[[gnu::always_inline]] inline void RecordParser::AddWhole(const uint8_t* unit, size_t unitLength, uint32_t header,
                                                          bool asInFile, uint32_t type, uint32_t group,
                                                          const uint8_t* data, size_t length) {
  const int64_t next = NextFileOffset() + static_cast<int64_t>(unitLength);
  // An empty body refers to the image too: it needs no byte of the store,
  // and stored it would keep the bytes below it there.
  if (asInFile && parsingImage_) {
    records_.AppendImage(logTime_, type, group, static_cast<uint64_t>(unit + header - records_.ImageData()), length);
  } else {
    const uint64_t at = End();
    if (length > 0) std::memcpy(records_.ExtendBytes(length), asInFile ? unit + header : data, length);
    records_.AppendStored(logTime_, type, group, at, length);
    kept_ = End();
    tail_ = End();
  }
  MapOnlyNextTo(next);
}

inline void RecordParser::MapOnlyNextTo(int64_t file) {
  if (shifts_.size() != 1) shifts_.resize(1);
  shifts_.front() = {End(), file - static_cast<int64_t>(End())};
}

inline size_t RecordParser::FrameRestarts(const uint8_t* p, size_t n) {
  // Each start pair abandons the frame before it, and with no sentence open
  // an abandoned frame's bytes simply stay unrecognised: of a run of start
  // pairs only the last one, taken by the full step, changes anything.
  if (p[0] != kFrameEscape || !qlx_.Idle() || kvt_.EscapePending() || n183_.InSentence()) return 0;
  const size_t whole = scan::PairRun(p, n, kFrameEscape, kFrameStart) / 2;
  return whole > 0 ? whole - 1 : 0;
}

inline size_t RecordParser::EscapePairs(const uint8_t* p, size_t n) {
  // Outside every unit a doubled tag escape is handed on as one byte that
  // no lower layer takes: it only adds that byte to the unrecognised data.
  if (p[0] != kQlxEscape || !qlx_.Idle() || !kvt_.Idle() || n183_.InSentence()) return 0;
  return scan::PairRun(p, n, kQlxEscape, kQlxEscape) / 2;
}

// Every byte handed on by the QLX layer is in the store when the lower
// layers see it (the second byte of a doubled escape stands for the first,
// which is stored), so End() - 1 is where the byte being fed lies.
[[gnu::always_inline]] inline bool RecordParser::Step(uint8_t b) {
  const bool tagWasOpen = qlx_.InFrame();
  const int32_t r = qlx_.Feed(b);
  if (r != FR_EscapePair) {
    records_.PushByte(b);
  } else {
    MapNextTo(NextFileOffset() + 1);
  }
  const uint64_t at = End() - 1;
  switch (r) {
    case FR_EscapeSeen:
      return true;
    case FR_Started:
      if (tagWasOpen) Abandon(tagFrom_, at - 1, HeldFrom());
      tagFrom_ = at - 1;  // the escape byte before this one
      return true;
    case FR_Taken:
      if (!qlx_.InFrame()) Abandon(tagFrom_, End(), HeldFrom());  // the tag outgrew its buffer
      return true;
    case FR_Complete: {
      const ByteBuffer& body = qlx_.GetBuffer();
      if (body.length > 0 && body.data[0] == kTimeTag) {
        logTime_ = LoadLEPadded(std::span<const uint8_t>(body.data, body.length), 1, 8);
        Finish(tagFrom_, false, 0, 0, nullptr, 0, kFramedHeader);
      } else {
        // A tag with an empty body still becomes a (blank) QLX record, so
        // that the bytes it occupied are visible in the list.
        Finish(tagFrom_, true, MT_QLX, MG_QLX, body.data, body.length, kFramedHeader);
      }
      return true;
    }
    default:
      // A bad escape ended the tag; this byte goes on to the lower layers.
      if (tagWasOpen && r == FR_Outside) Abandon(tagFrom_, at, HeldFrom());
      break;
  }

  const bool frameWasOpen = kvt_.InFrame();
  const uint64_t sentenceHeld = n183_.InSentence() ? sentenceFrom_ : End();
  const int32_t k = kvt_.Feed(b);
  switch (k) {
    case FR_EscapeSeen:
      frameEscapeAt_ = at;
      break;
    case FR_Started:
      if (frameWasOpen) Abandon(frameFrom_, frameEscapeAt_, sentenceHeld);
      frameFrom_ = frameEscapeAt_;
      break;
    case FR_Taken:
      if (!kvt_.InFrame()) Abandon(frameFrom_, End(), sentenceHeld);  // the frame outgrew its buffer
      return true;
    case FR_Complete: {
      const ByteBuffer& body = kvt_.GetBuffer();
      Finish(frameFrom_, true, KvtMessageType(body.data, body.length), MG_KVT, body.data, body.length,
             kFramedHeader);
      return true;
    }
    default:
      if (frameWasOpen && k == FR_Outside) Abandon(frameFrom_, at, sentenceHeld);
      break;
  }

  // A sentence never opens inside a frame (an open frame takes every byte
  // but its escape), so an abandoned sentence holds no other unit's bytes.
  const int32_t s = n183_.Feed(b);
  if (s == FR_Started) sentenceFrom_ = at;
  if (s == FR_Outside || s == FR_Started) return false;
  if (s == FR_Taken || s == FR_BufferFull) return true;
  const ByteBuffer& sentence = n183_.GetBuffer();
  Finish(sentenceFrom_, true, s == FR_Complete ? MT_N183 : MT_N183XC, MG_N183, sentence.data, sentence.length,
         0);
  return true;
}

bool RecordParser::Feed(uint8_t b) { return Step(b); }

uint64_t RecordParser::HeldFrom() const {
  uint64_t from = End();
  if (kvt_.InFrame()) {
    from = frameFrom_;
  } else if (!kvt_.Idle()) {
    from = frameEscapeAt_;  // may be the first byte of a start pair
  }
  if (n183_.InSentence()) from = std::min(from, sentenceFrom_);
  return from;
}

void RecordParser::Finish(uint64_t from, bool add, uint32_t type, uint32_t group, const uint8_t* data,
                          size_t length, uint32_t header) {
  const int64_t next = NextFileOffset();
  const int64_t inImage = add && length > 0 ? ImageOffsetOf(from, header, data, length) : -1;
  // A body found in the image is not stored; one byte stands in its place,
  // so that the pending bytes on either side stay apart as they would with
  // the body between them.
  const auto storeBody = [&] {
    if (inImage >= 0) {
      records_.PushByte(0);
    } else {
      std::memcpy(records_.ExtendBytes(length), data, length);
    }
  };
  uint64_t at;
  if (from >= tail_) {
    // The usual case: the unit's bytes end the store, and its record takes
    // their place.
    records_.TruncateBytes(from);
    if (!add) {
      MapNextTo(next);
      Compact();
      return;
    }
    if (length > 0 && from > tail_) pieces_.push_back({tail_, from});
    at = from;
    if (length > 0) storeBody();
    if (length > 0) tail_ = End();
  } else {
    // A record of an inner unit lies among the unit's bytes: they are left
    // where they are, unreferenced.
    Take(from, End(), false);
    if (!add) return;
    at = End();
    if (length > 0) storeBody();
    tail_ = End();
  }
  MapNextTo(next);
  Flush(HeldFrom());
  if (inImage >= 0) {
    records_.AppendImage(logTime_, type, group, static_cast<uint64_t>(inImage), length);
  } else {
    records_.AppendStored(logTime_, type, group, at, length);
    kept_ = std::max(kept_, at + length);
  }
  Compact();
}

void RecordParser::Abandon(uint64_t from, uint64_t to, uint64_t heldFrom) {
  // With no unit open around it, an abandoned unit's bytes simply stay
  // pending, in file order.
  if (heldFrom >= from || from >= to) return;
  Flush(heldFrom);
  Take(from, to, true);
}

void RecordParser::AppendUnknown(const Span& span) {
  const size_t length = span.end - span.begin;
  const int64_t inImage = ImageOffsetOf(span.begin, 0, records_.ByteData() + span.begin, length);
  if (inImage >= 0) {
    records_.AppendImage(logTime_, MT_Unknown, MG_None, static_cast<uint64_t>(inImage), length);
  } else {
    records_.AppendStored(logTime_, MT_Unknown, MG_None, span.begin, length);
    kept_ = std::max(kept_, span.end);
  }
}

void RecordParser::MapNextTo(int64_t file) {
  const uint64_t at = End();
  while (!shifts_.empty() && shifts_.back().store >= at) shifts_.pop_back();
  const int64_t fileMinusStore = file - static_cast<int64_t>(at);
  if (!shifts_.empty() && shifts_.back().fileMinusStore == fileMinusStore) return;
  // Dropping the oldest shifts only leaves their bytes unmapped, so that
  // they are kept in the store: a long run of junk full of collapsed
  // escapes never makes this table grow with the file.
  if (shifts_.size() >= kMaxShifts) shifts_.erase(shifts_.begin(), shifts_.begin() + kMaxShifts / 2);
  shifts_.push_back({at, fileMinusStore});
}

int64_t RecordParser::FileOffsetOf(uint64_t store) const {
  const auto after = std::upper_bound(shifts_.begin(), shifts_.end(), store,
                                      [](uint64_t s, const Shift& shift) { return s < shift.store; });
  if (after == shifts_.begin()) return -1;
  return static_cast<int64_t>(store) + (after - 1)->fileMinusStore;
}

int64_t RecordParser::ImageOffsetOf(uint64_t store, uint32_t header, const uint8_t* data, size_t length) const {
  if (!parsingImage_) return -1;
  const int64_t from = FileOffsetOf(store);
  if (from < 0) return -1;
  const uint64_t at = static_cast<uint64_t>(from) + header;
  if (at > records_.ImageLength() || length > records_.ImageLength() - at) return -1;
  // The comparison is the proof: bytes that read the same in the image are
  // the record's bytes, whatever the framing did around them.
  if (length > 0 && std::memcmp(records_.ImageData() + at, data, length) != 0) return -1;
  return static_cast<int64_t>(at);
}

void RecordParser::Compact() {
  if (kept_ >= End() || tail_ != End() || !pieces_.empty() || HeldFrom() != End()) return;
  const int64_t next = NextFileOffset();
  const uint64_t freed = End() - kept_;
  records_.TruncateBytes(kept_);
  if (freed > kReleaseBytes) records_.ReleaseFreeBytes();
  tail_ = kept_;
  shifts_.clear();
  MapNextTo(next);
}

void RecordParser::Flush(uint64_t upTo) {
  // Adjacent pieces make one record.
  Span run{0, 0};
  const auto emit = [&](Span s) {
    if (s.begin >= s.end) return;
    if (run.end == s.begin && run.end != run.begin) {
      run.end = s.end;
      return;
    }
    if (run.end != run.begin) AppendUnknown(run);
    run = s;
  };
  size_t done = 0;
  for (; done < pieces_.size(); ++done) {
    Span& p = pieces_[done];
    if (p.begin >= upTo) break;
    if (p.end > upTo) {
      emit({p.begin, upTo});
      p.begin = upTo;
      break;
    }
    emit(p);
  }
  pieces_.erase(pieces_.begin(), pieces_.begin() + static_cast<std::ptrdiff_t>(done));
  if (pieces_.empty() && tail_ < upTo) {
    const uint64_t end = std::min(upTo, End());
    emit({tail_, end});
    tail_ = end;
  }
  if (run.end != run.begin) AppendUnknown(run);
}

void RecordParser::Take(uint64_t from, uint64_t to, bool keep) {
  // Only the last pieces can reach `from`: a unit open inside a long run of
  // pieces touches its own, so the cost stays with the unit, not the run.
  size_t first = pieces_.size();
  while (first > 0 && pieces_[first - 1].end > from) --first;
  scratch_.assign(pieces_.begin() + static_cast<std::ptrdiff_t>(first), pieces_.end());
  pieces_.resize(first);
  const auto cut = [&](Span s) {
    if (s.end <= from || s.begin >= to) {
      if (s.begin < s.end) pieces_.push_back(s);
      return;
    }
    if (s.begin < from) pieces_.push_back({s.begin, from});
    if (keep) AppendUnknown({std::max(s.begin, from), std::min(s.end, to)});
    if (s.end > to) pieces_.push_back({to, s.end});
  };
  for (const Span& p : scratch_) cut(p);
  const Span tail{tail_, End()};
  if (tail.end <= from || tail.begin >= to) return;
  if (tail.begin < from) pieces_.push_back({tail.begin, from});
  if (keep && tail.begin < tail.end) AppendUnknown({std::max(tail.begin, from), std::min(tail.end, to)});
  tail_ = std::min(to, tail.end);
}

int32_t LogFileImage::Load(const char* path, uint64_t sizeLimit) {
  Clear();
  // The file is asked what it is before it is read: a directory opens for
  // reading here, and a device (/dev/zero) has no end to read to.
  struct stat info {};
  if (stat(path, &info) != 0) {
    reason_ = std::string("cannot open: ") + std::strerror(errno);
    return kCannotOpen;
  }
  if (S_ISDIR(info.st_mode)) {
    reason_ = "cannot open: it is a directory";
    return kCannotOpen;
  }
  if (!S_ISREG(info.st_mode)) {
    reason_ = "cannot open: it is not a regular file";
    return kCannotOpen;
  }
  if (info.st_size == 0) {
    reason_ = "the file is empty";
    return kEmptyOrTooLarge;
  }
  if (static_cast<uint64_t>(info.st_size) >= sizeLimit) {
    reason_ = "the file has " + std::to_string(sizeLimit) + " bytes or more";
    return kEmptyOrTooLarge;
  }
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) {
    reason_ = std::string("cannot open: ") + std::strerror(errno);
    return kCannotOpen;
  }
  const size_t wanted = static_cast<size_t>(info.st_size);
  data_.Reserve(wanted);
  const size_t read = std::fread(data_.Extend(wanted), 1, wanted, f);
  const bool failed = std::ferror(f) != 0;
  data_.Shrink(read);
  std::fclose(f);
  if (failed || read == 0) {
    reason_ = failed ? std::string("cannot read: ") + std::strerror(errno) : std::string("the file is empty");
    Clear();
    return failed ? kCannotOpen : kEmptyOrTooLarge;
  }
  return 0;
}

void LogFileImage::Clear() {
  data_.Clear();
  reason_.clear();
}

bool LooksLikeQlxLog(const uint8_t* data, size_t length) {
  constexpr size_t kSniffBytes = 1 << 20;
  // A log shows a unit in its first few bytes, so the sniff goes a piece at
  // a time and stops at the first. The flush after each piece cuts only
  // unrecognised data: units open across it still complete.
  constexpr size_t kPieceBytes = 16 << 10;
  RecordParser parser;
  const size_t end = std::min(length, kSniffBytes);
  size_t seen = 0;
  for (size_t from = 0; from < end; from += kPieceBytes) {
    parser.Parse(data + from, std::min(kPieceBytes, end - from));
    for (; seen < parser.Count(); ++seen) {
      if (parser.At(seen).group != MG_None) return true;
    }
  }
  return false;
}
