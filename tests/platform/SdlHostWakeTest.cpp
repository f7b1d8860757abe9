// The real host's wait ends when another thread wakes it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "platform/sdl/TSdlHost.h"

namespace {

TEST(SdlHostWake, AWakeFromAnotherThreadEndsALongWait) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "no X display";
    std::unique_ptr<TSdlHost> host;
    try {
        host = std::make_unique<TSdlHost>();
    } catch (const std::runtime_error& e) {
        GTEST_SKIP() << e.what();
    }
    constexpr uint64_t kLongWaitMs = 60'000;
    const uint64_t start = host->Now();
    std::thread waker([&host] { host->Wake(); });
    TEvent e;
    while (host->WaitEvent(e, start + kLongWaitMs)) {
        // Events of the display's own may come first; the wake ends the wait.
    }
    waker.join();
    EXPECT_LT(host->Now() - start, kLongWaitMs);
}

} // namespace
