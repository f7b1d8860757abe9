// Stored skins inside form definitions: the input is the body of a skin
// manager's block. Reading and loading either succeed or raise an error.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "skin/TsSkinManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterClass(TsSkinManager::StaticClassInfo()), true);
    (void)registered;
    const std::string text = "object Holder: TComponent\n  object sSkinManager1: TsSkinManager\n" +
                             std::string(reinterpret_cast<const char*>(data), size) +
                             "\n  end\nend\n";
    auto root = std::make_unique<TComponent>(nullptr);
    try {
        ReadComponentResource(root.get(), text, "Fuzz.dfm");
    } catch (const std::exception&) {
    }
    return 0;
}
