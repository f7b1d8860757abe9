#pragma once
// Apply's write through Wine, watched by a timer of the loop so that the
// window never waits for Wine: every kPollInterval the job is asked how far
// it got, and once it has ended the outcome goes to the callback, on the GUI
// thread like every other event. The callback may destroy this object.

#include <functional>
#include <string>

#include "platform/services/TWineWriteJob.h"

struct TWineApplyResult {
    TWineWriteState State = TWineWriteState::wwRunning;
    TWineWriteFailure Failure = TWineWriteFailure::wfNone;
    std::string Detail;
};

class TWineApply {
public:
    using TDone = std::function<void(const TWineApplyResult&)>;

    static constexpr unsigned kPollInterval = 100; // milliseconds

    TWineApply(TWineWrite write, TDone done);
    ~TWineApply();
    TWineApply(const TWineApply&) = delete;
    TWineApply& operator=(const TWineApply&) = delete;

    bool CreatingPrefix() const { return FJob.CreatingPrefix(); }

private:
    void Tick();

    TWineWriteJob FJob;
    TDone FDone;
    int FTimer = 0;
};
