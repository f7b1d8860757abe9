#include "platform/CreateHost.h"

#include "platform/sdl/TSdlHost.h"

std::unique_ptr<IHost> CreateSdlHost() {
    return std::make_unique<TSdlHost>();
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
