#pragma once
// A window of the headless host: a bitmap that holds exactly what was presented,
// plus the state a window system keeps (bounds, visibility, title, shape,
// cursor, capture). Tests read it back through the accessors below.

#include <optional>
#include <string>

#include "platform/THost.h"

class THeadlessHost;

class THeadlessWindow final : public IHostWindow {
public:
    THeadlessWindow(THeadlessHost* host, const TWindowParams& params, int serial);
    ~THeadlessWindow() override;
    THeadlessWindow(const THeadlessWindow&) = delete;
    THeadlessWindow& operator=(const THeadlessWindow&) = delete;

    void Show() override;
    void Hide() override;
    bool Visible() const override { return FVisible; }
    void Raise() override;
    void SetBounds(const TRect& screenBounds) override;
    TRect Bounds() const override { return FBounds; }
    void SetTitle(const std::string& utf8) override { FTitle = utf8; }
    void SetShape(const TRegion* shape) override;
    void Present(const TPixels& picture, const TRegion& changed) override;
    void SetCursor(TCursorShape shape) override { FCursor = shape; }
    void SetCapture(bool on) override;
    void Activate() override;
    void Minimize() override { FMinimized = true; }
    bool BeginMoveDrag(TPoint) override { return false; }
    // Minimised and not shown or activated since.
    bool Minimized() const { return FMinimized; }

    // What the window shows: the presented pixels, window-sized (black where
    // nothing was presented yet).
    const TPixels& Picture() const { return FPicture; }
    // Null when the window is a plain rectangle.
    const TRegion* Shape() const { return FShape ? &*FShape : nullptr; }
    // The picture as a person would see it: pixels outside the shape are a
    // grey checker so that see-through parts stand out in screenshots.
    TPixels ShownPicture() const;
    // Writes the picture as PNG; outside the shape is transparent.
    void SaveToPng(const std::string& path) const;

    const std::string& Title() const { return FTitle; }
    TWindowKind Kind() const { return FKind; }
    // Popups and tooltips are always on top, as on a real window system.
    bool TopMost() const { return FTopMost; }
    TCursorShape Cursor() const { return FCursor; }
    bool HasCapture() const;
    bool IsActive() const;
    // Creation number within the host, from 1.
    int Serial() const { return FSerial; }
    // How often Present was called, and the last changed region (clipped to the window).
    int PresentCount() const { return FPresentCount; }
    const TRegion& LastPresented() const { return FLastPresented; }

    // The host ends before its windows in some programs; the window then keeps
    // its pixels but no longer talks to a host.
    void DetachHost() { FHost = nullptr; }

private:
    THeadlessHost* FHost;
    TRect FBounds;
    TWindowKind FKind;
    bool FTopMost;
    std::string FTitle;
    int FSerial;
    bool FVisible = false;
    bool FMinimized = false;
    TPixels FPicture;
    std::optional<TRegion> FShape;
    TCursorShape FCursor = TCursorShape::csArrow;
    int FPresentCount = 0;
    TRegion FLastPresented;
};
