#pragma once
// A shown form on a fresh headless host, for the plain control tests: input
// is injected at control coordinates and the loop is run after each step.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/forms/TMessageLoop.h"
#include "framework/stdctrls/PlainControls.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/THeadlessHost.h"

class PlainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto host = std::make_unique<THeadlessHost>();
        Host_ = host.get();
        SetHost(std::move(host));
        TMessageLoop::Instance().Reset();
        RegisterPlainControls();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        Form->SetName("Form1");
        Form->SetBounds(100, 100, 320, 240);
    }
    void TearDown() override {
        App.reset();
        TMessageLoop::Instance().Reset();
        SetHost(nullptr);
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
    IHostWindow* Window() const { return Form->HostWindow(); }
    TPoint InWindow(const TControl* c, int x, int y) const {
        TPoint o = c->OriginInForm();
        return {o.X + x, o.Y + y};
    }
    void Down(const TControl* c, int x, int y, int button = mbLeft) {
        TPoint p = InWindow(c, x, y);
        Host_->InjectMouseDown(Window(), p.X, p.Y, button);
        Pump();
    }
    void Move(const TControl* c, int x, int y, unsigned modifiers = 0) {
        TPoint p = InWindow(c, x, y);
        Host_->InjectMouseMove(Window(), p.X, p.Y, modifiers);
        Pump();
    }
    void Up(const TControl* c, int x, int y, int button = mbLeft) {
        TPoint p = InWindow(c, x, y);
        Host_->InjectMouseUp(Window(), p.X, p.Y, button);
        Pump();
    }
    void Click(const TControl* c, int x, int y) {
        Down(c, x, y);
        Up(c, x, y);
    }
    void Key(int vk, unsigned modifiers = 0) {
        Host_->InjectKey(nullptr, vk, modifiers);
        Pump();
    }
    void Type(const std::string& utf8) {
        Host_->InjectText(nullptr, utf8);
        Pump();
    }

    THeadlessHost* Host_ = nullptr;
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
};
