#include "platform/TPendingHost.h"

#include <stdexcept>

TPendingHost::TPendingHost(std::function<std::unique_ptr<IHost>()> make)
    : FMaker([this, make = std::move(make)] {
          try {
              FMade = make();
              if (!FMade) throw std::runtime_error("No window host was made");
          } catch (...) {
              FFailure = std::current_exception();
          }
      }) {}

TPendingHost::~TPendingHost() {
    if (FMaker.joinable()) FMaker.join();
}

IHost& TPendingHost::Ready() const {
    if (FReal) return *FReal;
    if (FMaker.joinable()) FMaker.join();
    if (FFailure) std::rethrow_exception(FFailure);
    const std::lock_guard lock(FWakeLock);
    FReal = FMade.get();
    // A wake asked for meanwhile is owed to the loop's next wait.
    if (FWoken) FReal->Wake();
    return *FReal;
}

uint64_t TPendingHost::Now() const {
    if (!FReal && FEarly.Clock) return FEarly.Clock();
    return Ready().Now();
}

TSize TPendingHost::ScreenSize() const {
    if (!FReal && FEarly.HasScreen) return FEarly.Screen;
    return Ready().ScreenSize();
}

TRect TPendingHost::WorkArea() const {
    if (!FReal && FEarly.HasScreen) return FEarly.WorkArea;
    return Ready().WorkArea();
}

void TPendingHost::Wake() {
    const std::lock_guard lock(FWakeLock);
    if (FReal)
        FReal->Wake();
    else
        FWoken = true;
}
