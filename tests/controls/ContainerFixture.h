#pragma once
// Skinned panels, group boxes, gauges and status bars on a form with the
// launcher's skin.

#include "SkinnedFixture.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/TsPanel.h"
#include "controls/TsStatusBar.h"

class ContainerTest : public SkinnedTest {
protected:
    void SetUp() override {
        SkinnedTest::SetUp();
        ApplySkin();
    }
    template <class T> T* Place(TWinControl* parent, TBox box) {
        auto* c = new T(Form);
        c->SetParent(parent);
        c->SetBounds(box.X, box.Y, box.W, box.H);
        return c;
    }
    TsStatusBar* AddBar(TWinControl* parent, TBox box, std::initializer_list<int> widths) {
        auto* bar = Place<TsStatusBar>(parent, box);
        bar->SetAlign(alNone);
        bar->SetBounds(box.X, box.Y, box.W, box.H);
        bar->SetSizeGrip(false);
        for (int w : widths)
            bar->Panels()->Add()->SetWidth(w);
        return bar;
    }
    // A copy of a control's cache as it is now.
    static std::unique_ptr<TBitmap> CacheOf(const TsCommonData* data) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(*data->CacheBmp());
        return copy;
    }
    // Marks a cache pixel; a rebuild paints over it.
    static void Mark(const TsCommonData* data) { data->CacheBmp()->SetPixel(1, 1, Marker); }
    static bool Marked(const TsCommonData* data) { return data->CacheBmp()->Pixel(1, 1) == Marker; }
    static constexpr TColor Marker = 0x123456;
};
