#pragma once
// A plain progress gauge: a horizontal bar of ForeColor filling BackColor in
// proportion to Progress between MinValue and MaxValue, with the percentage
// and Suffix written across it (in BackColor over the bar, ForeColor beside).

#include <string>

#include "window/TGraphicControl.h"

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    int MinValue() const { return FMinValue; }
    void SetMinValue(int v);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int v);
    int Progress() const { return FProgress; }
    void SetProgress(int v);
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor c);
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor c);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& s);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool v);
    // Only the horizontal bar is drawn; the other kinds are kept as set.
    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind k);
    // Whole percent done, 0 to 100.
    int PercentDone() const;
    // The text shown: the percentage and the suffix.
    std::string GaugeText() const { return std::to_string(PercentDone()) + FSuffix; }

protected:
    void Paint() override;

private:
    int FMinValue = 0;
    int FMaxValue = 100;
    int FProgress = 0;
    TColor FForeColor = clBlack;
    TColor FBackColor = clWhite;
    std::string FSuffix = "%";
    bool FShowText = true;
    TGaugeKind FKind = gkHorizontalBar;
};
