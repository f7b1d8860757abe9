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
#include "tests/GoldenImage.h"

inline std::vector<TCustomForm*> LauncherWindows() {
    return {Form1, Form2, Form3};
}

inline void ExpectWindowsMatchGoldens(THeadlessHost& host, const std::string& prefix) {
    for (TCustomForm* f : LauncherWindows()) {
        SCOPED_TRACE(f->Name());
        ExpectMatchesGolden(host.Find(f->HostWindow())->Picture(), prefix + f->Name());
    }
}
