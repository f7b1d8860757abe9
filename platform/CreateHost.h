#pragma once
// The program picks its host at start: real windows, or bitmaps for tests and
// screenshots.

#include <memory>

#include "platform/THost.h"
#include "platform/headless/THeadlessHost.h"

// Throws std::runtime_error when no display can be opened.
std::unique_ptr<IHost> CreateSdlHost();
std::unique_ptr<THeadlessHost> CreateHeadlessHost();

// Makes a headless host the process's host (SetHost) and returns it, for tests
// that inject input and read windows back.
THeadlessHost& InstallHeadlessHost();
