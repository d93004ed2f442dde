#include "platform/clock.h"

#include <ctime>
#include <optional>

namespace {
std::optional<LocalTime> g_fixed;

std::tm AsTm(const LocalTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  return tm;
}
}  // namespace

LocalTime CurrentLocalTime() {
  if (g_fixed) return *g_fixed;
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int64_t CurrentUnixTime() {
  if (g_fixed) {
    std::tm tm = AsTm(*g_fixed);
    return static_cast<std::int64_t>(timegm(&tm));
  }
  return static_cast<std::int64_t>(std::time(nullptr));
}

void SetClockForTesting(const LocalTime& time) { g_fixed = time; }

void ResetClock() { g_fixed.reset(); }
