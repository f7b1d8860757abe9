#pragma once
// Writing values of the current user into a Wine prefix through Wine itself,
// in the background. This is the way while Wine's server runs for the
// prefix (it holds the registry in memory and would save over a direct edit
// of user.reg), and before the prefix exists, when Wine first creates it.
//
// Steps, each a child process (TChildProcess.h) that Poll() looks at without
// waiting:
//   1. only when the prefix has no user.reg yet: "wine wineboot --init",
//      with Wine's Mono and Gecko installers turned off (they would ask the
//      player to download them, and the game needs neither);
//   2. "wine reg import" of a file of ours (RegImportText.h) put in the
//      prefix's C:\windows\temp, so that its path means the same to Wine
//      whatever folder the launcher runs in; the file is removed after.
// Each step has a time limit; a step that overruns it is killed, so a stuck
// Wine cannot keep the dialog waiting for ever.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/services/RegImportText.h"
#include "platform/services/TChildProcess.h"

struct TWineWrite {
    std::string Wine;    // the executable (FindWine.h)
    std::string Prefix;  // the prefix folder
    std::string KeyPath; // relative to HKEY_CURRENT_USER
    std::vector<TRegNamedValue> Values;
};

struct TWineWriteLimits {
    std::chrono::seconds Boot{180};
    std::chrono::seconds Import{60};
};

enum class TWineWriteState { wwRunning, wwDone, wwFailed };

// What went wrong, so that the launcher can say it in the player's language.
enum class TWineWriteFailure { wfNone, wfStart, wfBoot, wfImport, wfTimeout, wfFile };

class TWineWriteJob {
public:
    explicit TWineWriteJob(TWineWrite write, TWineWriteLimits limits = {});
    ~TWineWriteJob();
    TWineWriteJob(const TWineWriteJob&) = delete;
    TWineWriteJob& operator=(const TWineWriteJob&) = delete;

    // Moves on as far as the children allow, never waiting.
    TWineWriteState Poll();
    TWineWriteState State() const { return FState; }
    bool CreatingPrefix() const { return FStep == TStep::jsBoot; }
    TWineWriteFailure Failure() const { return FFailure; }
    // The detail of a failure: Wine's own words, or the system's.
    const std::string& Detail() const { return FDetail; }

private:
    enum class TStep { jsBoot, jsImport, jsEnd };

    void StartBoot();
    void StartImport();
    void Fail(TWineWriteFailure failure, std::string detail);
    void StepEnded();
    std::vector<std::string> WineEnvironment() const;

    TWineWrite FWrite;
    TWineWriteLimits FLimits;
    TStep FStep = TStep::jsBoot;
    TWineWriteState FState = TWineWriteState::wwRunning;
    TWineWriteFailure FFailure = TWineWriteFailure::wfNone;
    std::string FDetail;
    std::string FImportFile; // the file of ours in the prefix, removed after
    std::unique_ptr<TChildProcess> FChild;
    std::chrono::steady_clock::time_point FDeadline;
};
