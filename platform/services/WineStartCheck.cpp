#include "platform/services/WineStartCheck.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/services/FindWine.h"
#include "platform/services/PeMachine.h"

namespace {

constexpr const char* kWindowsSide32 = "/i386-windows/ntdll.dll";
// The 32-bit loader's name, in Wine's bin folder or in /usr/lib/wine.
constexpr const char* kLoader32 = "/wine";
constexpr unsigned char kElfClass32 = 1;

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string Parent(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RealPath(const std::string& path) {
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

// A 32-bit ELF program: the loader of Wine's 32-bit part.
bool IsElf32(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    unsigned char ident[5] = {};
    const ssize_t n = read(fd, ident, sizeof ident);
    close(fd);
    return n == sizeof ident && ident[0] == 0x7f && ident[1] == 'E' && ident[2] == 'L' &&
           ident[3] == 'F' && ident[4] == kElfClass32;
}

// Wine's library folders near its executable: <install>/bin/wine has them
// in <install>/lib*/wine.
std::vector<std::string> FoldersNear(const std::string& wine) {
    const std::string bin = Parent(RealPath(wine));
    const std::string install = Parent(bin);
    std::vector<std::string> folders = {bin};
    for (const char* lib : {"/lib/wine", "/lib32/wine", "/lib64/wine", "/lib/i386-linux-gnu/wine",
                            "/lib/x86_64-linux-gnu/wine"})
        folders.push_back(install + lib);
    return folders;
}

std::string UserName(uid_t uid) {
    const passwd* pw = getpwuid(uid);
    return pw && pw->pw_name ? pw->pw_name : "uid " + std::to_string(uid);
}

} // namespace

const std::vector<std::string>& WineLibraryRoots() {
    static const std::vector<std::string> roots = {
        "/usr/lib/i386-linux-gnu/wine",
        "/usr/lib/x86_64-linux-gnu/wine",
        "/usr/lib/wine",
        "/usr/lib32/wine",
        "/usr/lib64/wine",
        "/usr/local/lib/wine",
    };
    return roots;
}

bool HasWine32Support(const std::string& wine, const std::vector<std::string>& systemRoots) {
    std::vector<std::string> folders = FoldersNear(wine);
    folders.insert(folders.end(), systemRoots.begin(), systemRoots.end());
    for (const auto& folder : folders)
        if (Exists(folder + kWindowsSide32) || IsElf32(folder + kLoader32)) return true;
    return false;
}

TWineCheck CheckPrefixOwner(const std::string& prefix) {
    TWineCheck check;
    check.Prefix = prefix;
    struct stat st {};
    if (stat(prefix.c_str(), &st) == 0 && st.st_uid != getuid()) {
        check.Problem = TWineProblem::wpForeignPrefix;
        check.Owner = UserName(st.st_uid);
    }
    return check;
}

TWineSearch SystemWineSearch() {
    return {WineInstallPaths(), WineLibraryRoots()};
}

TWineCheck CheckWineStart(const std::string& program, const std::string& prefix,
                          const TWineSearch& search) {
    const TPeMachine machine = ReadPeMachine(program);
    if (machine == TPeMachine::pmNone) return {TWineProblem::wpNone, {}, prefix, {}};
    const std::string wine = FindWine(search.InstallPaths);
    if (wine.empty()) return {TWineProblem::wpNoWine, {}, prefix, {}};
    if (machine == TPeMachine::pmI386 && !HasWine32Support(wine, search.LibraryRoots))
        return {TWineProblem::wpNo32BitWine, wine, prefix, {}};
    TWineCheck check = CheckPrefixOwner(prefix);
    check.Wine = wine;
    return check;
}
