#include "platform/services/PeMachine.h"

#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t kNewHeaderOffsetField = 0x3c;
constexpr uint16_t kMachineI386 = 0x014c;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr size_t kSignatureAndMachine = 6; // "PE\0\0", then the machine

bool ReadAt(int fd, off_t offset, unsigned char* buf, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(fd, buf + done, size - done, offset + static_cast<off_t>(done));
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

TPeMachine MachineOf(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return TPeMachine::pmNone;
    unsigned char mz[2];
    if (!ReadAt(fd, 0, mz, sizeof mz) || mz[0] != 'M' || mz[1] != 'Z') return TPeMachine::pmNone;
    unsigned char field[4];
    if (!ReadAt(fd, kNewHeaderOffsetField, field, sizeof field)) return TPeMachine::pmDos;
    const uint32_t offset = field[0] | field[1] << 8 | field[2] << 16 | uint32_t{field[3]} << 24;
    // The offset is checked against the file's size before it is used.
    if (offset > static_cast<uint64_t>(st.st_size) ||
        static_cast<uint64_t>(st.st_size) - offset < kSignatureAndMachine)
        return TPeMachine::pmDos;
    unsigned char pe[kSignatureAndMachine];
    if (!ReadAt(fd, static_cast<off_t>(offset), pe, sizeof pe) || pe[0] != 'P' || pe[1] != 'E' ||
        pe[2] != 0 || pe[3] != 0)
        return TPeMachine::pmDos;
    const uint16_t machine = static_cast<uint16_t>(pe[4] | pe[5] << 8);
    if (machine == kMachineI386) return TPeMachine::pmI386;
    if (machine == kMachineAmd64) return TPeMachine::pmAmd64;
    return TPeMachine::pmOther;
}

} // namespace

TPeMachine ReadPeMachine(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return TPeMachine::pmNone;
    const TPeMachine machine = MachineOf(fd);
    close(fd);
    return machine;
}

std::string_view PeMachineName(TPeMachine machine) {
    switch (machine) {
    case TPeMachine::pmI386:
        return "32-bit (i386)";
    case TPeMachine::pmAmd64:
        return "64-bit (x86-64)";
    case TPeMachine::pmOther:
        return "another machine";
    case TPeMachine::pmDos:
        return "an MS-DOS program";
    case TPeMachine::pmNone:
        break;
    }
    return "not a Windows program";
}
