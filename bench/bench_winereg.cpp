// Reading the game's six settings from a Wine prefix's user.reg of 5 MB: the
// size a prefix reaches after a few programs have been installed in it. The
// file is made up here in Wine's own layout (classes with GUIDs, paths with
// escapes, hex data over several lines, #time lines), with the game's key in
// the middle. Target: at most 20 ms for reading the file and the six values.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/services/TWineRegistryFile.h"

namespace {

constexpr size_t kTargetBytes = 5 * 1024 * 1024;
constexpr const char* kConfig = "Software\\Korvan\\Quelm\\Config";
constexpr const char* kNames[] = {"ID",         "MusicOnOff", "SoundOnOff",
                                  "ColorDepth", "Resolution", "VolumeLevel"};

std::string Guid(unsigned n) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%04X-%012X}", n * 2654435761U, n & 0xFFFF,
                  (n >> 3) & 0xFFFF, (n * 7) & 0xFFFF, n * 40503U);
    return buf;
}

void AppendKey(std::string& out, const std::string& path, unsigned n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "] %u\n#time=1d9%013x\n", 1600000000U + n, n * 977U);
    out += "\n[" + path + buf;
}

void AppendFillerKey(std::string& out, unsigned n) {
    AppendKey(out, "Software\\\\Classes\\\\CLSID\\\\" + Guid(n) + "\\\\InprocServer32", n);
    out += "@=\"C:\\\\windows\\\\system32\\\\component" + std::to_string(n % 97) + ".dll\"\n";
    out += "\"ThreadingModel\"=\"Both\"\n";
    if (n % 3 == 0) {
        out +=
            "\"Description\"=\"Comp\\xf3nente \\x4e2d\\x6587 n\\xba " + std::to_string(n) + "\"\n";
        out += "\"Flags\"=dword:" + std::string(8 - std::to_string(n % 10).size(), '0') +
               std::to_string(n % 10) + "\n";
    }
    if (n % 4 == 0) {
        out += "\"Data\"=hex:";
        for (int i = 0; i < 120; ++i)
            out += (i % 22 == 21 ? "4a,\\\n  " : "4a,");
        out += "00\n";
    }
}

std::string MakeUserReg() {
    std::string out = "WINE REGISTRY Version 2\n;; All keys relative to "
                      "\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n";
    bool placed = false;
    for (unsigned n = 1; out.size() < kTargetBytes; ++n) {
        if (!placed && out.size() > kTargetBytes / 2) {
            AppendKey(out, "Software\\\\Korvan\\\\Quelm\\\\Config", n);
            out += "\"ID\"=\"Jo\\xe3o\"\n\"MusicOnOff\"=dword:00000001\n"
                   "\"SoundOnOff\"=dword:00000001\n\"ColorDepth\"=dword:00000001\n"
                   "\"Resolution\"=dword:00000002\n\"VolumeLevel\"=dword:0000000a\n";
            placed = true;
        }
        AppendFillerKey(out, n);
    }
    return out;
}

class TUserRegFile {
public:
    TUserRegFile() : FPath(std::filesystem::temp_directory_path() / "bench-user.reg") {
        std::ofstream(FPath, std::ios::binary) << MakeUserReg();
    }
    ~TUserRegFile() { std::filesystem::remove(FPath); }
    std::string Path() const { return FPath.string(); }

private:
    std::filesystem::path FPath;
};

void BM_ReadSixSettings(benchmark::State& state) {
    const TUserRegFile file;
    for (auto _ : state) {
        const TWineRegistryFile reg = TWineRegistryFile::Load(file.Path());
        for (const char* name : kNames) {
            auto v = reg.FindValue(kConfig, name);
            if (!v) state.SkipWithError("a setting is missing");
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file.Path())));
}
BENCHMARK(BM_ReadSixSettings)->Unit(benchmark::kMillisecond);

} // namespace
