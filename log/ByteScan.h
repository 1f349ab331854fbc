// Searches over the plain stretches of a log: the bytes between framing
// bytes are most of a file, and looking at them sixteen at a time leaves the
// byte-at-a-time state machines only the bytes that change their state.
// Each search has a portable form, which is also the reference the vector
// form is tested against.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#define QLX_SCAN_SSE2 1
#endif

// Bytes of NMEA 0183 text that a sentence stores and sums with no other
// effect: 0x20..0x7D except "$", "!" (they start a sentence) and "*" (it
// starts the checksum field).
constexpr bool IsPlainSentenceChar(uint8_t b) { return b >= 0x20 && b <= 0x7D && b != '$' && b != '!' && b != '*'; }

// Bytes that end a run of sentence text: the line end, the two framing
// escapes, and the characters that change the sentence's state. Every other
// byte is either plain text or skipped without being stored or summed.
constexpr bool IsSentenceStop(uint8_t b) {
  return b == '\r' || b == '\n' || b == 0x10 || b == 0x1B || b == '$' || b == '!' || b == '*';
}

// What a run of sentence text did: bytes passed, plain characters copied out
// and their exclusive-or.
struct TextRun {
  size_t consumed = 0;
  size_t stored = 0;
  uint8_t sum = 0;
};

namespace scan_portable {

// Index of the first byte of p[0, n) that is one of the stops; n when none is.
template <typename... Stops>
inline size_t FindFirstOf(const uint8_t* p, size_t n, Stops... stops) {
  for (size_t i = 0; i < n; ++i) {
    if (((p[i] == stops) || ...)) return i;
  }
  return n;
}

// Length of the longest prefix of p[0, n) that reads a, b, a, b, ... (it may
// end after an a).
inline size_t PairRun(const uint8_t* p, size_t n, uint8_t a, uint8_t b) {
  size_t i = 0;
  while (i < n && p[i] == (i % 2 == 0 ? a : b)) ++i;
  return i;
}

// Takes sentence text from p up to the first stop byte, copying the plain
// characters to out and summing them; it also stops before a plain character
// that finds out full (`room` characters stored).
inline TextRun SentenceText(const uint8_t* p, size_t n, uint8_t* out, size_t room) {
  TextRun r;
  for (; r.consumed < n; ++r.consumed) {
    const uint8_t b = p[r.consumed];
    if (IsSentenceStop(b)) break;
    if (!IsPlainSentenceChar(b)) continue;
    if (r.stored == room) break;
    out[r.stored++] = b;
    r.sum ^= b;
  }
  return r;
}

// The sum of the bytes, modulo 256.
inline uint8_t SumBytes(const uint8_t* p, size_t n) {
  uint8_t sum = 0;
  for (size_t i = 0; i < n; ++i) sum = static_cast<uint8_t>(sum + p[i]);
  return sum;
}

}  // namespace scan_portable

#if QLX_SCAN_SSE2
namespace scan_sse2 {

inline __m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// Block masks: 16 bytes read from kFirst + 16 - k keep the first k bytes of
// a block, from kLast + k the last k.
inline constexpr uint8_t kFirst[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0,    0,    0,    0,
                                       0,    0,    0,    0,    0,    0,    0,    0,    0,    0};
inline constexpr uint8_t kLast[32] = {0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
                                      0,    0,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

template <typename... Stops>
inline unsigned StopMask(__m128i v, Stops... stops) {
  __m128i hit = _mm_setzero_si128();
  ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(stops))))), ...);
  return static_cast<unsigned>(_mm_movemask_epi8(hit));
}

template <typename... Stops>
inline size_t FindFirstOf(const uint8_t* p, size_t n, Stops... stops) {
  if (n < 16) return scan_portable::FindFirstOf(p, n, stops...);
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    if (const unsigned m = StopMask(Load(p + i), stops...)) return i + static_cast<size_t>(__builtin_ctz(m));
  }
  if (i == n) return n;
  // The last block overlaps bytes already found clean, so any hit lies
  // beyond them.
  const unsigned m = StopMask(Load(p + n - 16), stops...);
  return m != 0 ? n - 16 + static_cast<size_t>(__builtin_ctz(m)) : n;
}

inline size_t PairRun(const uint8_t* p, size_t n, uint8_t a, uint8_t b) {
  const __m128i pattern = _mm_set1_epi16(static_cast<short>(a | b << 8));
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    const unsigned same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p + i), pattern)));
    if (same != 0xFFFFu) return i + static_cast<size_t>(__builtin_ctz(~same));
  }
  return i + scan_portable::PairRun(p + i, n - i, a, b);
}

inline TextRun SentenceText(const uint8_t* p, size_t n, uint8_t* out, size_t room) {
  TextRun r;
  if (n == 0 || IsSentenceStop(p[0])) return r;
  // 0x20..0x7D are exactly the bytes above 0x1F and below 0x7E as signed
  // values: the bytes from 0x80 on are negative.
  const __m128i above = _mm_set1_epi8(0x1F);
  const __m128i below = _mm_set1_epi8(0x7E);
  __m128i sums = _mm_setzero_si128();
  while (r.consumed + 16 <= n && room - r.stored >= 16) {
    const __m128i v = Load(p + r.consumed);
    const __m128i text = _mm_and_si128(_mm_cmpgt_epi8(v, above), _mm_cmplt_epi8(v, below));
    const unsigned plain = static_cast<unsigned>(_mm_movemask_epi8(text)) & ~StopMask(v, '$', '!', '*');
    if (plain == 0xFFFFu) {  // the usual block of a real sentence
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + r.stored), v);
      sums = _mm_xor_si128(sums, v);
      r.stored += 16;
      r.consumed += 16;
      continue;
    }
    const unsigned stops = StopMask(v, '\r', '\n', 0x10, 0x1B, '$', '!', '*');
    const unsigned keep = stops != 0 ? plain & ((1u << __builtin_ctz(stops)) - 1) : plain;
    if (stops != 0 && keep == (1u << __builtin_ctz(stops)) - 1) {
      // Plain text up to the stop, as at the end of most sentences: stored
      // whole (the bytes past it are overwritten or never counted).
      const size_t length = static_cast<size_t>(__builtin_ctz(stops));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + r.stored), v);
      sums = _mm_xor_si128(sums, _mm_and_si128(v, Load(kFirst + 16 - length)));
      r.stored += length;
      r.consumed += length;
      n = r.consumed;
      break;
    }
    for (unsigned k = keep; k != 0; k &= k - 1) {
      const uint8_t b = p[r.consumed + static_cast<size_t>(__builtin_ctz(k))];
      out[r.stored++] = b;
      r.sum ^= b;
    }
    if (stops != 0) {
      r.consumed += static_cast<size_t>(__builtin_ctz(stops));
      n = r.consumed;  // the stop ends the run
      break;
    }
    r.consumed += 16;
  }
  sums = _mm_xor_si128(sums, _mm_srli_si128(sums, 8));
  sums = _mm_xor_si128(sums, _mm_srli_si128(sums, 4));
  sums = _mm_xor_si128(sums, _mm_srli_si128(sums, 2));
  sums = _mm_xor_si128(sums, _mm_srli_si128(sums, 1));
  r.sum ^= static_cast<uint8_t>(_mm_cvtsi128_si32(sums));
  // The tail, and the last characters that fit, bytewise.
  const TextRun tail = scan_portable::SentenceText(p + r.consumed, n - r.consumed, out + r.stored, room - r.stored);
  r.consumed += tail.consumed;
  r.stored += tail.stored;
  r.sum ^= tail.sum;
  return r;
}

inline uint8_t SumBytes(const uint8_t* p, size_t n) {
  if (n < 16) return scan_portable::SumBytes(p, n);
  const __m128i zero = _mm_setzero_si128();
  __m128i sums = zero;
  size_t i = 0;
  for (; i + 16 <= n; i += 16) sums = _mm_add_epi64(sums, _mm_sad_epu8(Load(p + i), zero));
  if (i < n) {
    // The last block overlaps bytes already summed; they are masked out.
    const __m128i last = _mm_and_si128(Load(p + n - 16), Load(kLast + (n - i)));
    sums = _mm_add_epi64(sums, _mm_sad_epu8(last, zero));
  }
  sums = _mm_add_epi64(sums, _mm_srli_si128(sums, 8));
  return static_cast<uint8_t>(_mm_cvtsi128_si32(sums));
}

}  // namespace scan_sse2
#endif

#if QLX_SCAN_SSE2
namespace scan = scan_sse2;
#else
namespace scan = scan_portable;
#endif
