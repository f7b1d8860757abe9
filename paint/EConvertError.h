#pragma once
// The conversion error lives with the other conversions in the framework.
#include "framework/component/SysUtils.h"
