#pragma once
// A clean world for framework tests: a headless host, an application and its
// screen, an empty loop, no recorded message boxes; torn down after each test.

#include <gtest/gtest.h>

#include <memory>

#include "framework/forms/TApplication.h"
#include "framework/forms/TMessageLoop.h"
#include "framework/forms/TScreen.h"
#include "framework/stdctrls/MessageBox.h"
#include "platform/CreateHost.h"

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        FHost = &InstallHeadlessHost();
        TMessageLoop::Instance().Reset();
        ClearMessageBoxLog();
        FApp = std::make_unique<TApplication>();
        FApp->SetTitle("Test App");
    }
    void TearDown() override {
        FApp.reset();
        TMessageLoop::Instance().Reset();
    }
    THeadlessHost& HostRef() { return *FHost; }
    void Pump() { Application->ProcessMessages(); }
    // Moves the virtual clock on and lets the due timers run.
    void Advance(uint64_t ms) {
        FHost->AdvanceClock(ms);
        Pump();
    }

    THeadlessHost* FHost = nullptr;
    std::unique_ptr<TApplication> FApp;
};
