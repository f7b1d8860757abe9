#include "platform/services/SystemMetrics.h"

#include "platform/THost.h"

namespace {

TSize ScreenSize() {
    return HasHost() ? Host().ScreenSize() : TSize{DefaultScreenWidth, DefaultScreenHeight};
}

TRect WorkArea() {
    if (HasHost()) return Host().WorkArea();
    return {0, 0, DefaultScreenWidth, DefaultScreenHeight - DefaultTaskBarHeight};
}

} // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return ScreenSize().cx;
    case SM_CYSCREEN:
        return ScreenSize().cy;
    case SM_CXFULLSCREEN:
        return WorkArea().Width();
    case SM_CYFULLSCREEN:
        return WorkArea().Height() - DefaultSystemMetric(SM_CYCAPTION);
    default:
        return DefaultSystemMetric(index);
    }
}

bool SystemParametersInfoA(unsigned action, unsigned, void* param, unsigned) {
    if (action != SPI_GETWORKAREA || !param) return false;
    *static_cast<TRect*>(param) = WorkArea();
    return true;
}
