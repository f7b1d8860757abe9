#pragma once
// A clean world for tests of windows and controls: a fresh headless host, an
// application and its screen, an empty loop and no recorded message boxes,
// all torn down after each test. NewForm() adds a form for the plain control
// tests, where input is injected at control coordinates and the loop is run
// after each step; Scratch() is a folder of the test's own.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/forms/TMessageLoop.h"
#include "framework/forms/TScreen.h"
#include "framework/stdctrls/MessageBox.h"
#include "framework/stdctrls/PlainControls.h"
#include "platform/CreateHost.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/THeadlessHost.h"
#include "tests/TempFolder.h"

class HeadlessApp : public ::testing::Test {
protected:
    void SetUp() override {
        Host = &InstallHeadlessHost();
        TMessageLoop::Instance().Reset();
        ClearMessageBoxLog();
        App = std::make_unique<TApplication>();
        App->SetTitle("Test App");
    }
    void TearDown() override {
        App.reset();
        TMessageLoop::Instance().Reset();
        SetHost(nullptr);
    }

    // A plain form, not yet shown, that the plain controls and definitions go on.
    void NewForm() {
        RegisterPlainControls();
        Form = new TForm(App.get());
        Form->SetName("Form1");
        Form->SetBounds(100, 100, 320, 240);
    }
    template <class T>
    T* Make(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        T* c = new T(Form);
        c->SetParent(parent ? parent : Form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    // Reads a definition into the form (the root object must be "TForm").
    void Read(const std::string& text) {
        TFormReader reader(Form, "test.dfm");
        reader.Read(text);
    }
    void Show() {
        Form->Show();
        Pump();
    }

    void Pump() { App->ProcessMessages(); }
    // Moves the virtual clock on and lets the due timers run.
    void Advance(uint64_t ms) {
        Host->AdvanceClock(ms);
        Pump();
    }

    IHostWindow* Window() const { return Form->HostWindow(); }
    TPoint InWindow(const TControl* c, int x, int y) const {
        TPoint o = c->OriginInForm();
        return {o.X + x, o.Y + y};
    }
    void Down(const TControl* c, int x, int y, int button = mbLeft) {
        TPoint p = InWindow(c, x, y);
        Host->InjectMouseDown(Window(), p.X, p.Y, button);
        Pump();
    }
    void Move(const TControl* c, int x, int y, unsigned modifiers = 0) {
        TPoint p = InWindow(c, x, y);
        Host->InjectMouseMove(Window(), p.X, p.Y, modifiers);
        Pump();
    }
    void Up(const TControl* c, int x, int y, int button = mbLeft) {
        TPoint p = InWindow(c, x, y);
        Host->InjectMouseUp(Window(), p.X, p.Y, button);
        Pump();
    }
    void Click(const TControl* c, int x, int y) {
        Down(c, x, y);
        Up(c, x, y);
    }
    // Keys and text go to the focused window.
    void Key(int vk, unsigned modifiers = 0) {
        Host->InjectKey(nullptr, vk, modifiers);
        Pump();
    }
    void Type(const std::string& utf8) {
        Host->InjectText(nullptr, utf8);
        Pump();
    }

    // Made on first use, removed after the test.
    const TTempFolder& Scratch() {
        if (!FScratch) FScratch = std::make_unique<TTempFolder>();
        return *FScratch;
    }

    THeadlessHost* Host = nullptr;
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;

private:
    std::unique_ptr<TTempFolder> FScratch;
};
