#pragma once
// The launcher's three windows, and their pictures compared with golden
// images named "<prefix><form name>".

#include <string>
#include <vector>

#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "platform/headless/THeadlessHost.h"
#include "platform/headless/THeadlessWindow.h"
#include "platform/scaled/TScaledWindow.h"
#include "tests/GoldenImage.h"

inline std::vector<TCustomForm*> LauncherWindows() {
    return {Form1, Form2, Form3};
}

// What the screen shows of the window: the headless window behind it, also
// when a scaling host stands between.
inline const TPixels& ShownPixels(THeadlessHost& host, TCustomForm* form) {
    return host.Find(UnscaledWindow(form->HostWindow()))->Picture();
}

inline void ExpectWindowsMatchGoldens(THeadlessHost& host, const std::string& prefix) {
    for (TCustomForm* f : LauncherWindows()) {
        SCOPED_TRACE(f->Name());
        ExpectMatchesGolden(ShownPixels(host, f), prefix + f->Name());
    }
}
