#pragma once
// The plain stand-in of the news pane, streamed as "TWebBrowser" among the
// plain controls: it shows the address it was given, word-wrapped on a plain
// window background inside a sunken border. The program registers the real
// pane (browser/TWebBrowser) under the same name after the plain controls.

#include <string>

#include "window/TCustomControl.h"

class TPlainWebBrowser : public TCustomControl {
public:
    explicit TPlainWebBrowser(TComponent* owner);

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
