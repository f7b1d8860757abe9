#pragma once
// File ages in the packed DOS date and time that Windows programs keep:
// bits 25-31 years since 1980, 21-24 month, 16-20 day, 11-15 hour, 5-10
// minute, 0-4 seconds / 2, in local time. The value is a signed 32-bit
// number, so dates from 2044 on are negative; -1 never is a valid date.

#include <cstdint>
#include <ctime>
#include <string>

// The last-write time of a file, or -1 when there is no such file, when the
// path is a folder, or when the time lies outside 1980-01-01 00:00:00 to
// 2107-12-31 23:59:59 (local time).
int32_t FileAge(const std::string& path);

// The packing itself; -1 outside the range above. Odd seconds round down.
int32_t DateTimeToFileDate(std::time_t t);
