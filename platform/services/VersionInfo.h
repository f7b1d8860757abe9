#pragma once
// The version query. This platform answers as a Windows NT system (platform
// id 2), version 6.1 build 7601, so code that treats the Windows 95 family
// specially takes the NT path.

#include <cstdint>

constexpr uint32_t VER_PLATFORM_WIN32s = 0;
constexpr uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
    uint32_t dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    uint32_t dwMajorVersion = 0;
    uint32_t dwMinorVersion = 0;
    uint32_t dwBuildNumber = 0;
    uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

// False (and nothing filled) when dwOSVersionInfoSize is not the record's size.
bool GetVersionExA(OSVERSIONINFOA* info);
