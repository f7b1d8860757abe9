// Reading the game's six settings from a Wine prefix's user.reg of 5 MB: the
// size a prefix reaches after a few programs have been installed in it. The
// file is made up here in Wine's own layout (classes with GUIDs, paths with
// escapes, hex data over several lines, #time lines), with the game's key in
// the middle. Target: at most 20 ms for reading the file and the six values.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/services/TRegistry.h"
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

// A prefix folder holding the made-up user.reg.
class TUserRegFile {
public:
    TUserRegFile() : FPrefix(std::filesystem::temp_directory_path() / "bench-wine-prefix") {
        std::filesystem::create_directories(FPrefix);
        std::ofstream(FPrefix / "user.reg", std::ios::binary) << MakeUserReg();
    }
    ~TUserRegFile() { std::filesystem::remove_all(FPrefix); }
    std::string Prefix() const { return FPrefix.string(); }
    std::string Path() const { return (FPrefix / "user.reg").string(); }

private:
    std::filesystem::path FPrefix;
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

// As the options dialog reads them: opening the key, asking whether the
// values exist, then the six reads, each through the registry calls. The
// file's time changes before every round, so each round reads and parses it.
void BM_DialogReadsThroughTheRegistry(benchmark::State& state) {
    const TUserRegFile file;
    UseSettingsLocation(TSettingsLocation{TSettingsKind::skWinePrefix, file.Prefix(), "bench"});
    for (auto _ : state) {
        state.PauseTiming();
        utimensat(AT_FDCWD, file.Path().c_str(), nullptr, 0);
        state.ResumeTiming();
        TRegistry reg;
        reg.OpenKey(kConfig, true);
        if (!reg.ValueExists("Resolution")) state.SkipWithError("the settings are missing");
        benchmark::DoNotOptimize(reg.ReadString("ID"));
        for (const char* name : kNames)
            if (std::string_view(name) != "ID") benchmark::DoNotOptimize(reg.ReadInteger(name));
    }
    UseSettingsLocation(std::nullopt);
}
BENCHMARK(BM_DialogReadsThroughTheRegistry)->Unit(benchmark::kMillisecond);

} // namespace
