#include "platform/services/FileAge.h"

#include <sys/stat.h>

int32_t DateTimeToFileDate(std::time_t t) {
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return -1;
    const int year = tm.tm_year + 1900;
    if (year < 1980 || year > 2107) return -1;
    const uint32_t packed =
        static_cast<uint32_t>(year - 1980) << 25 | static_cast<uint32_t>(tm.tm_mon + 1) << 21 |
        static_cast<uint32_t>(tm.tm_mday) << 16 | static_cast<uint32_t>(tm.tm_hour) << 11 |
        static_cast<uint32_t>(tm.tm_min) << 5 |
        static_cast<uint32_t>(tm.tm_sec > 59 ? 59 : tm.tm_sec) / 2;
    return static_cast<int32_t>(packed);
}

int32_t FileAge(const std::string& path) {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
    return DateTimeToFileDate(st.st_mtim.tv_sec);
}
