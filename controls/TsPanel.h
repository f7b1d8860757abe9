#pragma once
// The skinned panel: a container painted from its section (by default
// "PANEL") with its one-line caption placed by Alignment, copied around its
// children. OnPaint draws on the panel's finished picture on every paint
// (on its own canvas while the panel is not skinned). The panel turns hot
// only by focus, never by the mouse.

#include <functional>

#include "controls/TsSkinnedControl.h"
#include "framework/stdctrls/TPanel.h"

class TCanvas;

using TsPaintEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;

class TsPanel : public TsSkinnedControl<TPanel> {
public:
    explicit TsPanel(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    void WndProc(TMessage& m) override;

    TsPaintEvent OnPaint;

protected:
    bool IsContainer() const override { return true; }
    int PaintState() override { return psNormal; }
    bool HalfVisibleNow() override;
    void PaintContent() override;
    void PaintOverCache() override;
    // The plain look, then OnPaint on the panel's own canvas.
    void Paint() override;

private:
    bool SkinnedMessage(TMessage& m);
};
