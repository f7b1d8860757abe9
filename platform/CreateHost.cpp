#include "platform/CreateHost.h"

#include <cstdlib>
#include <cstring>
#include <latch>

#include "platform/TPendingHost.h"
#include "platform/sdl/SdlLibrary.h"
#include "platform/sdl/TSdlHost.h"

std::unique_ptr<IHost> CreateSdlHost() {
    return std::make_unique<TSdlHost>();
}

namespace {
// Counts a latch down at the end of a scope, however it ends.
struct TCountDown {
    ~TCountDown() { Latch.count_down(); }
    std::latch& Latch;
};
} // namespace

std::unique_ptr<IHost> StartSdlHost(TDesktopFacts& desktop) {
    // Shared, as the thread may outlive this call when the host is dropped
    // before it is made.
    auto factsRead = std::make_shared<std::latch>(1);
    auto loaded = std::make_shared<std::latch>(1);
    auto host = std::make_unique<TPendingHost>([factsRead, loaded] {
        {
            const TCountDown done{*loaded};
            Sdl();
        }
        factsRead->wait();
        return CreateSdlHost();
    });
    {
        const TCountDown done{*factsRead};
        desktop = ReadDesktopFacts();
    }
    // The caller's next work (fonts, definitions) would only slow the loading
    // down, both mapping files into the one address space; beside SDL's
    // start, which mostly waits on the X server, it costs nothing.
    loaded->wait();
    TEarlyAnswers early;
    early.Clock = SteadyMilliseconds;
    // Under another video driver SDL's screens are not X's.
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    early.HasScreen = desktop.Known && (!driver || !*driver || std::strcmp(driver, "x11") == 0);
    early.Screen = {desktop.Screen.Width(), desktop.Screen.Height()};
    early.WorkArea = desktop.WorkArea;
    host->SetEarlyAnswers(std::move(early));
    return host;
}

std::unique_ptr<THeadlessHost> CreateHeadlessHost() {
    return std::make_unique<THeadlessHost>();
}

THeadlessHost& InstallHeadlessHost() {
    auto host = CreateHeadlessHost();
    THeadlessHost& result = *host;
    SetHost(std::move(host));
    return result;
}
