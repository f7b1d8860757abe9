#pragma once
// The news pane. For now it shows the address it was given, word-wrapped on
// a plain window background inside a sunken border; rendering the page is a
// later step.

#include <string>

#include "window/TCustomControl.h"

class TWebBrowser : public TCustomControl {
public:
    explicit TWebBrowser(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    void Navigate(const std::string& url);
    const std::string& LocationURL() const { return FLocationURL; }

    TNotifyEvent OnNavigateComplete;

protected:
    void Paint() override;

private:
    std::string FLocationURL;
};
