#pragma once
// A scratch game folder for the benchmarks that start the whole launcher: a
// launch.ini, and with Settings a configured client, so the launcher starts
// without notices. The folder is the current one while it lives and is
// removed when the benchmark ends.

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "ScratchGameFiles.h"
#include "platform/services/TRegistry.h"

enum class TScratchSettings { None, Configured };

struct TScratchGame {
    TScratchGame(const std::string& name, TScratchSettings settings) {
        namespace fs = std::filesystem;
        Old = fs::current_path();
        Folder = fs::temp_directory_path() / (name + "-" + std::to_string(getpid()));
        fs::create_directories(Folder);
        fs::current_path(Folder);
        std::ofstream(Folder / "launch.ini", std::ios::binary) << ScratchLaunchIni;
        if (settings == TScratchSettings::Configured)
            std::ofstream(Folder / "registry.reg") << ScratchConfiguredStore;
        SetRegistryStorePath((Folder / "registry.reg").string());
    }
    ~TScratchGame() {
        SetRegistryStorePath("");
        std::filesystem::current_path(Old);
        std::filesystem::remove_all(Folder);
    }
    TScratchGame(const TScratchGame&) = delete;
    TScratchGame& operator=(const TScratchGame&) = delete;

    std::filesystem::path Old, Folder;
};
