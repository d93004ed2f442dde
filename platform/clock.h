#pragma once
// The local time and the seconds since 1970, from the system's clock unless
// a test set the clock.
#include <cstdint>

struct LocalTime {
  int year = 1970;  // four digits
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
};

LocalTime CurrentLocalTime();
std::int64_t CurrentUnixTime();

// Stops the clock at `time` (its seconds since 1970 read as if the local
// time were universal time); ResetClock lets it run again.
void SetClockForTesting(const LocalTime& time);
void ResetClock();
