// Log time is the Windows FILETIME scale: 100-nanosecond units since
// 1601-01-01 00:00 (proleptic Gregorian, no leap seconds). The conversions
// are our own arithmetic, so that no host time zone can shift a log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct CivilTime {
  int year;
  int month;   // 1..12
  int day;     // 1..31
  int hour;
  int minute;
  int second;
  int millisecond;
};

constexpr uint64_t kFileTimeTicksPerMillisecond = 10000;

// Fails (false) for counts at or above 2^63, as the platform conversion does.
bool FileTimeToCivil(uint64_t fileTime, CivilTime& civil);
uint64_t CivilToFileTime(const CivilTime& civil);

// "hh:mm:ss.mmm", or "" when the count cannot be converted.
std::string FormatLogTime(uint64_t fileTime);
// The same text appended, for the callers that write a row per record.
void AppendLogTime(std::string& out, uint64_t fileTime);
// The same text written at `out`, which has room for kLogTimeSize; returns
// its end.
inline constexpr size_t kLogTimeSize = 12;
char* PutLogTime(char* out, uint64_t fileTime);

// prefix, "%02X", suffix per byte: {0x01, 0xAB} with "0x" and "," gives "0x01,0xAB,".
std::string FormatByteList(const uint8_t* bytes, size_t count, const char* prefix, const char* suffix);
