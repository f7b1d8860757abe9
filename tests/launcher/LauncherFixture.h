#pragma once
// Runs the real launcher on the headless host in a scratch game folder with
// its own registry store, and reads back what the player would see.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "framework/forms/TApplication.h"
#include "framework/stdctrls/MessageBox.h"
#include "launcher/Project1.h"
#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "platform/CreateHost.h"
#include "platform/services/TRegistry.h"

namespace fs = std::filesystem;

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() /
                 ("launcher-test-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
        fs::create_directories(Folder);
        OldDir = fs::current_path();
        fs::current_path(Folder);
        SetRegistryStorePath((Folder / "registry.reg").string());
        Host = &InstallHeadlessHost();
        ClearMessageBoxLog();
    }
    void TearDown() override {
        DestroyLauncher();
        SetRegistryStorePath("");
        fs::current_path(OldDir);
        std::error_code ec;
        fs::remove_all(Folder, ec);
    }

    // launch.ini in Windows-1252, as the game's installer writes it.
    void WriteIni(const std::string& keys, const std::string& section = "Configura\xe7\xf5"
                                                                        "es") {
        std::ofstream(Folder / "launch.ini", std::ios::binary) << "[" << section << "]\r\n" << keys;
    }
    void WriteFullIni(const std::string& lang) {
        WriteIni("Pagina do launcher=http://news.example/\r\nWebSite=http://site.example/\r\n"
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

    // Clicks the middle of a control with the mouse, as a player would, and
    // lets the loop handle it (errors of handlers end in the error box).
    void ClickOn(TControl* c) {
        TCustomForm* form = c->GetParentForm();
        if (!form->Visible()) form->Show();
        Application->ProcessMessages();
        const TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
        const TRect w = form->BoundsRect();
        Host->InjectClick(form->HostWindow(), p.X - w.Left, p.Y - w.Top);
        Application->ProcessMessages();
    }

    fs::path Folder;
    fs::path OldDir;
    THeadlessHost* Host = nullptr;
    static inline int Counter = 0;
};
