#include "platform/services/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

namespace {
// Below the windows' share, yet not idle: a page still loads while they work.
constexpr int BackgroundNice = 10;
} // namespace

// On Linux the nice value belongs to each thread, named by its thread id.
void LowerThisThreadsPriority() {
    const int current = ThisThreadsNiceValue();
    if (current < BackgroundNice)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), BackgroundNice);
}

int ThisThreadsNiceValue() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    return errno == 0 ? nice : 0;
}
