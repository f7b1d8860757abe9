#pragma once
// The one place where libjpeg's errors are caught. The library reports an
// error by calling a function that must not return; ours jumps back to
// RunJpegStep, which then reports failure with the library's message, so a
// bad file never ends the program. Warnings (a truncated file, corrupt data
// that the library would paper over) count as errors too: a picture that is
// only partly right is not shown.
//
// Only C data lives between the jump and its target: the steps passed in must
// not create C++ objects with destructors, and throw nothing.

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

struct TJpegErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// Installs the manager as info's error handler; call before jpeg_create_*.
void InstallJpegErrors(jpeg_common_struct* info, TJpegErrorManager& errors);

// Runs Step(Context); false when libjpeg reported an error or a warning, with
// the message in errors.Message. After a failure the caller only destroys the
// codec object.
bool RunJpegStep(TJpegErrorManager& errors, void (*step)(void*), void* context);

// Reports a failure of our own from inside a step (a limit reached), through
// the same path as the library's own errors.
[[noreturn]] void FailJpegStep(jpeg_common_struct* info, const char* message);
