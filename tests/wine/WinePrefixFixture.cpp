#include "WinePrefixFixture.h"

#include <chrono>
#include <thread>

#include "platform/services/ProgramStart.h"

namespace {

// Wine as the tests run it: no debug output, no offer to install Mono or
// Gecko, no window system (the client is a console program).
const std::vector<std::pair<const char*, const char*>> kWineEnvironment = {
    {"WINEDEBUG", "-all"}, {"WINEDLLOVERRIDES", "mscoree,mshtml="}};

std::string gSkipReason;
std::optional<TTempFolder> gBase; // holds the one prefix made by Wine
std::string gWine;

std::string BasePrefix() {
    return gBase->Path() + "/prefix";
}

} // namespace

std::string WinePrefixFixture::WineServer() {
    if (std::string s = FindExecutable("wineserver"); !s.empty()) return s;
    const std::string beside = fs::path(gWine).parent_path() / "wineserver";
    if (!FindExecutable(beside).empty()) return beside;
    return "/usr/lib/wine/wineserver";
}

TRunResult WinePrefixFixture::Run(const std::vector<std::string>& argv, int seconds) {
    TChildProcess child(argv.front(), argv);
    if (!child.Started()) return {-1, child.StartError()};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (child.Running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            child.Kill();
            ADD_FAILURE() << argv.front() << " " << argv.at(1) << " did not end in " << seconds
                          << " s";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {child.ExitCode(), child.Output()};
}

void WinePrefixFixture::SetUpTestSuite() {
    gWine = FindWine();
    if (gWine.empty()) {
        gSkipReason = "Wine is not installed (scripts/setup installs wine and wine64)";
        return;
    }
    if (std::string(QUELM_WINE_CLIENT).empty() || !fs::exists(QUELM_WINE_CLIENT)) {
        gSkipReason = "the Windows test client was not built (needs gcc-mingw-w64-x86-64)";
        return;
    }
    for (const auto& [name, value] : kWineEnvironment)
        setenv(name, value, 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    gBase.emplace();
    setenv("WINEPREFIX", BasePrefix().c_str(), 1);
    const TRunResult boot = Run({gWine, "wineboot", "--init"});
    Run({WineServer(), "-w"});
    if (boot.ExitCode != 0 || !fs::exists(BasePrefix() + "/user.reg"))
        gSkipReason = "Wine could not make a prefix: " + boot.Output;
}

void WinePrefixFixture::TearDownTestSuite() {
    if (gBase) {
        setenv("WINEPREFIX", BasePrefix().c_str(), 1);
        Run({WineServer(), "-k"});
    }
    gBase.reset();
}

void WinePrefixFixture::SetUp() {
    HeadlessLauncher::SetUp();
    for (const char* name : {"WINEPREFIX", "WINE", "QUELM_REGISTRY"}) {
        const char* v = std::getenv(name);
        FSavedEnv.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    if (!gSkipReason.empty()) GTEST_SKIP() << gSkipReason;
    Prefix = (Folder / "prefix").string();
    fs::copy(BasePrefix(), Prefix,
             fs::copy_options::recursive | fs::copy_options::copy_symlinks |
                 fs::copy_options::create_hard_links);
    // Wine rewrites its registry files in place, so those are real copies.
    for (const auto& entry : fs::directory_iterator(BasePrefix()))
        if (entry.is_regular_file()) {
            const fs::path own = fs::path(Prefix) / entry.path().filename();
            fs::remove(own); // the hard link, not the base's file
            fs::copy_file(entry.path(), own);
        }
    setenv("WINEPREFIX", Prefix.c_str(), 1);
    unsetenv("WINE");
    unsetenv("QUELM_REGISTRY");
    fs::copy_file(QUELM_WINE_CLIENT, Folder / "main.exe");
    WriteFullIni("0");
    SetRegistryStorePath("");
    UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
    ASSERT_EQ(CurrentSettingsLocation().Kind, TSettingsKind::skWinePrefix);
}

void WinePrefixFixture::TearDown() {
    if (!Prefix.empty()) Run({WineServer(), "-k"}, 30);
    UseSettingsLocation(std::nullopt);
    for (const auto& [name, value] : FSavedEnv) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    HeadlessLauncher::TearDown();
}

TRunResult WinePrefixFixture::RunClient(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {gWine, "main.exe"};
    argv.insert(argv.end(), args.begin(), args.end());
    return Run(argv);
}

void WinePrefixFixture::WaitForWineServer() {
    Run({WineServer(), "-w"});
}

void WinePrefixFixture::WaitForApply() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWineSeconds);
    while (Form2->ApplyRunning() && std::chrono::steady_clock::now() < deadline) {
        Wait(TWineApply::kPollInterval);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_FALSE(Form2->ApplyRunning()) << "Apply through Wine did not end";
}

std::string WinePrefixFixture::WaitForClient(const std::string& line, int count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kClientSeconds);
    std::string out;
    while (std::chrono::steady_clock::now() < deadline) {
        out = ReadWholeFile((Folder / "client-out.txt").string()).value_or("");
        int found = 0;
        for (size_t at = out.find(line + "\n"); at != std::string::npos;
             at = out.find(line + "\n", at + 1))
            found += (at == 0 || out[at - 1] == '\n');
        if (found >= count) return out;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ADD_FAILURE() << "the client did not write \"" << line << "\"; it wrote:\n" << out;
    return out;
}

std::vector<std::string> WinePrefixFixture::LastValues(const std::string& output) {
    std::vector<std::string> lines, values;
    std::istringstream in(output);
    for (std::string l; std::getline(in, l);) {
        if (l.ends_with('\r')) l.pop_back(); // the client's standard output is text
        lines.push_back(l);
    }
    // From the last "end" back to the line after the one before the values.
    auto end = std::find(lines.rbegin(), lines.rend(), "end");
    for (auto it = end == lines.rend() ? lines.rend() : std::next(end); it != lines.rend(); ++it) {
        if (it->starts_with("args=") || *it == "watching" || *it == "set ok" || *it == "end") break;
        values.insert(values.begin(), *it);
    }
    return values;
}
