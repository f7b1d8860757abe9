// SDL2 loaded on demand: the table the host calls through, and what a
// machine without the library is told.
#include <gtest/gtest.h>

#include "platform/sdl/SdlLibrary.h"

namespace {

TEST(SdlLibrary, TheTableReachesTheSameLibraryThatIsLinked) {
    TSdlLibrary table;
    std::string error;
    ASSERT_TRUE(LoadSdlLibrary(SdlLibraryName, table, error)) << error;
    // This test program links SDL2 itself: loading it again must give the
    // very functions it already has, not a second copy with its own state.
    EXPECT_EQ(table.CreateWindow, &SDL_CreateWindow);
    EXPECT_EQ(table.WaitEventTimeout, &SDL_WaitEventTimeout);
    EXPECT_EQ(table.free, &SDL_free);
    EXPECT_EQ(&Sdl().PushEvent, &Sdl().PushEvent);
    EXPECT_EQ(Sdl().PushEvent, &SDL_PushEvent);
}

TEST(SdlLibrary, AMissingOrIncompleteLibraryIsAClearErrorAndChangesNothing) {
    TSdlLibrary table;
    std::string error;
    EXPECT_FALSE(LoadSdlLibrary("libno-such-sdl-2.0.so.0", table, error));
    EXPECT_NE(error.find("libno-such-sdl-2.0.so.0"), std::string::npos) << error;
    EXPECT_EQ(table.CreateWindow, nullptr);
    // A library that is there but is no SDL2 names what it lacks.
    error.clear();
    EXPECT_FALSE(LoadSdlLibrary("libm.so.6", table, error));
    EXPECT_NE(error.find("lacks SDL_CaptureMouse"), std::string::npos) << error;
    EXPECT_EQ(table.CreateWindow, nullptr);
}

} // namespace
