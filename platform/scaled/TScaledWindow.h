#pragma once
// One window of the scaling host (TScaledHost): the real host's window at
// device size, with the program's logical bounds, shape and pictures
// converted on the way.

#include <memory>

#include "platform/THost.h"
#include "platform/scaled/TScaledHost.h"

class TScaledWindow final : public IHostWindow {
public:
    TScaledWindow(std::unique_ptr<IHostWindow> inner, int scale,
                  std::shared_ptr<TScaledHost::TWindows> windows);
    ~TScaledWindow() override;
    TScaledWindow(const TScaledWindow&) = delete;
    TScaledWindow& operator=(const TScaledWindow&) = delete;

    IHostWindow& Inner() const { return *FInner; }

    void Show() override { FInner->Show(); }
    void Hide() override { FInner->Hide(); }
    bool Visible() const override { return FInner->Visible(); }
    void Raise() override { FInner->Raise(); }
    void SetBounds(const TRect& screenBounds) override;
    TRect Bounds() const override;
    void SetTitle(const std::string& utf8) override { FInner->SetTitle(utf8); }
    void SetShape(const TRegion* shape) override;
    void Present(const TPixels& picture, const TRegion& changed) override;
    void SetCursor(TCursorShape shape) override { FInner->SetCursor(shape); }
    void SetCapture(bool on) override { FInner->SetCapture(on); }
    void Activate() override { FInner->Activate(); }
    void Minimize() override { FInner->Minimize(); }
    bool BeginMoveDrag(TPoint screen) override;

private:
    std::unique_ptr<IHostWindow> FInner;
    int FScale;
    std::shared_ptr<TScaledHost::TWindows> FWindows;
    // The enlarged picture of a window that presents logical pictures; only
    // the changed parts are enlarged again.
    TPixels FDevice;
};

// The real host's window that shows a window: the one behind a window of the
// scaling host, else the window itself.
IHostWindow* UnscaledWindow(IHostWindow* window);
