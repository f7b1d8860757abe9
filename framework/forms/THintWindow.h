#pragma once
// The plain hint window: a borderless tooltip window with the hint text on
// the application's hint colour. Skinned hint windows derive from it and
// override CalcHintRect, ActivateHint and Paint.

#include <functional>
#include <string>

#include "forms/TCustomForm.h"

class THintWindow;
using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;

// What the application tells about a hint before showing it (CM_HINTSHOW
// points to it; OnShowHint may change it).
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos; // screen position of the hint's top left
    int HintMaxWidth = 0;
    TColor HintColor = 0;
    TRect CursorRect; // screen rectangle the cursor may move in
    TPoint CursorPos; // client coordinates of the control
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    std::string HintStr;
    void* HintData = nullptr;
};

using TShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class THintWindow : public TCustomForm {
public:
    explicit THintWindow(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    bool IsFormWindow() const override { return false; }
    TWindowKind HostWindowKind() const override { return TWindowKind::wkTooltip; }

    // The size the text needs, as a rectangle at (0, 0).
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint, void* data);
    // Places the window at rect (screen), sets the text and shows it.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    virtual void ActivateHintData(const TRect& rect, const std::string& hint, void* data);
    void ReleaseHandle() { Hide(); }

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint();
    TCanvas* Canvas() const { return FCanvas; }

private:
    TCanvas* FCanvas = nullptr;
};
