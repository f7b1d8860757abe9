#include "platform/services/WineServer.h"

#include "platform/services/AtomicFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxFolderName = 64;

// "server-<dev>-<inode>/socket" of the prefix folder, or empty.
std::string ServerTail(const std::string& prefix) {
    struct stat st {};
    if (stat(prefix.c_str(), &st) != 0) return {};
    char name[80];
    std::snprintf(name, sizeof name, "server-%llx-%llx/socket",
                  static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return name;
}

bool IsPlainFolderName(const std::string& name) {
    if (name.empty() || name.size() > kMaxFolderName || name == "." || name == "..") return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            return false;
    return true;
}

// Whether something listens on the socket at path.
bool Listening(const std::string& path) {
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

} // namespace

std::string WineServerSocketPath(const std::string& prefix, const std::string& tempRoot) {
    const std::string tail = ServerTail(prefix);
    if (tail.empty()) return {};
    return tempRoot + "/.wine-" + std::to_string(getuid()) + "/" + tail;
}

std::string WinePrivateServerSocketPath(const std::string& prefix, const std::string& tempRoot) {
    std::string folder;
    if (ReadFileBytes(prefix + "/wineserver", folder) != 0) return {};
    while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r'))
        folder.pop_back();
    const std::string tail = ServerTail(prefix);
    if (!IsPlainFolderName(folder) || tail.empty()) return {};
    return tempRoot + "/" + folder + "/" + tail;
}

bool WineServerRunning(const std::string& prefix, const std::string& tempRoot) {
    for (const std::string& path :
         {WineServerSocketPath(prefix, tempRoot), WinePrivateServerSocketPath(prefix, tempRoot)})
        if (!path.empty() && Listening(path)) return true;
    return false;
}
