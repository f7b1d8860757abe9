#include "launcher/CenterWindow.h"

#include "framework/window/TControl.h"
#include "platform/services/SystemMetrics.h"
#include "platform/services/VersionInfo.h"

TPoint CenteredPosition(int width, int height, uint32_t platformId, const TRect& workArea,
                        TSize screen) {
    if (platformId == VER_PLATFORM_WIN32_WINDOWS)
        return {(workArea.Right - workArea.Left - width) / 2,
                (workArea.Bottom - workArea.Top - height) / 2};
    return {(screen.cx - width) / 2, (screen.cy - height) / 2};
}

void CenterWindow(TControl* window) {
    OSVERSIONINFOA version;
    GetVersionExA(&version);
    TRect workArea;
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const TSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const TPoint p =
        CenteredPosition(window->Width(), window->Height(), version.dwPlatformId, workArea, screen);
    window->SetLeft(p.X);
    window->SetTop(p.Y);
}
