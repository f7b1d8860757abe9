#pragma once
// The plain horizontal track bar: a channel, a thumb and tick marks below.
// Left/Up and Right/Down step by LineSize, Page Up/Down by PageSize, Home and
// End jump to Min and Max; the thumb can be dragged, and a press in the
// channel beside the thumb moves it one page toward the press. Every change
// of Position runs OnChange.

#include "window/TCustomControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    int Min() const { return FMin; }
    void SetMin(int v);
    int Max() const { return FMax; }
    void SetMax(int v);
    int Position() const { return FPosition; }
    void SetPosition(int v);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int v);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int v) { FLineSize = v < 1 ? 1 : v; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int v) { FPageSize = v < 1 ? 1 : v; }
    int ThumbLength() const { return FThumbLength; }
    void SetThumbLength(int v);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark t);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle t);
    // Only the horizontal look is drawn; the setting is kept.
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation o) { FOrientation = o; }

    // Geometry, client coordinates.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    // Client x of a position's thumb centre, and the position nearest to x.
    int PositionToX(int pos) const;
    int XToPosition(int x) const;

    TNotifyEvent OnChange;

    void WndProc(TMessage& m) override;

protected:
    void Paint() override;
    virtual void Changed();
    void KeyDown(int& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    int ThumbWidth() const;
    int ThumbTop() const;

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    int FThumbLength = 20;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    TTrackBarOrientation FOrientation = trHorizontal;
    bool FDragging = false;
    int FDragOffset = 0;
};
