#include "platform/services/WineServer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

std::string WineServerSocketPath(const std::string& prefix, const std::string& tempRoot) {
    struct stat st {};
    if (stat(prefix.c_str(), &st) != 0) return {};
    char name[96];
    std::snprintf(name, sizeof name, "/.wine-%u/server-%llx-%llx/socket",
                  static_cast<unsigned>(getuid()), static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return tempRoot + name;
}

bool WineServerRunning(const std::string& prefix, const std::string& tempRoot) {
    const std::string path = WineServerSocketPath(prefix, tempRoot);
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0) return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return true; // cannot ask: assume it runs
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    // The server takes a connection that says nothing and closes as a client
    // that went away at once.
    const int result = connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    const int err = errno;
    close(fd);
    return result == 0 || (err != ECONNREFUSED && err != ENOENT);
}
