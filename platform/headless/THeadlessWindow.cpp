#include "platform/headless/THeadlessWindow.h"

#include <algorithm>
#include <cstring>

#include "platform/PngFile.h"
#include "platform/headless/THeadlessHost.h"

THeadlessWindow::THeadlessWindow(THeadlessHost* host, const TWindowParams& params, int serial)
    : FHost(host), FBounds(params.Bounds), FKind(params.Kind),
      FTopMost(params.TopMost || params.Kind != TWindowKind::wkNormal), FTitle(params.Title),
      FSerial(serial),
      FPicture(std::max(params.Bounds.Width(), 0), std::max(params.Bounds.Height(), 0)) {}

THeadlessWindow::~THeadlessWindow() {
    if (FHost) FHost->WindowDestroyed(this);
}

void THeadlessWindow::Show() {
    FVisible = true;
    FMinimized = false;
    Raise();
}

void THeadlessWindow::Hide() {
    if (!FVisible) return;
    FVisible = false;
    if (FHost) FHost->WindowHidden(this);
}

void THeadlessWindow::Raise() {
    if (FHost) FHost->WindowRaised(this);
}

void THeadlessWindow::SetBounds(const TRect& screenBounds) {
    FBounds = screenBounds;
    FPicture.SetSize(screenBounds.Width(), screenBounds.Height());
}

void THeadlessWindow::SetShape(const TRegion* shape) {
    if (shape)
        FShape = *shape;
    else
        FShape.reset();
}

void THeadlessWindow::Present(const TPixels& picture, const TRegion& changed) {
    ++FPresentCount;
    TRegion area(changed);
    area.Intersect(TRect{0, 0, std::min(picture.Width(), FPicture.Width()),
                         std::min(picture.Height(), FPicture.Height())});
    for (const TRect& r : area.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            std::memcpy(FPicture.ScanLine(y) + r.Left * 3, picture.ScanLine(y) + r.Left * 3,
                        static_cast<size_t>(r.Width()) * 3);
    FLastPresented = std::move(area);
}

void THeadlessWindow::SetCapture(bool on) {
    if (FHost) FHost->WindowCapture(this, on);
}

void THeadlessWindow::Activate() {
    FMinimized = false;
    if (FHost) FHost->WindowActivated(this);
}

bool THeadlessWindow::HasCapture() const {
    return FHost && FHost->CaptureWindow() == this;
}

bool THeadlessWindow::IsActive() const {
    return FHost && FHost->ActiveWindow() == this;
}

TPixels THeadlessWindow::ShownPicture() const {
    TPixels shown = FPicture;
    if (!FShape) return shown;
    TRegion outside(TRect{0, 0, shown.Width(), shown.Height()});
    outside.Subtract(*FShape);
    for (const TRect& r : outside.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                shown.SetPixel(x, y, ((x / 4 + y / 4) & 1) ? 0xC0C0C0 : 0xFFFFFF);
    return shown;
}

void THeadlessWindow::SaveToPng(const std::string& path) const {
    WritePng(path, FPicture, Shape());
}
