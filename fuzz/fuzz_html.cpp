// Hint texts in mini-HTML: any text either renders or raises the conversion
// error of a bad SIZE, draws only inside the bitmap, and leaves no font behind.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/component/SysUtils.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "hints/TsHtml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TBitmap bitmap(64, 24);
    const std::string text(reinterpret_cast<const char*>(data), size);
    bitmap.Canvas()->Font()->SetName("Tahoma");
    bitmap.Canvas()->Font()->SetHeight(-11);
    bitmap.Canvas()->Font()->SetStyle(0);
    TsHtml html;
    html.Prepare(&bitmap, text, {2, 1, 60, 0});
    TRect out;
    try {
        html.Render(out, size % 2 == 0);
    } catch (const EConvertError&) {
    }
    return 0;
}
