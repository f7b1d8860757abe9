#pragma once
// The skinned progress gauge: a windowless control painted from its
// section (by default "GAUGE"), the done part of a bar from
// the progress section ("PROGRESSH" or "PROGRESSV" unless ProgressSkin names
// one), and the percentage with Suffix written across. Unskinned it draws
// the classic look: BackColor, a ForeColor bar, an optional frame. It never
// turns hot. The limits read from a definition are put in order only once
// the whole definition is read, so MinValue, MaxValue and Progress may come
// in any order.
//
// Index: construction and properties in TsGauge.cpp; painting in
// TsGaugeLook.cpp.

#include <memory>
#include <string>

#include "framework/stdctrls/TGauge.h"
#include "framework/window/TGraphicControl.h"

class TBitmap;
class TCanvas;
class TsCommonData;

// The gauge kinds are the plain gauge's.
using TsGaugeKind = TGaugeKind;

enum TsGaugeBorderStyle { bsGaugeNone, bsGaugeSingle };

class TsGauge : public TGraphicControl {
public:
    explicit TsGauge(TComponent* owner);
    ~TsGauge() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsGaugeKind Kind() const { return FKind; }
    void SetKind(TsGaugeKind kind);
    TsGaugeBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TsGaugeBorderStyle style);
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor color);
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor color);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Progress() const { return FProgress; }
    void SetProgress(int value);
    const std::string& ProgressSkin() const { return FProgressSkin; }
    void SetProgressSkin(const std::string& section);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& suffix);

    // Whole percent done; 0 for an empty range.
    int PercentDone() const;
    // The part of Length that P percent fill, truncated.
    static int SolveForX(int percent, int length);
    // The text written: the percentage and the suffix.
    std::string GaugeText() const { return std::to_string(PercentDone()) + FSuffix; }
    // The progress section used: ProgressSkin, or the one of the bar's direction.
    std::string ProgressSection() const;

    void Loaded() override;
    void WndProc(TMessage& m) override;

protected:
    void Paint() override;

private:
    // --- the look (TsGaugeLook.cpp) ------------------------------------------
    void PaintSkinned();
    void RenderSkinned();
    void PaintProgress(TBitmap* cache);
    void PaintText(TBitmap* target);
    void PaintClassicText(TCanvas* canvas, const TRect& inner, const TRect& bar);
    void PaintClassic();
    void Changed(bool skinned);
    void SetLimits(int minValue, int maxValue, int progress);

    std::unique_ptr<TsCommonData> FSkinData;
    TsGaugeKind FKind = gkHorizontalBar;
    TsGaugeBorderStyle FBorderStyle = bsGaugeSingle;
    TColor FBackColor = clWhite;
    TColor FForeColor = clBlack;
    int FMinValue = 0;
    int FMaxValue = 100;
    int FProgress = 47;
    std::string FProgressSkin;
    bool FShowText = true;
    std::string FSuffix = "%";
};
