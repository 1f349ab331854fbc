#include "log/LogTime.h"

#include "base/OutputTree.h"

namespace {

constexpr uint64_t kTicksPerDay = 864000000000ULL;
// Days from 1601-01-01 to 1970-01-01.
constexpr int64_t kDaysFrom1601To1970 = 134774;

// Howard Hinnant's civil-from-days, on days since 1970-01-01.
void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

bool FileTimeToCivil(uint64_t fileTime, CivilTime& civil) {
  if (fileTime >> 63) return false;
  const uint64_t days = fileTime / kTicksPerDay;
  const uint64_t ms = (fileTime % kTicksPerDay) / kFileTimeTicksPerMillisecond;
  CivilFromDays(static_cast<int64_t>(days) - kDaysFrom1601To1970, civil.year, civil.month, civil.day);
  civil.hour = static_cast<int>(ms / 3600000);
  civil.minute = static_cast<int>(ms / 60000 % 60);
  civil.second = static_cast<int>(ms / 1000 % 60);
  civil.millisecond = static_cast<int>(ms % 1000);
  return true;
}

uint64_t CivilToFileTime(const CivilTime& c) {
  const int64_t days = DaysFromCivil(c.year, c.month, c.day) + kDaysFrom1601To1970;
  const int64_t ms = ((static_cast<int64_t>(c.hour) * 60 + c.minute) * 60 + c.second) * 1000 + c.millisecond;
  return static_cast<uint64_t>(days) * kTicksPerDay + static_cast<uint64_t>(ms) * kFileTimeTicksPerMillisecond;
}

std::string FormatLogTime(uint64_t fileTime) {
  std::string text;
  AppendLogTime(text, fileTime);
  return text;
}

char* PutLogTime(char* out, uint64_t fileTime) {
  // Every row of the record list shows a time: written digit by digit, as
  // printf costs more than the rest of the row. Only the time of day is
  // shown, so the calendar date is never worked out.
  if (fileTime >> 63) return out;
  uint32_t ms = static_cast<uint32_t>(fileTime % kTicksPerDay / kFileTimeTicksPerMillisecond);
  const uint32_t hour = ms / 3600000;
  ms -= hour * 3600000;
  const uint32_t minute = ms / 60000;
  ms -= minute * 60000;
  const uint32_t second = ms / 1000;
  ms -= second * 1000;
  const auto two = [out](size_t at, uint32_t v) {
    out[at] = static_cast<char>('0' + v / 10);
    out[at + 1] = static_cast<char>('0' + v % 10);
  };
  two(0, hour);
  out[2] = ':';
  two(3, minute);
  out[5] = ':';
  two(6, second);
  out[8] = '.';
  out[9] = static_cast<char>('0' + ms / 100);
  two(10, ms % 100);
  return out + kLogTimeSize;
}

void AppendLogTime(std::string& out, uint64_t fileTime) {
  char text[kLogTimeSize];
  out.append(text, PutLogTime(text, fileTime));
}

std::string FormatByteList(const uint8_t* bytes, size_t count, const char* prefix, const char* suffix) {
  std::string text;
  AppendByteList(text, bytes, count, prefix, suffix);
  return text;
}
