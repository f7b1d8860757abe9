#pragma once
// The main window's definition as checked in: it holds the launcher's stored
// skin, which both the generator's tests and the skin's own tests read.

#include <string>

#include "tests/TempFolder.h"

inline const std::string& MainDefinition() {
    static const std::string text = ReadTestFile(QUELM_SOURCE_DIR "/launcher/Unit1.dfm");
    return text;
}
