#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

#include "platform/services/ReadOnlyPages.h"

namespace {

// Several pages of constants, placed like a compiled-in window definition.
constexpr size_t kConstantBytes = 5 * 4096 + 123;
constexpr std::array<uint8_t, kConstantBytes> MakeConstants() {
    std::array<uint8_t, kConstantBytes> a{};
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<uint8_t>(i * 7 + i / 4096);
    return a;
}
const std::array<uint8_t, kConstantBytes> Constants = MakeConstants();

} // namespace

TEST(ReadOnlyPages, ConstantsReadTheSameAfterwards) {
    ForgetReadOnlyPages(Constants.data(), Constants.size());
    EXPECT_EQ(Constants, MakeConstants());
    // Nothing to do, and no harm, for empty or tiny ranges.
    ForgetReadOnlyPages(Constants.data() + 1, 0);
    ForgetReadOnlyPages(nullptr, 100);
    EXPECT_EQ(Constants, MakeConstants());
}

// Written memory shows which pages were given up (they read as zeros
// afterwards): only those wholly inside the range, never the pages it shares
// with its neighbours.
TEST(ReadOnlyPages, OnlyWholePagesInsideTheRange) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* map = mmap(nullptr, 4 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(map, MAP_FAILED);
    auto* bytes = static_cast<uint8_t*>(map);
    for (size_t i = 0; i < 4 * page; ++i)
        bytes[i] = 0xA5;
    ForgetReadOnlyPages(bytes + 100, 2 * page);
    for (size_t i = 0; i < 4 * page; ++i) {
        const uint8_t expected = i >= page && i < 2 * page ? 0 : 0xA5;
        ASSERT_EQ(bytes[i], expected) << "byte " << i;
    }
    // A range within one page gives nothing up.
    for (size_t i = page; i < 2 * page; ++i)
        bytes[i] = 0xA5;
    ForgetReadOnlyPages(bytes + page + 1, page - 2);
    for (size_t i = page; i < 2 * page; ++i)
        ASSERT_EQ(bytes[i], 0xA5) << "byte " << i;
    munmap(map, 4 * page);
}
