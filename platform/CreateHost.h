#pragma once
// The program picks its host at start: real windows, or bitmaps for tests and
// screenshots.

#include <memory>

#include "platform/THost.h"
#include "platform/headless/THeadlessHost.h"

std::unique_ptr<THeadlessHost> CreateHeadlessHost();
