#include "platform/services/TWineWriteJob.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/services/AtomicFile.h"
#include "platform/services/FindWine.h"

namespace {

constexpr const char* kTempFolder = "/drive_c/windows/temp";
constexpr const char* kTempFolderForWine = "C:\\windows\\temp\\";

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// Wine's output without the blank lines and trailing line end, for a message.
std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

std::string Ended(const TChildProcess& child, const std::string& what) {
    std::string detail = what + " ended with status " + std::to_string(child.ExitCode());
    const std::string output = Trimmed(child.Output());
    return output.empty() ? detail : detail + ": " + output;
}

} // namespace

TWineWriteJob::TWineWriteJob(TWineWrite write, TWineWriteLimits limits)
    : FWrite(std::move(write)), FLimits(limits) {
    if (Exists(FWrite.Prefix + "/user.reg"))
        StartImport();
    else
        StartBoot();
}

TWineWriteJob::~TWineWriteJob() {
    FChild.reset();
    if (!FImportFile.empty()) unlink(FImportFile.c_str());
}

std::vector<std::string> TWineWriteJob::WineEnvironment() const {
    return {"WINEPREFIX=" + FWrite.Prefix, WineWithoutInstallers, "WINEDEBUG=-all"};
}

void TWineWriteJob::StartBoot() {
    FStep = TStep::jsBoot;
    FDeadline = std::chrono::steady_clock::now() + FLimits.Boot;
    FChild = std::make_unique<TChildProcess>(
        FWrite.Wine, std::vector<std::string>{FWrite.Wine, "wineboot", "--init"},
        WineEnvironment());
    if (!FChild->Started()) Fail(TWineWriteFailure::wfStart, FChild->StartError());
}

void TWineWriteJob::StartImport() {
    FStep = TStep::jsImport;
    const std::string folder = FWrite.Prefix + kTempFolder;
    const std::string name = "quelm-settings-" + std::to_string(getpid()) + ".reg";
    FImportFile = folder + "/" + name;
    // ReplaceFileAtomically makes a missing folder.
    if (std::string why =
            ReplaceFileAtomically(FImportFile, RegImportText(FWrite.KeyPath, FWrite.Values));
        !why.empty()) {
        FImportFile.clear();
        Fail(TWineWriteFailure::wfFile, why);
        return;
    }
    FDeadline = std::chrono::steady_clock::now() + FLimits.Import;
    FChild = std::make_unique<TChildProcess>(
        FWrite.Wine,
        std::vector<std::string>{FWrite.Wine, "reg", "import", kTempFolderForWine + name},
        WineEnvironment());
    if (!FChild->Started()) Fail(TWineWriteFailure::wfStart, FChild->StartError());
}

void TWineWriteJob::Fail(TWineWriteFailure failure, std::string detail) {
    FChild.reset();
    FState = TWineWriteState::wwFailed;
    FFailure = failure;
    FDetail = std::move(detail);
}

void TWineWriteJob::StepEnded() {
    const TChildProcess& child = *FChild;
    if (FStep == TStep::jsBoot) {
        if (child.ExitCode() != 0 || !Exists(FWrite.Prefix + "/drive_c"))
            return Fail(TWineWriteFailure::wfBoot, Ended(child, "wineboot"));
        return StartImport();
    }
    unlink(FImportFile.c_str());
    FImportFile.clear();
    if (child.ExitCode() != 0) return Fail(TWineWriteFailure::wfImport, Ended(child, "reg import"));
    FChild.reset();
    FStep = TStep::jsEnd;
    FState = TWineWriteState::wwDone;
}

TWineWriteState TWineWriteJob::Poll() {
    if (FState != TWineWriteState::wwRunning) return FState;
    if (FChild->Running()) {
        if (std::chrono::steady_clock::now() > FDeadline) {
            const auto limit = FStep == TStep::jsBoot ? FLimits.Boot : FLimits.Import;
            Fail(TWineWriteFailure::wfTimeout,
                 (FStep == TStep::jsBoot ? "wineboot" : "reg import") +
                     std::string(" took more than ") + std::to_string(limit.count()) + " s");
        }
        return FState;
    }
    StepEnded();
    return FState;
}
