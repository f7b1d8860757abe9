#include "platform/THost.h"

#include <chrono>
#include <stdexcept>

namespace {
std::unique_ptr<IHost>& Current() {
    static std::unique_ptr<IHost> host;
    return host;
}
} // namespace

IHost& Host() {
    if (!Current()) throw std::runtime_error("No window host installed");
    return *Current();
}

void SetHost(std::unique_ptr<IHost> host) {
    Current() = std::move(host);
}

bool HasHost() {
    return Current() != nullptr;
}

uint64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
