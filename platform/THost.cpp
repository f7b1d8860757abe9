#include "platform/THost.h"

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
