#include "platform/JpegGuard.h"

#include <cstring>

namespace {

TJpegErrorManager& Manager(j_common_ptr info) {
    // Pub is the first member, so the library's pointer is the manager's.
    return *reinterpret_cast<TJpegErrorManager*>(info->err);
}

[[noreturn]] void OnJpegError(j_common_ptr info) {
    TJpegErrorManager& m = Manager(info);
    (*info->err->format_message)(info, m.Message);
    std::longjmp(m.Jump, 1);
}

// Level -1 is a warning about damaged data; higher levels are trace output.
void OnJpegMessage(j_common_ptr info, int level) {
    if (level < 0) OnJpegError(info);
}

} // namespace

void InstallJpegErrors(jpeg_common_struct* info, TJpegErrorManager& errors) {
    std::memset(&errors, 0, sizeof errors);
    info->err = jpeg_std_error(&errors.Pub);
    errors.Pub.error_exit = OnJpegError;
    errors.Pub.emit_message = OnJpegMessage;
}

bool RunJpegStep(TJpegErrorManager& errors, void (*step)(void*), void* context) {
    if (setjmp(errors.Jump) != 0) return false;
    step(context);
    return true;
}

void FailJpegStep(jpeg_common_struct* info, const char* message) {
    TJpegErrorManager& m = Manager(info);
    std::snprintf(m.Message, sizeof m.Message, "%s", message);
    std::longjmp(m.Jump, 1);
}
