#pragma once
// The form class that definitions name and launcher forms derive from. A
// derived form registers its class (with TForm as parent) and its event
// methods, and returns its definition from DefinitionText.

#include "forms/TCustomForm.h"

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // Drawing surface while OnPaint runs.
    TCanvas* Canvas() const { return FCanvas; }
    TNotifyEvent OnPaint;

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint();

private:
    TCanvas* FCanvas = nullptr;
};
