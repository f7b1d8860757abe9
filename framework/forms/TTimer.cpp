#include "forms/TTimer.h"

#include "component/PropertyHelpers.h"
#include "forms/TMessageLoop.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (FTimerId) TMessageLoop::Instance().RemoveTimer(FTimerId);
}

const TClassInfo* TTimer::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TTimer>("TTimer", TComponent::StaticClassInfo(),
                              {
                                  BoolProp("Enabled", &TTimer::SetEnabled),
                                  IntProp("Interval", &TTimer::SetInterval),
                                  EventProp("OnTimer", &TTimer::OnTimer),
                              });
    return &info;
}

const TClassInfo* TTimer::ClassInfo() const {
    return StaticClassInfo();
}

void TTimer::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == FInterval) return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    TMessageLoop& loop = TMessageLoop::Instance();
    if (FTimerId) loop.RemoveTimer(FTimerId);
    FTimerId = 0;
    if (FEnabled && FInterval > 0 && !IsLoading())
        FTimerId = loop.AddTimer(FInterval, [this] { Timer(); });
}

void TTimer::Timer() {
    // A copy: the handler may free the timer and with it OnTimer.
    TNotifyEvent handler = OnTimer;
    if (handler) handler(this);
}
