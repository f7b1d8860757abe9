#pragma once
// What the launcher tells the player about Wine, in the launcher's language
// (Portuguese, English when lang is 1): why the game cannot start, why the
// settings could not be written, and what Apply shows while Wine writes.

#include <cstdint>
#include <string>

#include "platform/services/TWineWriteJob.h"
#include "platform/services/WineStartCheck.h"

std::string WineProblemText(const TWineCheck& check, int32_t lang);
std::string WineWriteFailureText(TWineWriteFailure failure, const std::string& detail,
                                 const std::string& prefix, int32_t lang);
// Put after the dialog's caption while Wine writes (or first creates the prefix).
std::string WineBusyCaption(bool creatingPrefix, int32_t lang);
