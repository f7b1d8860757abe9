#pragma once
// The machine a Windows executable is built for, from its headers: the "MZ"
// header points (at offset 0x3c) to the "PE\0\0" signature, which the
// machine number follows. Wine needs its 32-bit part for an i386 program, so
// the launcher asks before starting one. Truncated or hostile files read as
// what can be told of them, never beyond their end.

#include <string>
#include <string_view>

enum class TPeMachine {
    pmNone,  // unreadable, or not a Windows executable at all
    pmDos,   // "MZ" without a valid PE header
    pmI386,  // 32-bit x86
    pmAmd64, // 64-bit x86-64
    pmOther, // another machine (ARM and the like)
};

TPeMachine ReadPeMachine(const std::string& path);

std::string_view PeMachineName(TPeMachine machine);
