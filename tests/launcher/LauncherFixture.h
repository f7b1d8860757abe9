#pragma once
// Runs the real launcher on the headless host in a scratch game folder with
// its own registry store, and drives it as a player would. Controls are named
// as in the form definitions ("Form2.sEdit1", or "sEdit1" when only one window
// has it), never reached through their classes: the windows hold skinned
// controls, which derive from the plain ones, so only this driver's reading
// functions know a class, and the tests none.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "browser/TWebBrowser.h"
#include "controls/TsWebLabel.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TScreen.h"
#include "framework/graphics/TBitmap.h"
#include "framework/stdctrls/MessageBox.h"
#include "framework/stdctrls/TCheckBox.h"
#include "framework/stdctrls/TComboBox.h"
#include "framework/stdctrls/TStatusBar.h"
#include "framework/stdctrls/TTrackBar.h"
#include "launcher/Project1.h"
#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "platform/CreateHost.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "platform/scaled/TScaledHost.h"
#include "platform/scaled/TScaledWindow.h"
#include "platform/services/TRegistry.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

class HeadlessLauncher : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = FScratch.Path();
        OldDir = fs::current_path();
        fs::current_path(Folder);
        SetRegistryStorePath((Folder / "registry.reg").string());
        Host = &InstallHeadlessHost();
        ClearMessageBoxLog();
    }
    // Starts over as the program runs on a high-density screen: a host whose
    // every pixel is scale x scale device pixels, and windows drawn at that
    // scale; the input helpers below then point in device pixels.
    void UseScale(int scale) {
        auto real = CreateHeadlessHost();
        Host = real.get();
        SetHost(WithScale(std::move(real), scale));
        SetGraphicsScale(scale);
        Scale = scale;
    }
    // Starts the launcher and opens its three windows as a player first sees
    // them: the news page loaded, then the options and about dialogs opened
    // by their buttons.
    void ShowTheThreeWindows() {
        CreateLauncher();
        Form1->Show();
        EXPECT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(20'000));
        Application->ProcessMessages();
        Click("sButton3");
        Click("Form1.sButton2");
    }
    // The headless window that shows the form, at device pixels.
    IHostWindow* RealWindow(TCustomForm* form) const { return UnscaledWindow(form->HostWindow()); }
    void TearDown() override {
        DestroyLauncher();
        SetGraphicsScale(1);
        SetRegistryStorePath("");
        fs::current_path(OldDir);
    }

    // launch.ini in Windows-1252, as the game's installer writes it.
    void WriteIni(const std::string& keys, const std::string& section = "Configura\xe7\xf5"
                                                                        "es") {
        std::ofstream(Folder / "launch.ini", std::ios::binary) << "[" << section << "]\r\n" << keys;
    }
    // Pictures compared with goldens want no page from the net, which could
    // arrive at any moment: their tests pass an empty address, or this page
    // from the game folder and wait for it. Without a charset it is read as
    // Windows-1252.
    std::string WriteNewsPage() {
        fs::create_directory(Folder / "news");
        std::ofstream(Folder / "news" / "index.html")
            << "<body style=\"font-family: Tahoma; font-size: 11px\"><b>06/12</b> Servidor no ar."
               "<ul><li>Nova vers\xE3o</li></ul></body>";
        return "news/index.html";
    }
    void WriteFullIni(const std::string& lang, const std::string& page = "http://news.example/") {
        WriteIni("Pagina do launcher=" + page +
                 "\r\nWebSite=http://site.example/\r\n"
                 "IP=10.0.0.7\r\nversao=1.2.3\r\nnome=Servidor Teste\r\nlang=" +
                 lang + "\r\n");
    }
    void WriteSettings(const std::string& values) {
        std::ofstream(Folder / "registry.reg")
            << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\n"
            << values;
    }
    void WriteAllSettings() {
        WriteSettings("\"ID\"=\"jogador\"\n\"MusicOnOff\"=dword:00000001\n"
                      "\"SoundOnOff\"=dword:00000000\n\"ColorDepth\"=dword:00000001\n"
                      "\"Resolution\"=dword:00000002\n\"VolumeLevel\"=dword:00000007\n");
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& b : MessageBoxLog())
            texts.push_back(b.Text);
        return texts;
    }

    // A stand-in client: a script that appends its arguments, one per line,
    // then a blank line, to the file named.
    void WriteClient(const fs::path& where, const fs::path& log) {
        std::ofstream(where) << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done >> '"
                             << log.string() << "'\necho >> '" << log.string() << "'\n";
        fs::permissions(where, fs::perms::owner_all);
    }
    // The runs recorded by the stand-in, waited for since it runs detached.
    static std::vector<std::vector<std::string>> Runs(const fs::path& log, size_t expected) {
        std::vector<std::vector<std::string>> runs;
        for (int i = 0; i < 500; ++i) {
            runs.clear();
            std::ifstream in(log);
            std::vector<std::string> run;
            for (std::string line; std::getline(in, line);) {
                if (line.empty()) {
                    runs.push_back(run);
                    run.clear();
                } else {
                    run.push_back(line);
                }
            }
            if (runs.size() >= expected) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return runs;
    }

    // ---- Finding controls ----------------------------------------------------

    // The control of that name; fails the test when no window or more than one has it.
    TControl* Find(const std::string& name) const {
        const size_t dot = name.find('.');
        const std::string form = dot == std::string::npos ? "" : name.substr(0, dot);
        const std::string control = dot == std::string::npos ? name : name.substr(dot + 1);
        TControl* found = nullptr;
        int count = 0;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (!form.empty() && f->Name() != form) continue;
            if (auto* c = dynamic_cast<TControl*>(f->FindComponent(control))) {
                found = c;
                ++count;
            }
        }
        if (count != 1) {
            ADD_FAILURE() << (count ? "more than one window has " : "no control ") << name;
            throw std::runtime_error("no single control " + name);
        }
        return found;
    }
    template <class T> T* FindAs(const std::string& name) const {
        auto* c = dynamic_cast<T*>(Find(name));
        if (!c) {
            ADD_FAILURE() << name << " is not the kind of control the test expects";
            throw std::runtime_error("wrong kind of control " + name);
        }
        return c;
    }

    // ---- Input, as a player gives it ------------------------------------------

    // Clicks the middle of a control with the mouse and lets the loop handle
    // it (errors of handlers end in the error box). A hidden window is shown first.
    void Click(const std::string& name) {
        TControl* c = Find(name);
        TCustomForm* form = ShowFormOf(c);
        const TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        const TRect w = form->BoundsRect();
        Host->InjectClick(RealWindow(form), (p.X - w.Left) * Scale, (p.Y - w.Top) * Scale);
        Application->ProcessMessages();
    }
    // Replaces a field's text: focus, select all, type.
    void Type(const std::string& name, const std::string& utf8) {
        Focus(name);
        Key('A', kmCtrl);
        Host->InjectText(nullptr, utf8);
        Application->ProcessMessages();
    }
    // Clicks a check box only when it is not already as wanted.
    void Check(const std::string& name, bool checked) {
        if (Checked(name) != checked) Click(name);
    }
    // Chooses the item at index in a closed list with the arrow keys.
    void Choose(const std::string& name, int index) {
        Focus(name);
        Key(VK_HOME);
        for (int i = 0; i < index; ++i)
            Key(VK_DOWN);
    }
    // Moves a track bar's thumb with the arrow keys until it stands at position.
    void Slide(const std::string& name, int position) {
        Focus(name);
        Key(VK_HOME);
        for (int i = 0; i < 1000 && Position(name) < position; ++i)
            Key(VK_RIGHT);
    }
    // Moves the mouse over the middle of a control, as a player pointing at it.
    void Hover(const std::string& name) {
        TControl* c = Find(name);
        TCustomForm* form = ShowFormOf(c);
        const TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        const TRect w = form->BoundsRect();
        Host->InjectMouseMove(RealWindow(form), (p.X - w.Left) * Scale, (p.Y - w.Top) * Scale);
        Application->ProcessMessages();
    }
    // Lets the virtual clock run, so fades and other timers finish.
    void Wait(uint64_t ms) {
        Host->AdvanceClock(ms);
        Application->ProcessMessages();
    }
    // A key for whatever has the focus.
    void Key(int vk, unsigned modifiers = 0) {
        Host->InjectKey(nullptr, vk, modifiers);
        Application->ProcessMessages();
    }

    // ---- What the player sees -------------------------------------------------

    std::string Caption(const std::string& name) const { return Find(name)->Caption(); }
    std::string Text(const std::string& name) const { return Find(name)->Text(); }
    bool Checked(const std::string& name) const { return FindAs<TCheckBox>(name)->Checked(); }
    int ItemIndex(const std::string& name) const { return FindAs<TComboBox>(name)->ItemIndex(); }
    int Position(const std::string& name) const { return FindAs<TTrackBar>(name)->Position(); }
    std::string PanelText(const std::string& name, int panel) const {
        return FindAs<TStatusBar>(name)->Panels()->Items(panel)->Text();
    }
    std::string URL(const std::string& name) const { return FindAs<TsWebLabel>(name)->URL(); }
    std::string LocationURL(const std::string& name) const {
        return FindAs<TWebBrowser>(name)->LocationURL();
    }

    fs::path Folder;
    fs::path OldDir;
    THeadlessHost* Host = nullptr;
    int Scale = 1; // device pixels per pixel of the windows

private:
    TCustomForm* ShowFormOf(TControl* c) {
        TCustomForm* form = c->GetParentForm();
        if (!form->Visible()) form->Show();
        Application->ProcessMessages();
        return form;
    }
    void Focus(const std::string& name) {
        auto* c = FindAs<TWinControl>(name);
        ShowFormOf(c);
        c->SetFocus();
        Application->ProcessMessages();
    }

    TTempFolder FScratch;
};
