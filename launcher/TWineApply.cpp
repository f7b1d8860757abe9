#include "launcher/TWineApply.h"

#include "framework/forms/TMessageLoop.h"

TWineApply::TWineApply(TWineWrite write, TDone done)
    : FJob(std::move(write)), FDone(std::move(done)) {
    FTimer = TMessageLoop::Instance().AddTimer(kPollInterval, [this] { Tick(); });
}

TWineApply::~TWineApply() {
    TMessageLoop::Instance().RemoveTimer(FTimer);
}

void TWineApply::Tick() {
    if (FJob.Poll() == TWineWriteState::wwRunning) return;
    TMessageLoop::Instance().RemoveTimer(FTimer);
    FTimer = 0;
    const TWineApplyResult result{FJob.State(), FJob.Failure(), FJob.Detail()};
    // Last: the callback may destroy this object.
    TDone done = std::move(FDone);
    done(result);
}
