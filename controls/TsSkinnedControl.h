#pragma once
// The base of a windowed skinned control: a framework control (TBase) with
// skin data and the common paint pipeline wired into its window procedure.
// A control derives from TsSkinnedControl<its plain base>, sets its kind
// code, overrides the look's steps it needs (PaintContent at least) and
// ends its own constructor with SkinData()->Loaded(), so that the section
// of its kind (or its class name) is known from the start.
//
// Published as SkinData in the control's class info:
//   ObjectProp("SkinData", &TsPanel::SkinData)

#include <memory>

#include "controls/TsCommonData.h"
#include "controls/TsPaintPipeline.h"
#include "controls/TsSkinnedLook.h"
#include "framework/component/TComponent.h"

template <class TBase> class TsSkinnedControl : public TBase, protected TsSkinnedLook {
public:
    TsSkinnedControl(TComponent* owner, int kind)
        : TBase(owner), FSkinData(std::make_unique<TsCommonData>(this, true)) {
        FSkinData->ControlKind = kind;
    }
    ~TsSkinnedControl() override {
        // Messages sent while the base goes must not reach freed skin data.
        this->MarkDestroying();
        FSkinData.reset();
    }

    TsCommonData* SkinData() const { return FSkinData.get(); }

    void Loaded() override {
        TBase::Loaded();
        FSkinData->Loaded();
    }

    void WndProc(TMessage& m) override {
        if (!FSkinData) return TBase::WndProc(m);
        SkinnedWndProc(*this, m, [this](TMessage& msg) { TBase::WndProc(msg); });
    }

protected:
    TWinControl& LookControl() override { return *this; }
    TsCommonData& LookData() override { return *FSkinData; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
};
