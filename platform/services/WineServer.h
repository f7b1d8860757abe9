#pragma once
// Whether Wine's server runs for a prefix. The server holds the prefix's
// registry in memory while it runs and writes it back over the files when
// it saves, so a change made to user.reg behind its back would be lost (or
// would lose what the game changed meanwhile).
//
// Where the server listens (found by looking at Wine as installed here, as
// its documentation is not at hand): <temp>/.wine-<uid>/server-<dev>-<inode>/
// socket, where <temp> is /tmp and dev and inode are those of the prefix
// folder, both in lowercase hex. Some distributions' Wine makes a private
// folder <temp>/wine-XXXXXX instead of .wine-<uid>, and writes its name into
// the file "wineserver" inside the prefix; both places are asked. A
// socket nobody listens on (left by a server that crashed) refuses the
// connection, and then no server runs. Any other answer, including an
// error this check does not expect, counts as running: writing behind a
// running server's back is the one outcome to avoid.

#include <string>

constexpr const char* kWineServerTempRoot = "/tmp";

// The socket path of the prefix's server in .wine-<uid>, or empty when the
// prefix folder cannot be reached.
std::string WineServerSocketPath(const std::string& prefix,
                                 const std::string& tempRoot = kWineServerTempRoot);
// The same in the private folder the prefix's "wineserver" file names, or
// empty when there is no such file (or it names no plain folder name).
std::string WinePrivateServerSocketPath(const std::string& prefix,
                                        const std::string& tempRoot = kWineServerTempRoot);

bool WineServerRunning(const std::string& prefix,
                       const std::string& tempRoot = kWineServerTempRoot);
