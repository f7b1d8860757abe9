#include "platform/scaled/TScaledWindow.h"

#include "platform/scaled/PixelScale.h"

TScaledWindow::TScaledWindow(std::unique_ptr<IHostWindow> inner, int scale,
                             std::shared_ptr<TScaledHost::TWindows> windows)
    : FInner(std::move(inner)), FScale(scale), FWindows(std::move(windows)) {}

TScaledWindow::~TScaledWindow() {
    FWindows->ByInner.erase(FInner.get());
}

void TScaledWindow::SetBounds(const TRect& screenBounds) {
    FInner->SetBounds(ScaleUp(screenBounds, FScale));
}

TRect TScaledWindow::Bounds() const {
    const TRect device = FInner->Bounds();
    const TPoint topLeft = ScaleDown(TPoint{device.Left, device.Top}, FScale);
    return {topLeft.X, topLeft.Y, topLeft.X + device.Width() / FScale,
            topLeft.Y + device.Height() / FScale};
}

void TScaledWindow::SetShape(const TRegion* shape) {
    if (!shape) {
        FInner->SetShape(nullptr);
        return;
    }
    const TRegion device = ScaleUp(*shape, FScale);
    FInner->SetShape(&device);
}

void TScaledWindow::Present(const TPixels& picture, const TRegion& changed) {
    const TRect bounds = Bounds();
    const TRegion deviceChanged = ScaleUp(changed, FScale);
    if (picture.Width() == bounds.Width() * FScale &&
        picture.Height() == bounds.Height() * FScale) {
        FInner->Present(picture, deviceChanged);
        return;
    }
    if (FDevice.Width() != picture.Width() * FScale ||
        FDevice.Height() != picture.Height() * FScale)
        FDevice.SetSize(picture.Width() * FScale, picture.Height() * FScale);
    for (const TRect& r : changed.Rects())
        ScaleUpInto(picture, r, FScale, FDevice);
    FInner->Present(FDevice, deviceChanged);
}

bool TScaledWindow::BeginMoveDrag(TPoint screen) {
    return FInner->BeginMoveDrag(ScaleUp(screen, FScale));
}

IHostWindow* UnscaledWindow(IHostWindow* window) {
    auto* scaled = dynamic_cast<TScaledWindow*>(window);
    return scaled ? &scaled->Inner() : window;
}
