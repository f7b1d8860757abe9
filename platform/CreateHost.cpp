#include "platform/CreateHost.h"

std::unique_ptr<THeadlessHost> CreateHeadlessHost() { return std::make_unique<THeadlessHost>(); }
