#pragma once
// The base of the skin engine's labels: a windowless, transparent text over
// whatever its parent painted. It keeps no skin data; GetCurrentFont says
// which font the text is drawn (and measured) in, so that descendants can
// swap fonts (a link label's hover font).

#include "framework/stdctrls/TLabel.h"

class TsCustomLabel : public TLabel {
public:
    explicit TsCustomLabel(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    virtual const TFont& GetCurrentFont() const { return *Font(); }

protected:
    const TFont& DrawFont() const override { return GetCurrentFont(); }
};
